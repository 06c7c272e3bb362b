// The help text box: an EDIT control, read-only, with a vertical scroll bar and word wrap (no
// horizontal scrolling). Lines are joined and split at CR LF.
#include "platform/win32/memo.h"

#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {

HWND CreateMemoWindow(Win32Form& form, const MemoSpec& spec, HFONT font) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                      ES_READONLY | ES_AUTOVSCROLL | ES_LEFT;
  HWND window = CreateWindowExW(
      WS_EX_CLIENTEDGE, L"EDIT", L"", style, spec.bounds.left, spec.bounds.top, spec.bounds.width,
      spec.bounds.height, form.Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(form.NextControlId())),
      form.System().Instance(), nullptr);
  if (window) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(window, EM_SETLIMITTEXT, 0, 0);  // no limit for a long help text
  }
  return window;
}

}  // namespace

Win32Memo::Win32Memo(Win32Form& form, const MemoSpec& spec)
    : OwnedFont(CreateSpecFont(spec.font)),
      FormControl(form, CreateMemoWindow(form, spec, font.get()), false) {
  SetLines(spec.lines);
}

Win32Memo::~Win32Memo() { DestroyControlWindow(); }

void Win32Memo::SetLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  if (Handle()) SetWindowTextW(Handle(), SjisToWide(text).c_str());
}

std::vector<std::string> Win32Memo::Lines() const {
  std::vector<std::string> lines;
  if (!Handle()) return lines;
  const int length = GetWindowTextLengthW(Handle());
  std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
  GetWindowTextW(Handle(), &wide[0], length + 1);
  wide.resize(static_cast<size_t>(length));
  const std::string text = WideToSjis(wide);
  if (text.empty()) return lines;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
}

HBRUSH Win32Memo::Colour(HDC dc) {
  // A read-only EDIT is painted like a disabled one; the help text keeps the window colour.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace platform::win32
