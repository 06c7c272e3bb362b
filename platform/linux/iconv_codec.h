// Text conversions of the Linux build, all through iconv: Shift-JIS to UTF-16 for the speech
// control, the system's UTF-8 names to Shift-JIS for captions and announcements, and UTF-16 to
// UTF-8 for speech-dispatcher.
#pragma once

#include <string>

#include "platform/text.h"

namespace platform::linux_impl {

class IconvCodec : public TextCodec {
 public:
  std::u16string SjisToUtf16(const std::string& sjis) const override;

  // A name as the file system gave it (UTF-8 by convention, but any bytes) in Shift-JIS, the way
  // Windows converts a name it cannot fully hold: each character that Shift-JIS lacks becomes one
  // "?", and so does each byte that is not part of a valid UTF-8 character. Also used by tests
  // that write Japanese text.
  static std::string Utf8ToSjis(const std::string& utf8);

  // UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
  static std::string Utf16ToUtf8(const std::u16string& text);
};

}  // namespace platform::linux_impl
