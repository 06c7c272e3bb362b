// The folder tree of the shell namespace in a SysTreeView32: folders only, no hidden ones, the
// system's icons, filled lazily as nodes are expanded.
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

  void ShowRoot(const std::optional<PathName>& folder) override;
  std::optional<PathName> SelectedPath() const override;

  bool UsesUpDown() const override { return true; }
  LRESULT Notify(NMHDR& header) override;

 private:
  struct Node;
  HTREEITEM Insert(HTREEITEM parent, LPITEMIDLIST absolute, const std::wstring& label);
  void FillChildren(HTREEITEM item);
  void Clear();
  void SelectUnderCursor();
  Node* NodeOf(HTREEITEM item) const;

  std::vector<Node*> nodes_;  // owned, one per tree item; freed when the tree is emptied
};

}  // namespace platform::win32
