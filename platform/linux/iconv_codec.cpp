// iconv's CP932 is the same code page that Windows converts with.
#include "platform/linux/iconv_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace platform::linux_impl {

namespace {
// Converts all of `in`; a byte sequence the target cannot hold is replaced by `replacement`
// (already in the target encoding) and conversion goes on after one input byte.
std::string Convert(const char* to, const char* from, const std::string& in,
                    const std::string& replacement) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  std::string out;
  std::vector<char> buffer(4 * in.size() + 16);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  while (src_left > 0) {
    char* dst = buffer.data();
    size_t dst_left = buffer.size();
    const size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer.data(), dst - buffer.data());
    if (result == static_cast<size_t>(-1) && errno != E2BIG) {
      out += replacement;
      ++src;
      --src_left;
    }
  }
  iconv_close(cd);
  return out;
}
}  // namespace

std::u16string IconvCodec::SjisToUtf16(const std::string& sjis) const {
  const std::string bytes = Convert("UTF-16LE", "CP932", sjis, std::string("\xFB\x30", 2));
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

std::string IconvCodec::Utf8ToSjis(const std::string& utf8) {
  return Convert("CP932", "UTF-8", utf8, "?");
}

}  // namespace platform::linux_impl
