// iconv's CP932 is the same code page that Windows converts with.
#include "platform/linux/iconv_codec.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>
#include <vector>

namespace platform::linux_impl {

namespace {

// How many input bytes one replacement stands for, given the bytes that could not be converted.
using SkipRule = size_t (*)(const unsigned char* bytes, size_t left);

size_t OneByte(const unsigned char*, size_t) { return 1; }
size_t OneUtf16Unit(const unsigned char*, size_t left) { return left < 2 ? left : 2; }

// The length of the valid UTF-8 character that starts at `s` (1 to 4), or 0 when the bytes there
// are not one (a stray continuation byte, an overlong form, a surrogate, a cut sequence...).
size_t Utf8CharLength(const unsigned char* s, size_t left) {
  const unsigned char c = s[0];
  size_t length;
  if (c < 0x80) return 1;
  if (c >= 0xC2 && c <= 0xDF) {
    length = 2;
  } else if (c >= 0xE0 && c <= 0xEF) {
    length = 3;
  } else if (c >= 0xF0 && c <= 0xF4) {
    length = 4;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((s[i] & 0xC0) != 0x80) return 0;
  }
  if (c == 0xE0 && s[1] < 0xA0) return 0;   // overlong
  if (c == 0xED && s[1] >= 0xA0) return 0;  // a surrogate's code
  if (c == 0xF0 && s[1] < 0x90) return 0;   // overlong
  if (c == 0xF4 && s[1] >= 0x90) return 0;  // beyond U+10FFFF
  return length;
}

// A whole character that the target lacks is one replacement; a byte that belongs to no valid
// character is one replacement of its own.
size_t OneUtf8Character(const unsigned char* bytes, size_t left) {
  const size_t length = Utf8CharLength(bytes, left);
  return length == 0 ? 1 : length;
}

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts all of `in`; what cannot be converted is replaced by `replacement` (already in the
  // target encoding) and conversion goes on after the bytes `skip` says it stands for.
  std::string Run(const std::string& in, const std::string& replacement, SkipRule skip) {
    std::string out;
    std::vector<char> buffer(4 * in.size() + 16);
    char* src = const_cast<char*>(in.data());
    size_t src_left = in.size();
    while (src_left > 0) {
      char* dst = buffer.data();
      size_t dst_left = buffer.size();
      const size_t result = iconv(cd_, &src, &src_left, &dst, &dst_left);
      out.append(buffer.data(), static_cast<size_t>(dst - buffer.data()));
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        out += replacement;
        const size_t skipped = skip(reinterpret_cast<const unsigned char*>(src), src_left);
        src += skipped;
        src_left -= skipped;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
      }
    }
    return out;
  }

 private:
  iconv_t cd_;
};

}  // namespace

std::u16string IconvCodec::SjisToUtf16(const std::string& sjis) const {
  // U+30FB is what Windows gives for a byte that is no Shift-JIS character.
  const std::string bytes =
      Converter("UTF-16LE", "CP932").Run(sjis, std::string("\xFB\x30", 2), &OneByte);
  std::u16string text(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return text;
}

std::string IconvCodec::Utf8ToSjis(const std::string& utf8) {
  return Converter("CP932", "UTF-8").Run(utf8, "?", &OneUtf8Character);
}

std::string IconvCodec::Utf16ToUtf8(const std::u16string& text) {
  std::string bytes(2 * text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    bytes[2 * i] = static_cast<char>(text[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return Converter("UTF-8", "UTF-16LE").Run(bytes, "\xEF\xBF\xBD", &OneUtf16Unit);
}

}  // namespace platform::linux_impl
