// Showing, hiding and closing a form, and its modal showing.
#include "platform/win32/form.h"

#include "platform/win32/form_control.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {

void Win32Form::Show() {
  if (!shown_before_ && centred_first_time_) {
    RECT outer;
    GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    SetWindowPos(window_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  shown_before_ = true;
  for (FormControl* control : controls_) control->FormShowing();
  ShowWindow(window_, SW_SHOW);
  if (GetActiveWindow() != window_ && IsWindowEnabled(window_)) SetActiveWindow(window_);
  UpdateWindow(window_);
}

void Win32Form::Hide() { ShowWindow(window_, SW_HIDE); }

ModalResult Win32Form::ShowModal() {
  const HWND previous = GetActiveWindow();
  const std::vector<HWND> disabled = system_.DisableFormsExcept(*this);
  modal_result_ = ModalResult::None;
  modal_ = true;
  Show();
  bool quit = false;
  while (modal_result_ == ModalResult::None && IsWindowVisible(window_)) {
    MSG message;
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));  // left for the main loop
      quit = true;
      break;
    }
    system_.Dispatch(message);
  }
  modal_ = false;
  for (HWND window : disabled)
    if (IsWindow(window)) EnableWindow(window, TRUE);
  Hide();
  if (previous && previous != window_ && IsWindow(previous) && IsWindowVisible(previous))
    SetActiveWindow(previous);
  // A form that hid itself ended its showing as OK unless it said otherwise.
  ModalResult result = modal_result_ == ModalResult::None ? ModalResult::Ok : modal_result_;
  if (quit) result = ModalResult::Cancel;
  modal_result_ = ModalResult::None;
  return result;
}

void Win32Form::SetModalResult(ModalResult result) { modal_result_ = result; }

void Win32Form::Close() { SendMessageW(window_, WM_CLOSE, 0, 0); }

void Win32Form::OnClose() {
  // The main form only asks the loop to end; the program destroys its windows after Run.
  if (system_.IsMainForm(*this)) {
    system_.RequestQuit();
    return;
  }
  if (modal_) modal_result_ = ModalResult::Cancel;
  Hide();
}

}  // namespace platform::win32
