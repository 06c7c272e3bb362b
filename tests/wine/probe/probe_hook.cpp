// Loaded by probe.exe into the player's user-interface thread through a message hook. Under
// Wine a window's fonts and menus belong to its process, so only code running there can read
// them. probe.exe posts the registered message below to a window of that thread; the hook
// answers through WM_COPYDATA to the reply window named in wParam and swallows the query.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "probe_query.h"
#include "../report_text.h"

namespace {

std::string FontReport(HWND window) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
  if (!font) return "font\tnone\n";
  LOGFONTW lf;
  if (GetObjectW(font, sizeof(lf), &lf) != sizeof(lf)) return "font\tunreadable\n";
  // The face Wine really drew with, after the font replacements of the prefix.
  wchar_t realized[LF_FACESIZE] = L"";
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  GetTextFaceW(dc, LF_FACESIZE, realized);
  int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return "font\tface=" + Escaped(lf.lfFaceName) + "\theight=" + std::to_string(lf.lfHeight) +
         "\tweight=" + std::to_string(lf.lfWeight) + "\tcharset=" + std::to_string(lf.lfCharSet) +
         "\titalic=" + std::to_string(lf.lfItalic) + "\tdpi=" + std::to_string(dpi) +
         "\trealized=" + Escaped(realized) + "\n";
}

void MenuReport(HMENU menu, int depth, std::string& out) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[512] = L"";
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = text;
    info.cch = ARRAYSIZE(text);
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    out += "item\tdepth=" + std::to_string(depth) + "\tindex=" + std::to_string(i) +
           "\tid=" + std::to_string(info.wID) + "\tseparator=" + ((info.fType & MFT_SEPARATOR) ? "1" : "0") +
           "\tdisabled=" + ((info.fState & MFS_DISABLED) ? "1" : "0") +
           "\tchecked=" + ((info.fState & MFS_CHECKED) ? "1" : "0") +
           "\tsubmenu=" + (info.hSubMenu ? "1" : "0") + "\ttext=" + Escaped(text) + "\n";
    if (info.hSubMenu) MenuReport(info.hSubMenu, depth + 1, out);
  }
}

// The nodes of a folder tree (SysTreeView32) in display order, depth first: depth, label,
// selected and expanded state, how many child nodes it holds now, and, when it is scrolled into
// view, its label's rectangle in the tree's client area (for a mouse click). Item data lives in
// the program's process, so this runs there.
void TreeReport(HWND tree, HTREEITEM item, int depth, std::string& out) {
  for (; item; item = TreeView_GetNextSibling(tree, item)) {
    wchar_t text[512] = L"";
    TVITEMW info = {};
    info.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_STATE;
    info.hItem = item;
    info.stateMask = TVIS_SELECTED | TVIS_EXPANDED;
    info.pszText = text;
    info.cchTextMax = ARRAYSIZE(text);
    if (!TreeView_GetItem(tree, &info)) continue;
    int children = 0;
    for (HTREEITEM child = TreeView_GetChild(tree, item); child; child = TreeView_GetNextSibling(tree, child))
      ++children;
    RECT r = {};
    const bool shown = TreeView_GetItemRect(tree, item, &r, TRUE) != FALSE;
    out += "node\tdepth=" + std::to_string(depth) + "\ttext=" + Escaped(text) +
           "\tselected=" + ((info.state & TVIS_SELECTED) ? "1" : "0") +
           "\texpanded=" + ((info.state & TVIS_EXPANDED) ? "1" : "0") +
           "\tchildren=" + std::to_string(children) + "\tshown=" + (shown ? "1" : "0") + "\trect=" +
           (shown ? std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                        std::to_string(r.bottom)
                  : std::string("none")) +
           "\n";
    if (children) TreeReport(tree, TreeView_GetChild(tree, item), depth + 1, out);
  }
}

std::string Answer(HWND target, LPARAM kind) {
  switch (kind) {
    case probe_query::kFont:
      return FontReport(target);
    case probe_query::kMenu: {
      HMENU menu = GetMenu(target);
      if (!menu) return "menu\tnone\n";
      std::string out = "menu\tbar\n";
      MenuReport(menu, 0, out);
      return out;
    }
    case probe_query::kTree: {
      std::string out = "tree\n";
      TreeReport(target, TreeView_GetRoot(target), 0, out);
      return out;
    }
    default:
      return "error\tunknown query\n";
  }
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK InspectGetMessageHook(int code, WPARAM removal, LPARAM lparam) {
  static const UINT query = RegisterWindowMessageW(probe_query::kMessageName);
  MSG* msg = reinterpret_cast<MSG*>(lparam);
  if (code == HC_ACTION && removal == PM_REMOVE && msg->message == query) {
    HWND reply = reinterpret_cast<HWND>(msg->wParam);
    std::string text = Answer(msg->hwnd, msg->lParam);
    COPYDATASTRUCT data = {};
    data.dwData = probe_query::kReplyTag;
    data.cbData = static_cast<DWORD>(text.size());
    data.lpData = &text[0];
    SendMessageTimeoutW(reply, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 5000, nullptr);
    msg->message = WM_NULL;  // the program never sees the query
  }
  return CallNextHookEx(nullptr, code, removal, lparam);
}
