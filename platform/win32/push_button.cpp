// Push buttons as BUTTON child windows. Clicks and focus entering reach the program through
// the window system's guard, so an exception they raise goes to the exception handler.
#include "platform/win32/push_button.h"

#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {

HWND CreateButtonWindow(Win32Form& form, const PushButtonSpec& spec, HFONT font) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP |
                      static_cast<DWORD>(spec.is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  HWND window = CreateControlWindow(form, 0, L"BUTTON", SjisToWide(spec.caption), style,
                                    spec.bounds, L"ボタン");
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  return window;
}

}  // namespace

Win32PushButton::Win32PushButton(Win32Form& form, const PushButtonSpec& spec)
    : OwnedFont(CreateSpecFont(spec.font)),
      FormControl(form, CreateButtonWindow(form, spec, font.get()), spec.hand_cursor),
      tag_(spec.tag),
      bounds_(spec.bounds),
      is_default_(spec.is_default),
      is_cancel_(spec.is_cancel),
      on_click_(spec.on_click),
      on_enter_(spec.on_enter) {}

Win32PushButton::~Win32PushButton() {
  DestroyControlWindow();  // before the font goes
}

void Win32PushButton::SetFocus() {
  if (Handle()) ::SetFocus(Handle());
}

void Win32PushButton::Click() {
  if (!on_click_ || !form()) return;
  form()->System().Guard([this] { on_click_(*this); });
}

void Win32PushButton::Entered() {
  if (!on_enter_ || !form()) return;
  form()->System().Guard([this] { on_enter_(*this); });
}

}  // namespace platform::win32
