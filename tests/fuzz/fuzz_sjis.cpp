// The Shift-JIS byte rules of the program's own string handling, for any bytes: the first bytes
// of double-byte characters agree with code page 932, and comparing folder names ignoring the
// case of single-byte letters is an equivalence.
//
// Input: the length of the first text (first byte), the first text, then the second text.
#include <array>
#include <string>

#include "platform/linux/iconv_codec.h"
#include "player/sjis.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

using player::SameTextIgnoringCase;

// How iconv's code page 932 reads each byte: as a character of its own, or as the first byte
// of some double-byte character. Neither for the bytes it has no use for (and for the first
// bytes of the rows it leaves empty, which Windows still takes as first bytes).
struct ByteKinds {
  std::array<bool, 256> single{}, first{};
};

const ByteKinds& CodePage932() {
  static const ByteKinds kinds = [] {
    ByteKinds k;
    const platform::linux_impl::IconvCodec codec;
    for (int c = 0; c < 256; ++c) {
      const std::u16string alone = codec.SjisToUtf16(std::string(1, static_cast<char>(c)));
      k.single[c] = alone.size() == 1 && alone[0] != u'\u30FB';  // U+30FB: no character
      for (int second = 0x40; second <= 0xFC && !k.first[c]; ++second)
        k.first[c] =
            codec.SjisToUtf16({static_cast<char>(c), static_cast<char>(second)}).size() == 1;
    }
    return k;
  }();
  return kinds;
}

// The text with the case of every single-byte letter swapped; double-byte characters kept.
std::string SwapCase(const std::string& text) {
  std::string swapped = text;
  for (size_t i = 0; i < swapped.size(); ++i) {
    char& c = swapped[i];
    if (player::IsSjisLeadByte(static_cast<unsigned char>(c))) {
      ++i;
    } else if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    } else if (c >= 'a' && c <= 'z') {
      c = static_cast<char>(c - 'a' + 'A');
    }
  }
  return swapped;
}

bool SameIgnoringAsciiCase(char a, char b) {
  const auto lower = [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return lower(a) == lower(b);
}

void CheckComparing(const std::string& a, const std::string& b) {
  FUZZ_CHECK(SameTextIgnoringCase(a, a), "every text is the same as itself");
  FUZZ_CHECK(SameTextIgnoringCase(a, b) == SameTextIgnoringCase(b, a), "comparing is symmetric");
  FUZZ_CHECK(SameTextIgnoringCase(a, SwapCase(a)), "a text is the same in any letter case");
  FUZZ_CHECK(SameTextIgnoringCase(a, b) == SameTextIgnoringCase(a, SwapCase(b)),
             "comparing is transitive over a change of letter case");
  if (SameTextIgnoringCase(a, b)) {
    FUZZ_CHECK(a.size() == b.size(), "the same texts have the same length");
    for (size_t i = 0; i < a.size(); ++i)
      FUZZ_CHECK(SameIgnoringAsciiCase(a[i], b[i]), "the same texts differ in letter case only");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ByteKinds& kinds = CodePage932();
  for (size_t i = 0; i < size; ++i) {
    const uint8_t c = data[i];
    FUZZ_CHECK(!kinds.first[c] || player::IsSjisLeadByte(c),
               "every first byte of a double-byte character of code page 932 is one");
    FUZZ_CHECK(!kinds.single[c] || !player::IsSjisLeadByte(c),
               "no single-byte character of code page 932 is taken as a first byte");
  }

  fuzz::ByteReader input(data, size);
  const std::string a = input.Text();
  const std::string b = input.Rest();
  CheckComparing(a, b);
  CheckComparing(b, a);
  return 0;
}
