#include "platform/linux/qt_text.h"

#include "platform/linux/iconv_codec.h"

namespace platform::linux_impl {

QString FromSjis(const std::string& sjis) {
  static const IconvCodec codec;
  const std::u16string utf16 = codec.SjisToUtf16(sjis);
  return QString::fromUtf16(utf16.data(), static_cast<qsizetype>(utf16.size()));
}

}  // namespace platform::linux_impl
