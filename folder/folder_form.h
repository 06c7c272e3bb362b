// The folder dialog, in which an adult points the player at another folder of songs. Created
// once at start-up; between openings the tree keeps its root, expanded folders and selection.
#pragma once

#include <functional>
#include <memory>

#include "platform/services.h"

class TFolder : private platform::FormEvents {
 public:
  // Hands the chosen folder to the player, which takes its songs; false when it has none.
  using TakeSongs = std::function<bool(const platform::PathName& folder)>;

  TFolder(const platform::Services& services, TakeSongs take_songs);
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  // The tree starts at the program's own folder, shown from the first opening on.
  void FormCreate();
  void Button1Click();  // "デスクットプ"
  void Button2Click();  // "ＯＫ"
  void Button3Click();  // "キャンセル"

  // The tree's root. Setting the root it already has (folders compared ignoring letter case)
  // changes nothing: the expanded folders and the selection stay.
  void SetRoot(const platform::TreeRoot& root);

  // Shows the dialog modally; returns once it has closed. The first opening fills the tree
  // from its root.
  platform::ModalResult ShowModal();

 private:
  platform::Services services_;
  TakeSongs take_songs_;
  // As stored: the top of the namespace, until FormCreate sets the program's folder.
  platform::TreeRoot root_ = platform::TreeRoot::Top();
  // Nobody sees the tree before the dialog first opens, and listing the shell's folders with
  // their icons would hold up the first announcement at start-up: the tree gets its root then.
  bool tree_filled_ = false;
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::FolderTree> ShellTreeView1;
  std::unique_ptr<platform::PushButton> Button1;
  std::unique_ptr<platform::PushButton> Button2;
  std::unique_ptr<platform::PushButton> Button3;
};
