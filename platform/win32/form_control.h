// A child window of a form (push button, memo, folder tree). The form keeps them in tab order
// and tells the navigation rules what each one is; each one tells its form when it receives the
// focus and when it goes.
#pragma once

#include <windows.h>

#include <string>

#include "app/form_navigation.h"
#include "platform/drawing.h"

namespace platform::win32 {

class Win32Form;

class FormControl {
 public:
  virtual ~FormControl();
  FormControl(const FormControl&) = delete;
  FormControl& operator=(const FormControl&) = delete;

  HWND Handle() const { return window_; }
  // The control's id in its form, stable while it lives.
  int Id() const { return id_; }
  // Visible and enabled, and for Tab also a tab stop.
  bool CanFocus(bool tab_stop_needed) const;

  virtual app::ControlKind Kind() const = 0;
  virtual bool IsDefault() const { return false; }
  virtual bool IsCancel() const { return false; }
  virtual void Click() {}
  // The focus moved to this control from another control of the form or from none.
  virtual void Entered() {}
  virtual LRESULT Notify(NMHDR& /*header*/) { return 0; }
  // Background for WM_CTLCOLOR*; nothing for the system's default.
  virtual HBRUSH Colour(HDC /*dc*/) { return nullptr; }
  // The form is about to be shown: a control whose window comes later makes it now.
  virtual void FormShowing() {}

  // The form is being destroyed and takes the window with it.
  void Detach();

 protected:
  // Takes a window made with the id the form gave (Win32Form::NextControlId).
  FormControl(Win32Form& form, HWND window, bool hand_cursor);
  // A control whose window comes later, made with Id() and handed to Attach. It has its place
  // in tab order from now on; until then it cannot take the focus.
  explicit FormControl(Win32Form& form);
  void Attach(HWND window);
  Win32Form* form() const { return form_; }
  // Destroys the window while the form still exists.
  void DestroyControlWindow();

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l);

  Win32Form* form_;
  HWND window_;
  int id_;
  WNDPROC original_;
  bool hand_cursor_;
};

// A child window of the form with a fresh control id. Raises platform::Exception naming the
// control (`what`, e.g. L"ボタン") when the system cannot make it.
HWND CreateControlWindow(Win32Form& form, DWORD extended_style, const wchar_t* window_class,
                         const std::wstring& text, DWORD style, const Bounds& bounds,
                         const wchar_t* what);
// The same with the control id given.
HWND CreateControlWindow(Win32Form& form, int id, DWORD extended_style, const wchar_t* window_class,
                         const std::wstring& text, DWORD style, const Bounds& bounds,
                         const wchar_t* what);

}  // namespace platform::win32
