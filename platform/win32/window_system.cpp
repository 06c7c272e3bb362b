// The message loop with its key handling order (menu shortcuts, the shortcut hook, dialog
// navigation, key preview), message boxes, the alert sound and the terminate request.
#include "platform/win32/window_system.h"

#include <algorithm>

#include "platform/exception.h"
#include "platform/win32/file_system.h"
#include "platform/win32/form.h"
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

void Win32WindowSystem::Terminate() { PostQuitMessage(0); }

void Win32WindowSystem::Run(Form& main_form) {
  main_form_ = dynamic_cast<Win32Form*>(&main_form);
  main_form.Show();
  MSG message;
  for (;;) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0 || got == -1) break;
    Dispatch(message);
  }
}

void Win32WindowSystem::SetShortCutHook(std::function<bool(KeyCode key)> hook) {
  shortcut_hook_ = std::move(hook);
}

void Win32WindowSystem::SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  exception_handler_ = std::move(handler);
}

PathName Win32WindowSystem::ProgramFileName() const { return win32::ProgramFileName(); }

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

bool Win32WindowSystem::PreTranslate(const MSG& message) {
  switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      Win32Form* form = FormOf(message.hwnd);
      if (!form) return false;
      MSG copy = message;
      if (form->TranslateShortCut(copy)) return true;
      bool discard = false;
      if (shortcut_hook_) {
        const KeyCode key = static_cast<KeyCode>(message.wParam);
        Guard([&] { discard = shortcut_hook_(key); });
      }
      if (discard) return true;
      return form->HandleDialogKey(message);
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      // Key preview: the form sees the key-up before the focused control does.
      if (Win32Form* form = FormOf(message.hwnd))
        form->PreviewKeyUp(static_cast<KeyCode>(message.wParam));
      return false;
    }
    default:
      return false;
  }
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
