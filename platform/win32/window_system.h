// The window system over the Win32 API: forms, message boxes, the alert sound and the message
// loop that applies the program's keyboard rules before a message is dispatched.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <vector>

#include "platform/window_system.h"

namespace platform::win32 {

class Win32Form;

class Win32WindowSystem : public WindowSystem {
 public:
  explicit Win32WindowSystem(HINSTANCE instance);
  ~Win32WindowSystem() override = default;

  std::unique_ptr<Form> CreateForm(const FormSpec& spec, FormEvents& events) override;
  void ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon) override;
  void Beep() override;
  void Terminate() override;
  void Run(Form& main_form) override;
  void SetShortCutHook(std::function<bool(KeyCode key)> hook) override;
  void SetExceptionHandler(std::function<void(const std::exception&)> handler) override;
  PathName ProgramFileName() const override;

  // For the forms.
  HINSTANCE Instance() const { return instance_; }
  // Runs a callback into the program; what it raises goes to the exception handler.
  void Guard(const std::function<void()>& callback) noexcept;
  // Applies the keyboard rules to one message taken from the queue, then dispatches it.
  void Dispatch(MSG& message);
  bool IsMainForm(const Win32Form& form) const;
  void AddForm(Win32Form& form);
  void RemoveForm(Win32Form& form);
  // Disables every other enabled form; gives back the windows it disabled.
  std::vector<HWND> DisableFormsExcept(const Win32Form& form);

 private:
  bool PreTranslate(const MSG& message);
  Win32Form* FormOf(HWND window) const;
  void Report(const std::exception& error) noexcept;

  HINSTANCE instance_;
  std::vector<Win32Form*> forms_;  // in creation order
  Win32Form* main_form_ = nullptr;
  std::function<bool(KeyCode)> shortcut_hook_;
  std::function<void(const std::exception&)> exception_handler_;
};

}  // namespace platform::win32
