// Subclassing of a form's child windows, so the form learns of every focus change and the
// hand cursor shows over the buttons that want it.
#include "platform/win32/form_control.h"

#include "platform/exception.h"
#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {
constexpr wchar_t kControlProperty[] = L"OtopiccoFormControl";
}

FormControl::FormControl(Win32Form& form, HWND window, bool hand_cursor)
    : form_(&form),
      window_(nullptr),
      id_(window ? GetDlgCtrlID(window) : 0),
      original_(nullptr),
      hand_cursor_(hand_cursor) {
  if (!window) return;
  form_->AddControl(*this);
  Attach(window);
}

FormControl::FormControl(Win32Form& form)
    : form_(&form), window_(nullptr), id_(form.NextControlId()), original_(nullptr),
      hand_cursor_(false) {
  form_->AddControl(*this);
}

void FormControl::Attach(HWND window) {
  window_ = window;
  SetPropW(window_, kControlProperty, this);
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

FormControl::~FormControl() { DestroyControlWindow(); }

void FormControl::DestroyControlWindow() {
  if (form_) {
    form_->RemoveControl(*this);
    form_ = nullptr;
  }
  if (window_) {
    HWND window = window_;
    DestroyWindow(window);  // WM_NCDESTROY clears window_
    window_ = nullptr;
  }
}

void FormControl::Detach() { form_ = nullptr; }

bool FormControl::CanFocus(bool tab_stop_needed) const {
  if (!window_) return false;
  const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
  // The control's own flag, not IsWindowVisible: a form that is just being shown activates
  // before all of its children count as visible.
  if ((style & WS_VISIBLE) == 0 || (style & WS_DISABLED) != 0) return false;
  return !tab_stop_needed || (style & WS_TABSTOP) != 0;
}

LRESULT CALLBACK FormControl::SubclassProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  auto* self = static_cast<FormControl*>(GetPropW(window, kControlProperty));
  if (!self) return DefWindowProcW(window, message, w, l);
  const WNDPROC original = self->original_;
  switch (message) {
    case WM_SETFOCUS: {
      const LRESULT result = CallWindowProcW(original, window, message, w, l);
      if (self->form_) self->form_->ControlFocused(*self);
      return result;
    }
    case WM_SETCURSOR:
      if (self->hand_cursor_ && LOWORD(l) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
      RemovePropW(window, kControlProperty);
      self->window_ = nullptr;
      break;
    default:
      break;
  }
  return CallWindowProcW(original, window, message, w, l);
}

HWND CreateControlWindow(Win32Form& form, DWORD extended_style, const wchar_t* window_class,
                         const std::wstring& text, DWORD style, const Bounds& bounds,
                         const wchar_t* what) {
  return CreateControlWindow(form, form.NextControlId(), extended_style, window_class, text, style,
                             bounds, what);
}

HWND CreateControlWindow(Win32Form& form, int id, DWORD extended_style, const wchar_t* window_class,
                         const std::wstring& text, DWORD style, const Bounds& bounds,
                         const wchar_t* what) {
  HWND window = CreateWindowExW(
      extended_style, window_class, text.c_str(), style, bounds.left, bounds.top, bounds.width,
      bounds.height, form.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
      form.System().Instance(), nullptr);
  if (!window) {
    const DWORD error = GetLastError();
    throw Exception(WideToSjis(std::wstring(what) + L"を作成できません (エラー " +
                               std::to_wstring(error) + L")"));
  }
  return window;
}

}  // namespace platform::win32
