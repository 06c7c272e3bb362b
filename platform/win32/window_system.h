// The window system over the Win32 API: forms, message boxes, the alert sound and the message
// loop that hands every key of a form to the program's navigation rules before dispatching it.
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
  void RequestQuit() override;
  void Run(Form& main_form) override;
  void SetShortCutHook(std::function<bool(const KeyEvent& key)> hook) override;
  void SetExceptionHandler(std::function<void(const std::exception&)> handler) override;

  // For the forms.
  HINSTANCE Instance() const { return instance_; }
  // Runs a callback into the program; what it raises goes to the exception handler.
  void Guard(const std::function<void()>& callback) noexcept;
  // Hands a key message to its form's navigation rules, then dispatches what they pass on.
  void Dispatch(MSG& message);
  // The shortcut hook's answer for a key-down; false without a hook or when it raised.
  bool RunShortCutHook(const KeyEvent& key);
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
  // Made and not yet taken by the main loop; kept while no loop runs.
  bool quit_requested_ = false;
  std::function<bool(const KeyEvent&)> shortcut_hook_;
  std::function<void(const std::exception&)> exception_handler_;
};

}  // namespace platform::win32
