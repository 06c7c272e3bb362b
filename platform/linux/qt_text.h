// The one place where the Qt windows turn the program's Shift-JIS text into Qt's strings.
#pragma once

#include <QString>
#include <string>

namespace platform::linux_impl {

// Shift-JIS (code page 932) to a Qt string, through iconv; a byte that is no character shows as
// the converter's replacement, so nothing of the text is dropped.
QString FromSjis(const std::string& sjis);

}  // namespace platform::linux_impl
