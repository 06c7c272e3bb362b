// The folder tree of the shell namespace in a SysTreeView32: folders only, no hidden ones, the
// system's icons, filled lazily as nodes are expanded. Its window is made when it is first
// needed.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <shlobj.h>

#include <vector>

#include "platform/window_system.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/form_control.h"

namespace platform::win32 {

class Win32FolderTree : public FolderTree, public FormControl {
 public:
  Win32FolderTree(Win32Form& form, const FolderTreeSpec& spec);
  ~Win32FolderTree() override;

  // Raises platform::Exception, leaving the tree as it was, when the shell knows no such folder
  // or the tree's window cannot be made.
  void ShowRoot(const TreeRoot& root) override;
  std::optional<PathName> SelectedPath() const override;

  app::ControlKind Kind() const override { return app::ControlKind::FolderTree; }
  LRESULT Notify(NMHDR& header) override;
  void FormShowing() override;

 private:
  struct Node;
  // Makes the tree's window if it has none yet; false once its form has gone.
  bool MakeWindow();
  void UseSystemImages();
  HTREEITEM Insert(HTREEITEM parent, LPITEMIDLIST absolute, const std::wstring& label);
  void FillChildren(HTREEITEM item);
  void ShowsChildren(HTREEITEM item, bool has_children);
  void Clear();
  void SelectUnderCursor();
  Node* NodeOf(HTREEITEM item) const;

  Bounds bounds_;
  std::vector<Node*> nodes_;  // owned, one per tree item; freed when the tree is emptied
  bool images_asked_ = false;
};

}  // namespace platform::win32
