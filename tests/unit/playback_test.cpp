// Playing and stopping songs: which device calls each click makes, and the not-found report.
#include "tests/unit/player_fixture.h"

#include "player/playback.h"

namespace keys = platform::keys;
using doubles::Sjis;
using Events = std::vector<std::string>;

class PlaybackTest : public PlayerTest {
 protected:
  void SetUp() override {
    GivenSongs({"one.mp3", "two.mp3"});
    Start();
    log.Clear();
  }
  void Click(int index) { form->ButtonClick(*form->SongButtons.at(index)); }
  std::string NotFoundBox(const std::string& file) {
    return "error box " + Sjis("エラー") + " | " + player::NotFoundMessage(Sjis(file));
  }
};

TEST_F(PlaybackTest, FirstClickOpensAndPlays) {
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music\\one.mp3", "play music\\one.mp3"}));
  EXPECT_EQ(form->LastPlayed, 0);
}

TEST_F(PlaybackTest, ClickOnThePlayingSongOnlyPlaysOn) {
  Click(0);
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"play music\\one.mp3"}));
}

TEST_F(PlaybackTest, AnotherSongClosesTheOldFileFirst) {
  Click(0);
  log.Clear();
  Click(1);
  EXPECT_EQ(log.events, (Events{"close music\\one.mp3", "open music\\two.mp3", "play music\\two.mp3"}));
}

TEST_F(PlaybackTest, StoppedOrEndedSongIsPlayedOnWithoutReopening) {
  Click(0);
  form->FormKeyUp(keys::NumpadMinus);
  EXPECT_EQ(log.events.back(), "stop");
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"play music\\one.mp3"}));
  media.End();
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"play music\\one.mp3"}));
}

TEST_F(PlaybackTest, StopStepStopsOnlyAPlayingSong) {
  form->N1Click();  // nothing open
  Click(0);
  media.End();
  form->N1Click();  // ended
  form->FormKeyUp(keys::NumpadMinus);
  EXPECT_TRUE(log.Starting("stop").empty());
  Click(1);
  form->N1Click();
  EXPECT_EQ(log.Count("stop"), 1u);
  EXPECT_EQ(form->LastPlayed, 1);
}

TEST_F(PlaybackTest, AMissingFileIsSpokenThenShownAndReportedAgainOnTheNextClick) {
  media.unplayable.insert("music\\two.mp3");
  Click(1);
  const Events report{"open music\\two.mp3",
                      "speak musicフォルダ内に\r\n\r\ntwo.mp3 がありません。", NotFoundBox("two.mp3")};
  EXPECT_EQ(log.events, report);
  EXPECT_EQ(form->LastPlayed, 1);
  log.Clear();
  Click(1);  // Play fails: nothing is open
  EXPECT_EQ(log.events, (Events{report[1], report[2]}));
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music\\one.mp3", "play music\\one.mp3"}));
}

TEST_F(PlaybackTest, WithoutSpeechAMissingFileOnlyShowsTheBox) {
  form->SpeechUnavailable = 1;
  media.unplayable.insert("music\\one.mp3");
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music\\one.mp3", NotFoundBox("one.mp3")}));
}

TEST_F(PlaybackTest, AFailingSpeakEscapesAndTheBoxIsNotShown) {
  speech.fail.speak = true;
  media.unplayable.insert("music\\one.mp3");
  EXPECT_THROW(Click(0), platform::SpeechError);
  EXPECT_TRUE(log.Starting("error box").empty());
}

TEST(NotFoundMessage, IsItsThreePiecesByteForByte) {
  const std::string name = Sjis("さくら.mp3");
  const std::string message = player::NotFoundMessage(name);
  EXPECT_EQ(message, Sjis("musicフォルダ内に") + "\r\n\r\n" + name + Sjis(" がありません。"));
  EXPECT_EQ(message.size(), 21 + name.size() + 15);
}

TEST(SongPath, InsertsExactlyOneBackslash) {
  const auto file = platform::PathName::Ascii("a.mp3");
  EXPECT_EQ(player::SongPath(platform::PathName::Ascii("D:\\songs"), file).native, "D:\\songs\\a.mp3");
  EXPECT_EQ(player::SongPath(platform::PathName::Ascii("D:\\"), file).native, "D:\\\\a.mp3");
}

TEST_F(PlaybackTest, ANativeNameThatShiftJisCannotHoldIsOpenedByItsNativeForm) {
  files.folders["music"].clear();
  files.folders["music"].push_back({platform::PathName{"?.mp3", "\xF0\x9F\x8E\xB5.mp3"}, 32});
  ASSERT_TRUE(form->RebuildSongList(platform::PathName::Ascii("music\\*.mp3")));
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events.front(), "open music\\\xF0\x9F\x8E\xB5.mp3");
}
