// Creation and destruction of a form's window, its window procedure and its controls.
#include "platform/win32/form.h"

#include <algorithm>

#include "platform/exception.h"
#include "platform/win32/folder_tree.h"
#include "platform/win32/form_control.h"
#include "platform/win32/form_menu.h"
#include "platform/win32/graphics.h"
#include "platform/win32/memo.h"
#include "platform/win32/push_button.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"OtopiccoForm";

void RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, kFormClass, &existing)) return;
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = kFormClass;
  // No class brush: each form fills its own colour in WM_ERASEBKGND.
  RegisterClassExW(&window_class);
}

struct FrameStyle {
  DWORD style;
  DWORD extended;
};

FrameStyle StyleOf(Border border) {
  // Children are clipped, so drawing on the form (the focus frames) never covers a button.
  constexpr DWORD kClip = WS_CLIPCHILDREN;
  switch (border) {
    case Border::FixedSingle:
      return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | kClip, 0};
    case Border::Dialog:
      return {WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | kClip, WS_EX_DLGMODALFRAME};
    case Border::Sizeable:
      return {WS_OVERLAPPEDWINDOW | kClip, 0};
  }
  return {WS_OVERLAPPEDWINDOW | kClip, 0};
}

}  // namespace

Win32Form::Win32Form(Win32WindowSystem& system, const FormSpec& spec, FormEvents& events)
    : system_(system),
      events_(events),
      background_colour_(spec.background),
      background_(CreateSolidBrush(ToColorRef(spec.background))),
      font_(CreateSpecFont(spec.font)),
      centred_first_time_(spec.centred_first_time),
      navigation_(*this, spec.menu) {
  if (!background_.get() || !font_.get())
    throw Exception(WideToSjis(L"ウィンドウの色と文字を用意できません"));
  RegisterFormClass(system.Instance(), &WindowProc);
  HMENU menu = BuildMenuBar(spec.menu);
  const FrameStyle frame = StyleOf(spec.border);
  RECT outer{0, 0, spec.client_width, spec.client_height};
  AdjustWindowRectEx(&outer, frame.style, menu != nullptr, frame.extended);
  window_ = CreateWindowExW(frame.extended, kFormClass, SjisToWide(spec.caption).c_str(),
                            frame.style, spec.left, spec.top, outer.right - outer.left,
                            outer.bottom - outer.top, nullptr, menu, system.Instance(), this);
  if (!window_) {
    if (menu) DestroyMenu(menu);
    throw Exception(WideToSjis(L"ウィンドウを作成できません"));
  }
  system_.AddForm(*this);
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  if (spec.program_icon) SetProgramIcon();
  FitClientArea(spec.client_width, spec.client_height);
}

Win32Form::~Win32Form() {
  for (FormControl* control : controls_) control->Detach();
  for (GraphicItem* graphic : graphics_) graphic->Detach();
  controls_.clear();
  graphics_.clear();
  system_.RemoveForm(*this);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
  if (big_icon_) DestroyIcon(big_icon_);
  if (small_icon_) DestroyIcon(small_icon_);
}

std::unique_ptr<PushButton> Win32Form::AddPushButton(const PushButtonSpec& spec) {
  return std::make_unique<Win32PushButton>(*this, spec);
}

std::unique_ptr<Graphic> Win32Form::AddPicture(const PictureSpec& spec) {
  return std::make_unique<Win32Picture>(*this, spec);
}

std::unique_ptr<Graphic> Win32Form::AddBevel(const BevelSpec& spec) {
  return std::make_unique<Win32Bevel>(*this, spec);
}

std::unique_ptr<Memo> Win32Form::AddMemo(const MemoSpec& spec) {
  return std::make_unique<Win32Memo>(*this, spec);
}

std::unique_ptr<FolderTree> Win32Form::AddFolderTree(const FolderTreeSpec& spec) {
  return std::make_unique<Win32FolderTree>(*this, spec);
}

void Win32Form::SetProgramIcon() {
  // Resource 1 of otopicco.rc. Without it the window keeps the system's default icon.
  constexpr int resource = 1;
  const HINSTANCE instance = system_.Instance();
  big_icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                            GetSystemMetrics(SM_CXICON),
                                            GetSystemMetrics(SM_CYICON), 0));
  small_icon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON,
                                              GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0));
  if (big_icon_) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icon_));
  if (small_icon_)
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icon_));
}

void Win32Form::FitClientArea(int width, int height) {
  // AdjustWindowRectEx does not know every frame (a wrapped menu bar, a themed caption):
  // measure what came out and correct it.
  RECT client;
  RECT outer;
  GetClientRect(window_, &client);
  GetWindowRect(window_, &outer);
  const int dx = width - (client.right - client.left);
  const int dy = height - (client.bottom - client.top);
  if (dx == 0 && dy == 0) return;
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Form::SetClientSize(int width, int height) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_STYLE));
  const DWORD extended = static_cast<DWORD>(GetWindowLongPtrW(window_, GWL_EXSTYLE));
  RECT outer{0, 0, width, height};
  AdjustWindowRectEx(&outer, style, GetMenu(window_) != nullptr, extended);
  SetWindowPos(window_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea(width, height);
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(l);
    auto* form = static_cast<Win32Form*>(create->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, w, l);
  return form->HandleMessage(message, w, l);
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, background_.get());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ACTIVATE:
      // Not DefWindowProc, which would give the focus to the form itself.
      if (LOWORD(w) != WA_INACTIVE && HIWORD(w) == 0) OnActivated();
      return 0;
    case WM_SETFOCUS:
      // The form itself holds no keys: the focus goes on to its focused control.
      if (const auto id = navigation_.Focused()) {
        FormControl* control = ControlById(*id);
        if (control && control->CanFocus(false)) ::SetFocus(control->Handle());
      }
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_COMMAND:
      OnCommand(w, l);
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(l);
      if (FormControl* control = ControlOf(header->hwndFrom)) return control->Notify(*header);
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (FormControl* control = ControlOf(reinterpret_cast<HWND>(l))) {
        if (HBRUSH brush = control->Colour(reinterpret_cast<HDC>(w)))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}

void Win32Form::OnCommand(WPARAM w, LPARAM l) {
  if (l == 0) {  // a menu item or its shortcut
    const int command = LOWORD(w);
    system_.Guard([&] { events_.OnMenu(command); });
    return;
  }
  if (HIWORD(w) == BN_CLICKED) {
    if (FormControl* control = ControlOf(reinterpret_cast<HWND>(l))) control->Click();
  }
}

void Win32Form::AddControl(FormControl& control) { controls_.push_back(&control); }

void Win32Form::RemoveControl(FormControl& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  navigation_.ControlRemoved(control.Id());
}

FormControl* Win32Form::ControlOf(HWND window) const {
  while (window && GetParent(window) != window_) window = GetParent(window);
  if (!window) return nullptr;
  for (FormControl* control : controls_)
    if (control->Handle() == window) return control;
  return nullptr;
}

FormControl* Win32Form::ControlById(int id) const {
  for (FormControl* control : controls_)
    if (control->Id() == id) return control;
  return nullptr;
}

}  // namespace platform::win32
