// The folder tree over the shell namespace. Each node keeps the absolute item id of its
// folder; its subfolders are listed (folders only, no hidden ones) when it is first expanded.
//
// Nothing of the tree exists before it is needed, when it gets its first root or its form is
// first shown: not its window, not the common controls library that makes it (comctl32, loaded
// then rather than with the program), not the shell itself (shell32), not the shell's image
// list. Under Wine, loading the libraries and asking the shell for its image list took several
// times as long as all the rest of the player's start-up, while a child waits for song 1 to be
// announced.
#include "platform/win32/folder_tree.h"

#include <shellapi.h>

#include "platform/exception.h"
#include "platform/win32/form.h"
#include "platform/win32/shell_library.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {

struct Win32FolderTree::Node {
  LPITEMIDLIST absolute;  // freed with CoTaskMemFree
  bool filled = false;
};

namespace {

constexpr int kIndent = 19;

// Loads comctl32 and registers its tree view class, once for the process; false when the
// library is missing. It stays loaded: every tree window needs it.
bool RegisterTreeViewClass() {
  static const bool registered = [] {
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (!library) return false;
    using Initialize = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    // Through void (*)(), the one function type every other may be cast from without a warning.
    const auto initialize = reinterpret_cast<Initialize>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, "InitCommonControlsEx")));
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_TREEVIEW_CLASSES};
    return initialize && initialize(&classes);
  }();
  return registered;
}

HWND CreateTreeWindow(Win32Form& form, int id, const Bounds& bounds) {
  // Without the class, CreateControlWindow reports that the tree cannot be made.
  RegisterTreeViewClass();
  // No TVS_LINESATROOT / root buttons: the root node shows without a line or button.
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS |
                      TVS_SHOWSELALWAYS;
  HWND window = CreateControlWindow(form, id, WS_EX_CLIENTEDGE, WC_TREEVIEWW, L"", style, bounds,
                                    L"フォルダの一覧");
  // First among the form's child windows, as it is first in tab order.
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return window;
}

// The shell's functions; the tree has nodes to work on only once ShowRoot has found them.
const ShellLibrary& Sh() { return *Shell(); }

[[noreturn]] void CannotShow(const std::wstring& what) {
  throw Exception(WideToSjis(L"フォルダ " + what + L" を表示できません"));
}

// A name the shell returned in any of its three forms; a UTF-16 one is freed here.
std::wstring TakeString(STRRET& value, LPCITEMIDLIST item) {
  switch (value.uType) {
    case STRRET_WSTR: {
      std::wstring text = value.pOleStr ? value.pOleStr : L"";
      CoTaskMemFree(value.pOleStr);
      value.pOleStr = nullptr;
      return text;
    }
    case STRRET_OFFSET: {
      const char* text = reinterpret_cast<const char*>(item) + value.uOffset;
      wchar_t wide[MAX_PATH] = L"";
      MultiByteToWideChar(CP_ACP, 0, text, -1, wide, MAX_PATH);
      return wide;
    }
    case STRRET_CSTR: {
      wchar_t wide[MAX_PATH] = L"";
      MultiByteToWideChar(CP_ACP, 0, value.cStr, -1, wide, MAX_PATH);
      return wide;
    }
    default:
      return std::wstring();
  }
}

std::wstring NameOf(LPCITEMIDLIST absolute, SHGDNF flags) {
  ComPtr<IShellFolder> parent;
  LPCITEMIDLIST child = nullptr;
  if (FAILED(Sh().BindToParent(absolute, IID_IShellFolder, parent.PutVoid(), &child)))
    return std::wstring();
  STRRET value{};
  if (FAILED(parent->GetDisplayNameOf(child, flags, &value))) return std::wstring();
  return TakeString(value, child);
}

int IconOf(LPCITEMIDLIST absolute, bool open) {
  SHFILEINFOW info{};
  const UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | (open ? SHGFI_OPENICON : 0);
  // Without an icon of its own a folder shows the image list's first one.
  if (!Sh().GetFileInfo(reinterpret_cast<LPCWSTR>(absolute), 0, &info, sizeof info, flags)) return 0;
  return info.iIcon;
}

HIMAGELIST SystemImageList() {
  SHFILEINFOW info{};
  return reinterpret_cast<HIMAGELIST>(Sh().GetFileInfo(
      L"C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

// The folder's shell object; empty when it cannot be opened (a folder without access, a drive
// without a disc): such a node simply shows no subfolders.
ComPtr<IShellFolder> BindFolder(LPCITEMIDLIST absolute) {
  ComPtr<IShellFolder> desktop;
  ComPtr<IShellFolder> folder;
  if (FAILED(Sh().GetDesktopFolder(desktop.Put())) || !desktop) return folder;
  if (!absolute || absolute->mkid.cb == 0) return desktop;
  if (FAILED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.PutVoid())))
    folder.Reset();
  return folder;
}

// The first subfolder the shell lists, or nothing; the caller frees it.
LPITEMIDLIST FirstSubfolder(IShellFolder& folder, HWND owner) {
  ComPtr<IEnumIDList> children;
  // S_FALSE with no enumerator: the folder holds nothing to list.
  if (folder.EnumObjects(owner, SHCONTF_FOLDERS, children.Put()) != S_OK || !children)
    return nullptr;
  LPITEMIDLIST child = nullptr;
  ULONG fetched = 0;
  if (children->Next(1, &child, &fetched) != S_OK || fetched != 1) return nullptr;
  return child;
}

// The item of the root to show; raises when the shell knows no such folder.
LPITEMIDLIST RootItem(const TreeRoot& root) {
  LPITEMIDLIST item = nullptr;
  if (root.IsTop()) {
    if (FAILED(Sh().GetSpecialFolderLocation(nullptr, CSIDL_DESKTOP, &item)) || !item)
      CannotShow(L"(デスクトップ)");
    return item;
  }
  std::wstring path = WidePath(*root.folder);
  ComPtr<IShellFolder> desktop;
  if (FAILED(Sh().GetDesktopFolder(desktop.Put())) || !desktop) CannotShow(path);
  ULONG eaten = 0;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &path[0], &eaten, &item, nullptr)) || !item)
    CannotShow(path);
  return item;
}

}  // namespace

Win32FolderTree::Win32FolderTree(Win32Form& form, const FolderTreeSpec& spec)
    : FormControl(form), bounds_(spec.bounds) {}

Win32FolderTree::~Win32FolderTree() {
  DestroyControlWindow();
  Clear();
}

bool Win32FolderTree::MakeWindow() {
  if (Handle()) return true;
  if (!form()) return false;  // the form has gone, and its windows with it
  Attach(CreateTreeWindow(*form(), Id(), bounds_));
  TreeView_SetIndent(Handle(), kIndent);
  return true;
}

void Win32FolderTree::UseSystemImages() {
  if (images_asked_) return;
  images_asked_ = true;
  // Without the system's image list the folders show without icons.
  if (HIMAGELIST images = SystemImageList()) TreeView_SetImageList(Handle(), images, TVSIL_NORMAL);
}

void Win32FolderTree::Clear() {
  if (Handle()) TreeView_DeleteAllItems(Handle());
  for (Node* node : nodes_) {
    CoTaskMemFree(node->absolute);
    delete node;
  }
  nodes_.clear();
}

void Win32FolderTree::FormShowing() {
  try {
    MakeWindow();
  } catch (const Exception&) {
    // The form shows without it; giving the tree a root reports why.
  }
}

void Win32FolderTree::ShowRoot(const TreeRoot& root) {
  if (!MakeWindow()) return;
  if (!Shell()) throw Exception(WideToSjis(L"シェル (shell32.dll) を読み込めません"));
  UseSystemImages();
  LPITEMIDLIST item = RootItem(root);  // the tree stays as it was when this raises
  Clear();
  const std::wstring label = NameOf(item, SHGDN_NORMAL);
  HTREEITEM node = Insert(TVI_ROOT, item, label);
  if (!node) CannotShow(label);
  TreeView_Expand(Handle(), node, TVE_EXPAND);
  TreeView_SelectItem(Handle(), node);
}

HTREEITEM Win32FolderTree::Insert(HTREEITEM parent, LPITEMIDLIST absolute,
                                  const std::wstring& label) {
  auto* node = new Node{absolute};
  nodes_.push_back(node);  // freed with the tree, also when the item cannot be inserted
  std::wstring text = label;
  TVINSERTSTRUCTW insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  insert.item.pszText = &text[0];
  insert.item.lParam = reinterpret_cast<LPARAM>(node);
  insert.item.iImage = IconOf(absolute, false);
  insert.item.iSelectedImage = IconOf(absolute, true);
  insert.item.cChildren = I_CHILDRENCALLBACK;
  return TreeView_InsertItem(Handle(), &insert);
}

void Win32FolderTree::FillChildren(HTREEITEM item) {
  Node* node = NodeOf(item);
  if (!node || node->filled) return;
  node->filled = true;
  ComPtr<IShellFolder> folder = BindFolder(node->absolute);
  ComPtr<IEnumIDList> children;
  if (!folder || folder->EnumObjects(Handle(), SHCONTF_FOLDERS, children.Put()) != S_OK ||
      !children) {
    ShowsChildren(item, false);  // nothing to open after all: the expand button goes
    return;
  }
  LPITEMIDLIST child = nullptr;
  ULONG fetched = 0;
  while (children->Next(1, &child, &fetched) == S_OK && fetched == 1) {
    STRRET value{};
    std::wstring label;
    if (SUCCEEDED(folder->GetDisplayNameOf(child, SHGDN_INFOLDER, &value)))
      label = TakeString(value, child);
    LPITEMIDLIST absolute = Sh().Combine(node->absolute, child);
    CoTaskMemFree(child);
    if (!absolute) continue;  // out of memory for this one: the others still show
    if (!Insert(item, absolute, label)) break;
  }
}

void Win32FolderTree::ShowsChildren(HTREEITEM item, bool has_children) {
  TVITEMW update{};
  update.mask = TVIF_CHILDREN | TVIF_HANDLE;
  update.hItem = item;
  update.cChildren = has_children ? 1 : 0;
  TreeView_SetItem(Handle(), &update);
}

Win32FolderTree::Node* Win32FolderTree::NodeOf(HTREEITEM item) const {
  if (!item) return nullptr;
  TVITEMW data{};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!TreeView_GetItem(Handle(), &data)) return nullptr;
  return reinterpret_cast<Node*>(data.lParam);
}

std::optional<PathName> Win32FolderTree::SelectedPath() const {
  if (!Handle()) return std::nullopt;
  Node* node = NodeOf(TreeView_GetSelection(Handle()));
  if (!node) return std::nullopt;
  std::wstring name = NameOf(node->absolute, SHGDN_FORPARSING);
  // A folder without a file-system path ("::{CLSID}") goes by its display name.
  if (name.rfind(L"::{", 0) == 0) name = NameOf(node->absolute, SHGDN_NORMAL);
  // A name the shell would not give is no folder to look in.
  if (name.empty()) return std::nullopt;
  return NameFromWide(name);
}

void Win32FolderTree::SelectUnderCursor() {
  TVHITTESTINFO hit{};
  GetCursorPos(&hit.pt);
  ScreenToClient(Handle(), &hit.pt);
  HTREEITEM item = TreeView_HitTest(Handle(), &hit);
  if (item && (hit.flags & TVHT_ONITEM)) TreeView_SelectItem(Handle(), item);
}

LRESULT Win32FolderTree::Notify(NMHDR& header) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGW: {
      auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
      if (change.action & TVE_EXPAND) FillChildren(change.itemNew.hItem);
      return FALSE;
    }
    case TVN_GETDISPINFOW: {
      // Whether a node shows an expand button: ask the shell once, when it is drawn.
      auto& info = reinterpret_cast<NMTVDISPINFOW&>(header);
      if (info.item.mask & TVIF_CHILDREN) {
        Node* node = reinterpret_cast<Node*>(info.item.lParam);
        ComPtr<IShellFolder> folder = node ? BindFolder(node->absolute) : ComPtr<IShellFolder>();
        LPITEMIDLIST child = folder ? FirstSubfolder(*folder.Get(), Handle()) : nullptr;
        info.item.cChildren = child ? 1 : 0;
        CoTaskMemFree(child);
        ShowsChildren(info.item.hItem, child != nullptr);
      }
      return 0;
    }
    case NM_RCLICK:
      SelectUnderCursor();
      return 0;
    default:
      return 0;
  }
}

}  // namespace platform::win32
