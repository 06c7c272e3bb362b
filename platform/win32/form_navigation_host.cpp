// A form's side of the navigation rules: what its controls are, and how it moves the focus,
// clicks, runs a menu command or closes when the rules say so.
//
// IsDialogMessage is not used: its rules are not the program's (it moves the focus with the
// arrows only inside a group, sends Enter to the default button id rather than to the focused
// button, and under Wine never leaves a multi-line text box with Tab, which answers
// DLGC_WANTALLKEYS). The message loop hands every key of the form to app::FormNavigation.
#include "platform/win32/form.h"

#include "platform/win32/form_control.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {

std::vector<app::ControlState> Win32Form::Controls() const {
  std::vector<app::ControlState> states;
  for (const FormControl* control : controls_) {
    app::ControlState state{control->Id(), control->Kind(), control->CanFocus(false),
                            control->CanFocus(true)};
    state.is_default = control->IsDefault();
    state.is_cancel = control->IsCancel();
    states.push_back(state);
  }
  return states;
}

void Win32Form::GiveFocus(int id) {
  // WM_SETFOCUS then reports the arrival (ControlFocused).
  if (FormControl* control = ControlById(id)) ::SetFocus(control->Handle());
}

void Win32Form::Click(int id) {
  if (FormControl* control = ControlById(id)) control->Click();
}

void Win32Form::RunMenu(int command) {
  system_.Guard([&] { events_.OnMenu(command); });
}

bool Win32Form::ShortCutHook(const KeyEvent& key) { return system_.RunShortCutHook(key); }

void Win32Form::PreviewKeyUp(const KeyEvent& key) {
  system_.Guard([&] { events_.OnKeyUp(key); });
}

void Win32Form::CloseForm() {
  // Posted, as the system menu's Close is: the key that asked for it is handled to its end first.
  PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void Win32Form::ControlFocused(FormControl& control) {
  if (navigation_.FocusArrived(control.Id())) control.Entered();
}

void Win32Form::OnActivated() {
  navigation_.Activated();
  // A form without a control that can take the focus keeps it itself, so its keys still come.
  const HWND focus = GetFocus();
  if (!focus || GetAncestor(focus, GA_ROOT) != window_) ::SetFocus(window_);
}

}  // namespace platform::win32
