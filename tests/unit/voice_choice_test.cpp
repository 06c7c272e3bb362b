// The SAPI 5 voice choice: a Japanese voice wherever one is listed, the default voice otherwise.
#include "platform/win32/voice_choice.h"

#include <gtest/gtest.h>

namespace {

using platform::win32::ChooseVoice;
using platform::win32::ListsJapanese;
using platform::win32::VoiceChoice;
using platform::win32::VoiceToken;
using Source = VoiceChoice::Source;

// Voices as Windows lists them: ids are the tokens' registry paths.
VoiceToken Desktop(const std::u16string& name, const std::u16string& language) {
  return {u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices\\Tokens\\" + name, language};
}
VoiceToken OneCore(const std::u16string& name, const std::u16string& language) {
  return {u"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices\\Tokens\\" + name, language};
}

const VoiceToken kZira = Desktop(u"TTS_MS_EN-US_ZIRA_11.0", u"409");
const VoiceToken kHaruka = Desktop(u"TTS_MS_JA-JP_HARUKA_11.0", u"411");
const VoiceToken kOtherJapanese = Desktop(u"Other", u"411;409");
const VoiceToken kNoLanguage = Desktop(u"NoAttributes", u"");
const VoiceToken kAyumi = OneCore(u"MSTTS_V110_jaJP_AyumiM", u"411");
const VoiceToken kOneCoreDavid = OneCore(u"MSTTS_V110_enUS_DavidM", u"409");

const VoiceChoice kDefault{Source::DefaultVoice, 0};

TEST(VoiceLanguage, JapaneseIsFoundAnywhereInTheList) {
  EXPECT_TRUE(ListsJapanese(u"411"));
  EXPECT_TRUE(ListsJapanese(u"411;409"));
  EXPECT_TRUE(ListsJapanese(u"409;411"));
  EXPECT_TRUE(ListsJapanese(u"409;9;411"));
  EXPECT_TRUE(ListsJapanese(u";411;"));
  EXPECT_TRUE(ListsJapanese(u"junk;411"));
}

TEST(VoiceLanguage, ItemsAreHexadecimalNumbers) {
  EXPECT_TRUE(ListsJapanese(u"0411"));
  EXPECT_TRUE(ListsJapanese(u"00000411"));
  EXPECT_TRUE(ListsJapanese(u" 411 "));
  // 0x411 is 1041 in decimal: the decimal spelling is another language id.
  EXPECT_FALSE(ListsJapanese(u"1041"));
}

TEST(VoiceLanguage, OtherLanguagesAndLookAlikesAreNotJapanese) {
  EXPECT_FALSE(ListsJapanese(u""));
  EXPECT_FALSE(ListsJapanese(u"409"));
  EXPECT_FALSE(ListsJapanese(u"409;804"));
  EXPECT_FALSE(ListsJapanese(u"4110"));
  EXPECT_FALSE(ListsJapanese(u"41"));
  EXPECT_FALSE(ListsJapanese(u"411x"));
  EXPECT_FALSE(ListsJapanese(u"4 11"));
  EXPECT_FALSE(ListsJapanese(u"1000000411"));
  EXPECT_FALSE(ListsJapanese(u";"));
}

TEST(VoiceChoiceOrder, AJapaneseVoiceListedAfterOthersIsChosen) {
  EXPECT_EQ(ChooseVoice({kZira, kNoLanguage, kHaruka}, {}, kZira.id),
            (VoiceChoice{Source::Desktop, 2}));
  EXPECT_EQ(ChooseVoice({kZira, kOtherJapanese}, {}, u""), (VoiceChoice{Source::Desktop, 1}));
}

TEST(VoiceChoiceOrder, TheFirstJapaneseVoiceWinsWhenTheDefaultIsNotJapanese) {
  EXPECT_EQ(ChooseVoice({kZira, kOtherJapanese, kHaruka}, {}, kZira.id),
            (VoiceChoice{Source::Desktop, 1}));
  EXPECT_EQ(ChooseVoice({kOtherJapanese, kHaruka}, {}, u"NotListed"),
            (VoiceChoice{Source::Desktop, 0}));
}

TEST(VoiceChoiceOrder, AJapaneseDefaultVoiceIsKept) {
  EXPECT_EQ(ChooseVoice({kZira, kOtherJapanese, kHaruka}, {}, kHaruka.id), kDefault);
  // Registry paths name the same key in any letter case.
  std::u16string upper = kHaruka.id;
  for (char16_t& c : upper) {
    if (c >= u'a' && c <= u'z') c = c - u'a' + u'A';
  }
  EXPECT_EQ(ChooseVoice({kZira, kOtherJapanese, kHaruka}, {}, upper), kDefault);
}

TEST(VoiceChoiceOrder, OneCoreVoicesComeOnlyWhenTheDesktopHasNoJapaneseVoice) {
  EXPECT_EQ(ChooseVoice({kZira}, {kOneCoreDavid, kAyumi}, kZira.id),
            (VoiceChoice{Source::OneCore, 1}));
  EXPECT_EQ(ChooseVoice({}, {kAyumi}, u""), (VoiceChoice{Source::OneCore, 0}));
  EXPECT_EQ(ChooseVoice({kZira, kHaruka}, {kAyumi}, kZira.id), (VoiceChoice{Source::Desktop, 1}));
}

TEST(VoiceChoiceOrder, WithoutAnyJapaneseVoiceTheDefaultVoiceSpeaks) {
  EXPECT_EQ(ChooseVoice({kZira, kNoLanguage}, {kOneCoreDavid}, kZira.id), kDefault);
  EXPECT_EQ(ChooseVoice({}, {}, u""), kDefault);
}

}  // namespace
