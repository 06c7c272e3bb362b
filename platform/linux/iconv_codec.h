// Shift-JIS to UTF-16 through iconv, as the Linux build converts text.
#pragma once

#include "platform/text.h"

namespace platform::linux_impl {

class IconvCodec : public TextCodec {
 public:
  std::u16string SjisToUtf16(const std::string& sjis) const override;
  // The other way, for names a Linux file system gives and for tests that write Japanese text.
  static std::string Utf8ToSjis(const std::string& utf8);
};

}  // namespace platform::linux_impl
