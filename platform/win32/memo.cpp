// The help text box: an EDIT control, read-only, with a vertical scroll bar and word wrap (no
// horizontal scrolling). Lines are joined at CR LF.
#include "platform/win32/memo.h"

#include "platform/win32/form.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {

HWND CreateMemoWindow(Win32Form& form, const MemoSpec& spec, HFONT font) {
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                      ES_READONLY | ES_AUTOVSCROLL | ES_LEFT;
  HWND window = CreateControlWindow(form, WS_EX_CLIENTEDGE, L"EDIT", L"", style, spec.bounds,
                                    L"テキストボックス");
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  SendMessageW(window, EM_SETLIMITTEXT, 0, 0);  // no limit for a long help text
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
  // Every byte is converted, a NUL byte included; the window's text ends at its first NUL, so
  // a NUL shows as a blank, as Notepad shows it, and the rest of the line still shows.
  std::wstring wide = SjisToWide(text);
  for (wchar_t& c : wide)
    if (c == L'\0') c = L' ';
  if (Handle()) SetWindowTextW(Handle(), wide.c_str());
}

HBRUSH Win32Memo::Colour(HDC dc) {
  // A read-only EDIT is painted like a disabled one; the help text keeps the window colour.
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

}  // namespace platform::win32
