// The Linux build's text conversions through iconv, for any bytes: Shift-JIS to UTF-16 for the
// speech control, a name's native bytes to its Shift-JIS form for captions and announcements,
// and UTF-16 to UTF-8 for speech-dispatcher.
//
// Input: taken whole as Shift-JIS text, as a native name, and as UTF-16 (little-endian pairs).
#include <string>

#include "platform/linux/iconv_codec.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using platform::linux_impl::IconvCodec;

bool IsAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

bool IsSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Well-formed UTF-8: no stray or missing continuation byte, no overlong form, no surrogate, no
// code beyond U+10FFFF.
bool IsUtf8(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    size_t length;
    uint32_t code;
    if (c < 0x80) {
      length = 1, code = c;
    } else if ((c & 0xE0) == 0xC0) {
      length = 2, code = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      length = 3, code = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      length = 4, code = c & 0x07;
    } else {
      return false;
    }
    if (i + length > text.size()) return false;
    for (size_t k = 1; k < length; ++k) {
      const unsigned char next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      code = (code << 6) | (next & 0x3F);
    }
    const uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += length;
  }
  return true;
}

void CheckSjisToUtf16(const IconvCodec& codec, const std::string& sjis) {
  const std::u16string text = codec.SjisToUtf16(sjis);
  FUZZ_CHECK(text.size() <= sjis.size(), "each character or stray byte gives one UTF-16 unit");
  for (char16_t c : text) FUZZ_CHECK(!IsSurrogate(c), "Shift-JIS text lies in the BMP");
  if (IsAscii(sjis))
    FUZZ_CHECK(text == std::u16string(sjis.begin(), sjis.end()), "ASCII stays ASCII");
  // What was read once reads the same after a trip back to Shift-JIS through the name
  // conversion: a title spoken and a title shown agree.
  const std::string again = IconvCodec::Utf8ToSjis(IconvCodec::Utf16ToUtf8(text));
  FUZZ_CHECK(codec.SjisToUtf16(again) == text, "Shift-JIS read as UTF-16 survives the trip back");
}

void CheckNameConversion(const IconvCodec& codec, const std::string& native) {
  const std::string sjis = IconvCodec::Utf8ToSjis(native);
  FUZZ_CHECK(sjis.size() <= native.size(), "a name's Shift-JIS form is never longer than the name");
  if (IsAscii(native)) FUZZ_CHECK(sjis == native, "an ASCII name is its own Shift-JIS form");
  // The Shift-JIS form is what Shift-JIS can hold of the name: converted once more it stays.
  const std::string utf8 = IconvCodec::Utf16ToUtf8(codec.SjisToUtf16(sjis));
  FUZZ_CHECK(IsUtf8(utf8), "a name's Shift-JIS form reads as well-formed UTF-8");
  FUZZ_CHECK(IconvCodec::Utf8ToSjis(utf8) == sjis, "a name's Shift-JIS form round-trips");
}

void CheckUtf16ToUtf8(const std::string& bytes) {
  std::u16string text(bytes.size() / 2, u'\0');
  bool well_formed = true;
  for (size_t i = 0; i < text.size(); ++i) {
    text[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                    static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      ++i;
    } else if (IsSurrogate(text[i])) {
      well_formed = false;
    }
  }
  const std::string utf8 = IconvCodec::Utf16ToUtf8(text);
  FUZZ_CHECK(IsUtf8(utf8), "speech-dispatcher always gets well-formed UTF-8");
  FUZZ_CHECK(utf8.size() <= 3 * text.size(), "each UTF-16 unit gives at most three bytes");
  if (!well_formed)
    FUZZ_CHECK(utf8.find("\xEF\xBF\xBD") != std::string::npos, "a lone surrogate shows as U+FFFD");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const IconvCodec codec;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckSjisToUtf16(codec, bytes);
  CheckNameConversion(codec, bytes);
  CheckUtf16ToUtf8(bytes);
  return 0;
}
