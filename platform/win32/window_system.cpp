// The message loop, which gives each form's key messages to its navigation rules, message boxes,
// the alert sound and the quit request.
#include "platform/win32/window_system.h"

#include <algorithm>

#include "platform/exception.h"
#include "platform/win32/form.h"
#include "platform/win32/key_translation.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

Win32WindowSystem::Win32WindowSystem(HINSTANCE instance) : instance_(instance) {}

std::unique_ptr<Form> Win32WindowSystem::CreateForm(const FormSpec& spec, FormEvents& events) {
  return std::make_unique<Win32Form>(*this, spec, events);
}

void Win32WindowSystem::ShowMessageBox(const std::string& title, const std::string& text,
                                       BoxIcon icon) {
  // No owner, so the box is centred on the screen; task-modal, so no window of the program
  // takes input meanwhile.
  UINT style = MB_OK | MB_TASKMODAL;
  switch (icon) {
    case BoxIcon::None:
      break;
    case BoxIcon::Error:
      style |= MB_ICONERROR;
      break;
  }
  const HWND previous = GetActiveWindow();
  MessageBoxW(nullptr, SjisToWide(text).c_str(), SjisToWide(title).c_str(), style);
  // The window that was active gets its keys back even where the system activated none.
  if (!GetActiveWindow() && previous && IsWindow(previous) && IsWindowVisible(previous) &&
      IsWindowEnabled(previous))
    SetActiveWindow(previous);
}

void Win32WindowSystem::Beep() { MessageBeep(MB_OK); }

void Win32WindowSystem::RequestQuit() {
  quit_requested_ = true;
  // The quit message also ends a message box or a modal showing that meets it, which leaves it
  // in the queue for the main loop.
  PostQuitMessage(0);
}

void Win32WindowSystem::Run(Form& main_form) {
  main_form_ = dynamic_cast<Win32Form*>(&main_form);
  main_form.Show();
  // A request made before the loop ran is honoured now, whatever took its message meanwhile.
  if (quit_requested_) PostQuitMessage(0);
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
  quit_requested_ = false;
}

void Win32WindowSystem::SetShortCutHook(std::function<bool(const KeyEvent& key)> hook) {
  shortcut_hook_ = std::move(hook);
}

void Win32WindowSystem::SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  exception_handler_ = std::move(handler);
}

void Win32WindowSystem::Guard(const std::function<void()>& callback) noexcept {
  try {
    callback();
  } catch (const std::exception& error) {
    Report(error);
  } catch (...) {
    Report(Exception(WideToSjis(L"不明な例外が発生しました")));
  }
}

void Win32WindowSystem::Report(const std::exception& error) noexcept {
  try {
    if (exception_handler_) {
      exception_handler_(error);
    } else {
      MessageBoxW(nullptr, SjisToWide(error.what()).c_str(), L"Otopicco",
                  MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
  } catch (...) {
    // A failing handler must not take the message loop down with it.
  }
}

void Win32WindowSystem::Dispatch(MSG& message) {
  if (PreTranslate(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

bool Win32WindowSystem::RunShortCutHook(const KeyEvent& key) {
  bool discard = false;
  if (shortcut_hook_) Guard([&] { discard = shortcut_hook_(key); });
  return discard;
}

bool Win32WindowSystem::PreTranslate(const MSG& message) {
  const bool down = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
  const bool up = message.message == WM_KEYUP || message.message == WM_SYSKEYUP;
  if (!down && !up) return false;
  Win32Form* form = FormOf(message.hwnd);
  if (!form) return false;
  const KeyEvent key = TranslateKey(message);
  bool used = false;
  Guard([&] { used = down ? form->Navigation().KeyDown(key) : form->Navigation().KeyUp(key); });
  return used;
}

bool Win32WindowSystem::IsMainForm(const Win32Form& form) const {
  if (main_form_) return main_form_ == &form;
  return !forms_.empty() && forms_.front() == &form;  // before Run: the first form made
}

void Win32WindowSystem::AddForm(Win32Form& form) { forms_.push_back(&form); }

void Win32WindowSystem::RemoveForm(Win32Form& form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
  if (main_form_ == &form) main_form_ = nullptr;
}

std::vector<HWND> Win32WindowSystem::DisableFormsExcept(const Win32Form& form) {
  std::vector<HWND> disabled;
  for (Win32Form* other : forms_) {
    if (other == &form || !IsWindowEnabled(other->Handle())) continue;
    EnableWindow(other->Handle(), FALSE);
    disabled.push_back(other->Handle());
  }
  return disabled;
}

Win32Form* Win32WindowSystem::FormOf(HWND window) const {
  if (!window) return nullptr;
  const HWND root = GetAncestor(window, GA_ROOT);
  for (Win32Form* form : forms_)
    if (form->Handle() == root) return form;
  return nullptr;
}

}  // namespace platform::win32
