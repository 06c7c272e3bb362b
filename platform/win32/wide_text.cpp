// Conversions between the program's byte strings and Windows' UTF-16 strings.
#include "platform/win32/wide_text.h"

#include <windows.h>

namespace platform::win32 {
namespace {

std::wstring ToWide(UINT code_page, const std::string& text) {
  if (text.empty()) return std::wstring();
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), size, &wide[0], length);
  return wide;
}

std::string FromWide(UINT code_page, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  const int size = static_cast<int>(wide.size());
  const int length =
      WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), size, &text[0], length, nullptr, nullptr);
  return text;
}

constexpr UINT kShiftJis = 932;

}  // namespace

std::wstring SjisToWide(const std::string& sjis) { return ToWide(kShiftJis, sjis); }
std::string WideToSjis(const std::wstring& wide) { return FromWide(kShiftJis, wide); }
std::wstring Utf8ToWide(const std::string& utf8) { return ToWide(CP_UTF8, utf8); }
std::string WideToUtf8(const std::wstring& wide) { return FromWide(CP_UTF8, wide); }

PathName NameFromWide(const std::wstring& wide) {
  return PathName{WideToSjis(wide), WideToUtf8(wide)};
}

std::wstring WidePath(const PathName& path) {
  if (path.native.empty() && !path.sjis.empty()) return SjisToWide(path.sjis);
  return Utf8ToWide(path.native);
}

std::u16string Win32TextCodec::SjisToUtf16(const std::string& sjis) const {
  const std::wstring wide = SjisToWide(sjis);
  return std::u16string(wide.begin(), wide.end());
}

}  // namespace platform::win32
