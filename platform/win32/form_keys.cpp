// Dialog navigation of a form and when a control's focus-enter event runs.
//
// IsDialogMessage is not used: it moves the focus with the arrows only inside a group, sends
// Enter to the default button id rather than to the focused button, clicks nothing on a form
// that is not a dialog, restyles the default button on every focus move, and under Wine never
// leaves a multi-line text box with Tab (it answers DLGC_WANTALLKEYS). The rules the program
// relies on are kept here instead, over the form's own list of controls in tab order.
#include "platform/win32/form.h"

#include "platform/win32/form_control.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {
bool Held(int key) { return GetKeyState(key) < 0; }
}  // namespace

bool Win32Form::TranslateShortCut(MSG& message) {
  return accelerators_ && TranslateAcceleratorW(window_, accelerators_, &message) != 0;
}

bool Win32Form::HandleDialogKey(const MSG& message) {
  const bool alt = message.message == WM_SYSKEYDOWN || Held(VK_MENU);
  const bool ctrl = Held(VK_CONTROL);
  const bool shift = Held(VK_SHIFT);
  FormControl* focused = FocusedControl();
  switch (message.wParam) {
    case VK_UP:
    case VK_DOWN:
      if (alt || !focused || focused->UsesUpDown()) return false;
      MoveFocus(focused, message.wParam == VK_DOWN ? 1 : -1, false);
      return true;
    case VK_TAB:
      if (alt || ctrl) return false;
      MoveFocus(focused, shift ? -1 : 1, true);
      return true;
    case VK_RETURN: {
      if (alt) return false;
      if (shift || ctrl) return true;  // Shift+Enter and Ctrl+Enter click nothing
      FormControl* target =
          focused && focused->IsPushButton() ? focused : FindButton(&FormControl::IsDefault);
      if (target && target->CanFocus(false)) target->Click();
      return true;
    }
    case VK_F4:
      // Alt+F4 closes the form from every control. Wine quirk: a focused tree view keeps
      // Alt+F4 to itself, so the form does not wait for DefWindowProc to pass it on.
      if (!alt || ctrl || shift) return false;
      PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    case VK_ESCAPE: {
      if (alt) return false;
      FormControl* cancel = FindButton(&FormControl::IsCancel);
      if (cancel && cancel->CanFocus(false)) cancel->Click();
      return true;
    }
    default:
      return false;
  }
}

void Win32Form::PreviewKeyUp(KeyCode key) {
  system_.Guard([&] { events_.OnKeyUp(key); });
}

void Win32Form::ControlFocused(FormControl& control) {
  // Coming back to the form's focused control (after another window was active, or when the
  // focus is given to the control that has it) is no entering.
  if (focused_ == &control) return;
  focused_ = &control;
  control.Entered();
}

void Win32Form::OnActivated() {
  if (focused_ && focused_->CanFocus(false)) {
    ::SetFocus(focused_->Handle());
  } else if (FormControl* first = FirstFocusable(true)) {
    ::SetFocus(first->Handle());
  } else {
    ::SetFocus(window_);
  }
}

FormControl* Win32Form::FocusedControl() const { return ControlOf(GetFocus()); }

FormControl* Win32Form::FirstFocusable(bool tab_stop_needed) const {
  for (FormControl* control : controls_)
    if (control->CanFocus(tab_stop_needed)) return control;
  return nullptr;
}

void Win32Form::MoveFocus(FormControl* from, int step, bool tab_stop_needed) {
  const int count = static_cast<int>(controls_.size());
  if (count == 0) return;
  int start = step > 0 ? -1 : count;
  for (int i = 0; i < count; ++i)
    if (controls_[static_cast<size_t>(i)] == from) start = i;
  for (int i = 1; i <= count; ++i) {
    const int index = ((start + step * i) % count + count) % count;
    FormControl* candidate = controls_[static_cast<size_t>(index)];
    if (!candidate->CanFocus(tab_stop_needed)) continue;
    if (candidate != from) ::SetFocus(candidate->Handle());
    return;
  }
}

FormControl* Win32Form::FindButton(bool (FormControl::*role)() const) const {
  for (FormControl* control : controls_)
    if ((control->*role)()) return control;
  return nullptr;
}

}  // namespace platform::win32
