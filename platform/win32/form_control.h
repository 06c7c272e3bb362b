// A child window of a form (push button, memo, folder tree). The form keeps them in tab order
// and asks them how they take part in keyboard navigation; each one tells its form when it
// receives the focus.
#pragma once

#include <windows.h>

namespace platform::win32 {

class Win32Form;

class FormControl {
 public:
  virtual ~FormControl();
  FormControl(const FormControl&) = delete;
  FormControl& operator=(const FormControl&) = delete;

  HWND Handle() const { return window_; }
  // Visible and enabled, and for Tab also a tab stop.
  bool CanFocus(bool tab_stop_needed) const;

  // Controls that use Up and Down themselves (a text box scrolls, a tree selects).
  virtual bool UsesUpDown() const { return false; }
  virtual bool IsPushButton() const { return false; }
  virtual bool IsDefault() const { return false; }
  virtual bool IsCancel() const { return false; }
  virtual void Click() {}
  // The focus moved to this control from another control of the form or from none.
  virtual void Entered() {}
  virtual LRESULT Notify(NMHDR& /*header*/) { return 0; }
  // Background for WM_CTLCOLOR*; nothing for the system's default.
  virtual HBRUSH Colour(HDC /*dc*/) { return nullptr; }

  // The form is being destroyed and takes the window with it.
  void Detach();

 protected:
  FormControl(Win32Form& form, HWND window, bool hand_cursor);
  Win32Form* form() const { return form_; }
  // Destroys the window while the form still exists.
  void DestroyControlWindow();

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l);

  Win32Form* form_;
  HWND window_;
  WNDPROC original_;
  bool hand_cursor_;
};

}  // namespace platform::win32
