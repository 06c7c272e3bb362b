// Menus built from a form's layout.
#include "platform/win32/form_menu.h"

#include <string>

#include "platform/exception.h"
#include "platform/win32/key_translation.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

[[noreturn]] void MenuFailed() { throw Exception(WideToSjis(L"メニューを作成できません")); }

void AppendItems(HMENU menu, const std::vector<MenuSpec>& items) {
  for (const MenuSpec& item : items) {
    std::wstring text = SjisToWide(item.caption);
    BOOL appended = FALSE;
    if (!item.items.empty()) {
      HMENU submenu = CreatePopupMenu();
      if (!submenu) MenuFailed();
      AppendItems(submenu, item.items);
      appended = AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                             text.c_str());
      if (!appended) DestroyMenu(submenu);
    } else if (item.caption == "-") {
      appended = AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      if (item.shortcut.key != Key::Other) text += L"\t" + ShortcutText(item.shortcut);
      appended = AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command), text.c_str());
    }
    if (!appended) MenuFailed();
  }
}

}  // namespace

HMENU BuildMenuBar(const std::vector<MenuSpec>& items) {
  if (items.empty()) return nullptr;
  HMENU bar = CreateMenu();
  if (!bar) MenuFailed();
  try {
    AppendItems(bar, items);
  } catch (...) {
    DestroyMenu(bar);  // with the submenus already in it
    throw;
  }
  return bar;
}

}  // namespace platform::win32
