// The one place where the program's text meets Windows' UTF-16: Shift-JIS (code page 932) for
// what the program shows and speaks, UTF-8 for the native form of file names.
#pragma once

#include <string>

#include "platform/text.h"

namespace platform::win32 {

std::wstring SjisToWide(const std::string& sjis);
// Characters that Shift-JIS cannot hold become the converter's replacement character.
std::string WideToSjis(const std::wstring& wide);
std::wstring Utf8ToWide(const std::string& utf8);
std::string WideToUtf8(const std::wstring& wide);

// A name the system gave, in both of the program's forms.
PathName NameFromWide(const std::wstring& wide);
// The name to hand to the system: the native form, or the Shift-JIS form when a caller only
// composed that one.
std::wstring WidePath(const PathName& path);

class Win32TextCodec : public TextCodec {
 public:
  std::u16string SjisToUtf16(const std::string& sjis) const override;
};

}  // namespace platform::win32
