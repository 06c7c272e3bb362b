// Menus built from the stored layout. A shortcut value is a key code plus the modifier bits of
// the form designer's encoding: Shift 8192, Ctrl 16384, Alt 32768.
#include "platform/win32/form_menu.h"

#include <string>

#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

constexpr ShortCut kShiftBit = 8192;
constexpr ShortCut kCtrlBit = kCtrl;
constexpr ShortCut kAltBit = 32768;

std::wstring KeyName(UINT key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  wchar_t name[64] = L"";
  const LONG scan_code = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  if (GetKeyNameTextW(scan_code, name, 64) > 0) return name;
  return std::to_wstring(key);
}

std::wstring ShortCutText(ShortCut shortcut) {
  std::wstring text;
  if (shortcut & kShiftBit) text += L"Shift+";
  if (shortcut & kCtrlBit) text += L"Ctrl+";
  if (shortcut & kAltBit) text += L"Alt+";
  return text + KeyName(shortcut & 0xFF);
}

void AppendItems(HMENU menu, const std::vector<MenuSpec>& items,
                 std::vector<ACCEL>& accelerators) {
  for (const MenuSpec& item : items) {
    std::wstring text = SjisToWide(item.caption);
    if (!item.items.empty()) {
      HMENU submenu = CreatePopupMenu();
      AppendItems(submenu, item.items, accelerators);
      AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), text.c_str());
    } else if (item.caption == "-") {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
      if (item.shortcut != 0) {
        text += L"\t" + ShortCutText(item.shortcut);
        ACCEL accelerator{};
        accelerator.fVirt = FVIRTKEY;
        if (item.shortcut & kShiftBit) accelerator.fVirt |= FSHIFT;
        if (item.shortcut & kCtrlBit) accelerator.fVirt |= FCONTROL;
        if (item.shortcut & kAltBit) accelerator.fVirt |= FALT;
        accelerator.key = static_cast<WORD>(item.shortcut & 0xFF);
        accelerator.cmd = static_cast<WORD>(item.command);
        accelerators.push_back(accelerator);
      }
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.command), text.c_str());
    }
  }
}

}  // namespace

HMENU BuildMenuBar(const std::vector<MenuSpec>& items, std::vector<ACCEL>& accelerators) {
  if (items.empty()) return nullptr;
  HMENU bar = CreateMenu();
  AppendItems(bar, items, accelerators);
  return bar;
}

}  // namespace platform::win32
