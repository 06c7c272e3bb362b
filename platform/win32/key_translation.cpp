// Virtual-key codes and modifier states in the program's terms.
#include "platform/win32/key_translation.h"

#include <string>

namespace platform::win32 {
namespace {

bool Held(int key) { return GetKeyState(key) < 0; }

Key KeyOf(WPARAM virtual_key) {
  switch (virtual_key) {
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;  // the keypad's Enter too
    case VK_SPACE: return Key::Space;
    case VK_ESCAPE: return Key::Escape;
    case VK_F4: return Key::F4;
    // Keypad 8 and 2 arrive as these only with Num Lock on; with Num Lock off (or Shift held
    // over Num Lock) Windows already sends VK_UP and VK_DOWN, which then act as the arrows.
    case VK_NUMPAD2: return Key::Numpad2;
    case VK_NUMPAD8: return Key::Numpad8;
    case VK_SUBTRACT: return Key::NumpadMinus;
    case VK_DIVIDE: return Key::NumpadDivide;
    case 'O': return Key::O;
    case 'S': return Key::S;
    default: return Key::Other;
  }
}

const wchar_t* NameOf(Key key) {
  switch (key) {
    case Key::Up: return L"Up";
    case Key::Down: return L"Down";
    case Key::Left: return L"Left";
    case Key::Right: return L"Right";
    case Key::Tab: return L"Tab";
    case Key::Enter: return L"Enter";
    case Key::Space: return L"Space";
    case Key::Escape: return L"Esc";
    case Key::F4: return L"F4";
    case Key::Numpad2: return L"Num 2";
    case Key::Numpad8: return L"Num 8";
    case Key::NumpadMinus: return L"Num -";
    case Key::NumpadDivide: return L"Num /";
    case Key::O: return L"O";
    case Key::S: return L"S";
    case Key::Other: return L"";
  }
  return L"";
}

}  // namespace

KeyEvent TranslateKey(const MSG& message) {
  KeyEvent event;
  event.key = KeyOf(message.wParam);
  event.modifiers.shift = Held(VK_SHIFT);
  event.modifiers.ctrl = Held(VK_CONTROL);
  // A system key message with the context bit set was sent with Alt held.
  const bool system_key = message.message == WM_SYSKEYDOWN || message.message == WM_SYSKEYUP;
  event.modifiers.alt = Held(VK_MENU) || (system_key && (message.lParam & (1L << 29)) != 0);
  return event;
}

std::wstring ShortcutText(const Shortcut& shortcut) {
  std::wstring text;
  if (shortcut.modifiers.shift) text += L"Shift+";
  if (shortcut.modifiers.ctrl) text += L"Ctrl+";
  if (shortcut.modifiers.alt) text += L"Alt+";
  return text + NameOf(shortcut.key);
}

}  // namespace platform::win32
