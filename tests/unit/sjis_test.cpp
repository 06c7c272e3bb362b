// Comparing Shift-JIS texts ignoring the case of single-byte letters, as folder names are
// compared: double-byte characters compare exactly, whatever their second byte looks like.
#include "player/sjis.h"

#include <gtest/gtest.h>

#include "tests/doubles/utf.h"

using doubles::Sjis;
using player::SameTextIgnoringCase;

TEST(SameTextIgnoringCase, SingleByteLettersInAnyCaseAreTheSame) {
  EXPECT_TRUE(SameTextIgnoringCase("/opt/Otopicco/", "/OPT/otopicco/"));
  EXPECT_TRUE(SameTextIgnoringCase(Sjis("曲Music"), Sjis("曲mUSIC")));
  EXPECT_TRUE(SameTextIgnoringCase("", ""));
  EXPECT_FALSE(SameTextIgnoringCase("music", "musik"));
  EXPECT_FALSE(SameTextIgnoringCase("music", "music/"));
  // Only A to Z fold: the bytes around them (@ [ ` {) are letters of no case.
  EXPECT_FALSE(SameTextIgnoringCase("@[", "`{"));
}

TEST(SameTextIgnoringCase, TheSecondByteOfADoubleByteCharacterComparesExactly) {
  // The second bytes of "ア" (83 41) and "フ" (83 74) look like "A" and "t"; folded, "ア" would
  // be the same as "ヂ" (83 61) and "フ" as "サ" (83 54).
  EXPECT_FALSE(SameTextIgnoringCase(Sjis("ア"), Sjis("ヂ")));
  EXPECT_FALSE(SameTextIgnoringCase(Sjis("フ"), Sjis("サ")));
  EXPECT_TRUE(SameTextIgnoringCase(Sjis("フォルダA"), Sjis("フォルダa")));
}

TEST(SameTextIgnoringCase, ATextEndingInALoneFirstByteIsItselfAndNoOtherText) {
  // A name cut after a byte count can end in the first byte of a double-byte character.
  const std::string cut = "abc\x82";
  EXPECT_TRUE(SameTextIgnoringCase(cut, cut));
  EXPECT_TRUE(SameTextIgnoringCase("ABC\x82", cut));
  EXPECT_TRUE(SameTextIgnoringCase("\x82", "\x82"));
  EXPECT_FALSE(SameTextIgnoringCase(cut, "abc\x83"));
  EXPECT_FALSE(SameTextIgnoringCase(cut, "abcd"));
  EXPECT_FALSE(SameTextIgnoringCase("abcd", cut));
}
