// The folder dialog, in which an adult points the player at another folder of songs. Created
// once at start-up; between openings the tree keeps its root, expanded folders and selection.
#pragma once

#include <memory>

#include "platform/services.h"

class TMp3Form;

class TFolder : private platform::FormEvents {
 public:
  TFolder(const platform::Services& services, TMp3Form& mp3_form);
  TFolder(const TFolder&) = delete;
  TFolder& operator=(const TFolder&) = delete;

  // The tree starts at the program's own folder.
  void FormCreate();
  void Button1Click();  // "デスクットプ"
  void Button2Click();  // "ＯＫ"
  void Button3Click();  // "キャンセル"

  // The tree's root: a folder path ending in a backslash, or "rfDesktop". Setting the value it
  // already has, in any letter case, changes nothing.
  void SetRoot(const platform::PathName& root);
  const platform::PathName& Root() const { return root_; }

  platform::Form& Window() { return *window_; }

  // The folder the current songs come from; empty means "music".
  platform::PathName ChosenFolder;

 private:
  platform::Services services_;
  TMp3Form& mp3_form_;
  platform::PathName root_;
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::FolderTree> ShellTreeView1;
  std::unique_ptr<platform::PushButton> Button1;
  std::unique_ptr<platform::PushButton> Button2;
  std::unique_ptr<platform::PushButton> Button3;
};
