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

  // The tree starts at the program's own folder.
  void FormCreate();
  void Button1Click();  // "デスクットプ"
  void Button2Click();  // "ＯＫ"
  void Button3Click();  // "キャンセル"

  // The tree's root. Setting the root it already has (folders compared ignoring letter case)
  // changes nothing: the expanded folders and the selection stay.
  void SetRoot(const platform::TreeRoot& root);

  // Shows the dialog modally; returns once it has closed.
  platform::ModalResult ShowModal();

 private:
  platform::Services services_;
  TakeSongs take_songs_;
  // As stored: the top of the namespace, until FormCreate sets the program's folder.
  platform::TreeRoot root_ = platform::TreeRoot::Top();
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::FolderTree> ShellTreeView1;
  std::unique_ptr<platform::PushButton> Button1;
  std::unique_ptr<platform::PushButton> Button2;
  std::unique_ptr<platform::PushButton> Button3;
};
