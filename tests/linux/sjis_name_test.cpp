// File names as the system gives them (UTF-8, or any bytes) become the Shift-JIS that captions
// and announcements use. Expected bytes are Shift-JIS as Windows' code page 932 has them.
#include <gtest/gtest.h>

#include <string>

#include "platform/linux/iconv_codec.h"

namespace {

using platform::linux_impl::IconvCodec;

std::string Sjis(const std::string& utf8) { return IconvCodec::Utf8ToSjis(utf8); }

TEST(ShiftJisName, KanjiKanaAndAsciiBecomeTheirCodePage932Bytes) {
  EXPECT_EQ(Sjis("東京の夜空.mp3"), "\x93\x8c\x8b\x9e\x82\xcc\x96\xe9\x8b\xf3.mp3");
  EXPECT_EQ(Sjis("01 a\\b~C.mp3"), "01 a\\b~C.mp3");
  EXPECT_EQ(Sjis(""), "");
}

TEST(ShiftJisName, HalfwidthKanaTakesOneByteEach) {
  EXPECT_EQ(Sjis("ｻｸﾗ.mp3"), "\xbb\xb8\xd7.mp3");
}

TEST(ShiftJisName, WaveDashTypedOnLinuxShowsAsTheWindowsTilde) {
  // Linux input methods type U+301C where Windows has U+FF5E; both are 0x8160 in code page 932.
  EXPECT_EQ(Sjis("〜"), "\x81\x60");
  EXPECT_EQ(Sjis("～"), "\x81\x60");
}

TEST(ShiftJisName, EachCharacterShiftJisLacksBecomesOneQuestionMark) {
  EXPECT_EQ(Sjis("🎵うた.mp3"), "?\x82\xa4\x82\xbd.mp3");  // 4-byte emoji
  EXPECT_EQ(Sjis("𠮷野家"), "?\x96\xec\x89\xc6");         // kanji beyond the BMP
  EXPECT_EQ(Sjis("Café €5"), "Caf? ?5");                  // 2- and 3-byte characters
  EXPECT_EQ(Sjis("🎵🎵"), "??");
}

TEST(ShiftJisName, EachByteOfNoUtf8CharacterBecomesOneQuestionMark) {
  EXPECT_EQ(Sjis("\x82\xa0.mp3"), "??.mp3");  // a Shift-JIS name written by Windows
  EXPECT_EQ(Sjis(std::string("a\xff") + "b"), "a?b");
  EXPECT_EQ(Sjis("\xff東"), "?\x93\x8c");       // a valid character right after
  EXPECT_EQ(Sjis("曲\xe6\x9d"), "\x8b\xc8??");  // a character cut off at the end
  EXPECT_EQ(Sjis("\xc0\xaf"), "??");            // overlong "/"
  EXPECT_EQ(Sjis("\xed\xa0\x80"), "???");       // an encoded surrogate
  EXPECT_EQ(Sjis("\xf4\x90\x80\x80"), "????");  // beyond U+10FFFF
}

TEST(ShiftJisName, LongestNamesConvertWhole) {
  std::string kanji, expected;
  for (int i = 0; i < 85; ++i) {
    kanji += "曲";
    expected += "\x8b\xc8";
  }
  ASSERT_EQ(kanji.size(), 255u);
  EXPECT_EQ(Sjis(kanji), expected);
  const std::string ascii(251, 'a');
  EXPECT_EQ(Sjis(ascii + ".mp3"), ascii + ".mp3");
}

TEST(Utf16ToUtf8, SurrogatePairsJoinAndLoneOnesBecomeReplacementCharacters) {
  EXPECT_EQ(IconvCodec::Utf16ToUtf8(u"1 東京の夜空"), "1 東京の夜空");
  EXPECT_EQ(IconvCodec::Utf16ToUtf8(u"𠮷"), "𠮷");
  EXPECT_EQ(IconvCodec::Utf16ToUtf8(std::u16string{u'a', char16_t(0xD842), u'b'}), "a\uFFFDb");
  EXPECT_EQ(IconvCodec::Utf16ToUtf8(std::u16string{u'a', char16_t(0xDC00)}), "a\uFFFD");
}

TEST(SjisToUtf16, RoundTripsWhatNamesBecame) {
  const IconvCodec codec;
  EXPECT_EQ(codec.SjisToUtf16(Sjis("1 東京の夜空")), u"1 東京の夜空");
  EXPECT_EQ(codec.SjisToUtf16(Sjis("🎵")), u"?");
}

}  // namespace
