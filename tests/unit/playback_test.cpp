// Playing and stopping songs: which device calls each click makes, and the not-found report.
#include "tests/unit/player_fixture.h"

#include "player/playback.h"

using doubles::Sjis;
using platform::Key;
using Events = std::vector<std::string>;

class PlaybackTest : public PlayerTest {
 protected:
  void SetUp() override {
    GivenSongs({"one.mp3", "two.mp3"});
    StartAndShow();
    log.Clear();
  }
  std::string NotFoundBox(const std::string& file) {
    return "error box " + Sjis("エラー") + " | " + player::NotFoundMessage(Sjis(file));
  }
};

TEST_F(PlaybackTest, FirstClickOpensAndPlays) {
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music/one.mp3", "play music/one.mp3"}));
}

TEST_F(PlaybackTest, EnterPlaysTheFocusedSongAndShiftOrCtrlEnterNothing) {
  Press(Key::Down);
  log.Clear();
  Press(Key::Enter, Shift());
  Press(Key::Enter, Ctrl());
  EXPECT_TRUE(log.events.empty());
  Press(Key::Enter);
  EXPECT_EQ(log.events, (Events{"open music/two.mp3", "play music/two.mp3"}));
}

TEST_F(PlaybackTest, SpaceClicksOnTheWayUp) {
  Window().KeyDown(Key::Space);
  EXPECT_TRUE(log.events.empty());
  Window().KeyUp(Key::Space);
  EXPECT_EQ(log.events, (Events{"open music/one.mp3", "play music/one.mp3"}));
}

TEST_F(PlaybackTest, ClickOnThePlayingSongOnlyPlaysOn) {
  Click(0);
  log.Clear();
  Press(Key::Enter);
  EXPECT_EQ(log.events, (Events{"play music/one.mp3"}));
}

TEST_F(PlaybackTest, AnotherSongClosesTheOldFileFirst) {
  Click(0);
  log.Clear();
  Click(1);
  EXPECT_EQ(log.events, (Events{"close music/one.mp3", "open music/two.mp3", "play music/two.mp3"}));
}

TEST_F(PlaybackTest, StoppedOrEndedSongIsPlayedOnWithoutReopening) {
  Click(0);
  Press(Key::NumpadMinus);
  EXPECT_EQ(log.events.back(), "stop");
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"play music/one.mp3"}));
  media.End();
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"play music/one.mp3"}));
}

TEST_F(PlaybackTest, StopStepStopsOnlyAPlayingSongAndKeepsTheSongOpen) {
  form->N1Click();  // nothing open
  Click(0);
  media.End();
  form->N1Click();  // ended
  Press(Key::NumpadMinus);
  Press(Key::S, Ctrl());
  EXPECT_TRUE(log.Starting("stop").empty());
  Click(1);
  Press(Key::S, Ctrl());
  EXPECT_EQ(log.Count("stop"), 1u);
  // Song 2 is still the one last played: it resumes without opening again.
  log.Clear();
  Click(1);
  EXPECT_EQ(log.events, (Events{"play music/two.mp3"}));
}

TEST_F(PlaybackTest, TheKeypadsStopLeavesTheFocusAndTheSelection) {
  Press(Key::Down);
  Press(Key::Enter);
  log.Clear();
  Press(Key::NumpadMinus);
  EXPECT_EQ(log.events, (Events{"stop"}));
  EXPECT_EQ(Window().FocusedButton(), &Button(1));
  EXPECT_EQ(SelectionShownByPaint(), 1);
}

TEST_F(PlaybackTest, AMissingFileIsSpokenThenShownAndReportedAgainOnTheNextClick) {
  media.unplayable.insert("music/two.mp3");
  Click(1);
  const Events report{"open music/two.mp3",
                      "speak musicフォルダ内に\r\n\r\ntwo.mp3 がありません。", NotFoundBox("two.mp3")};
  EXPECT_EQ(log.events, report);
  log.Clear();
  Click(1);  // Play fails: nothing is open
  EXPECT_EQ(log.events, (Events{report[1], report[2]}));
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music/one.mp3", "play music/one.mp3"}));
}

TEST_F(PlayerTest, WithoutSpeechAMissingFileOnlyShowsTheBox) {
  speech.fail.create = true;
  GivenSongs({"one.mp3"});
  Start();
  media.unplayable.insert("music/one.mp3");
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music/one.mp3", "error box " + Sjis("エラー") + " | " +
                                                          player::NotFoundMessage("one.mp3")}));
}

TEST_F(PlaybackTest, AFailingSpeakEscapesAndTheBoxIsNotShown) {
  speech.fail.speak = true;
  media.unplayable.insert("music/one.mp3");
  EXPECT_THROW(Click(0), platform::SpeechError);
  EXPECT_TRUE(log.Starting("error box").empty());
}

TEST(NotFoundMessage, IsItsThreePiecesByteForByte) {
  const std::string name = Sjis("さくら.mp3");
  const std::string message = player::NotFoundMessage(name);
  EXPECT_EQ(message, Sjis("musicフォルダ内に") + "\r\n\r\n" + name + Sjis(" がありません。"));
  EXPECT_EQ(message.size(), 21 + name.size() + 15);
}

TEST_F(PlaybackTest, ANativeNameThatShiftJisCannotHoldIsOpenedByItsNativeForm) {
  files.folders["music"].clear();
  files.folders["music"].push_back({platform::PathName{"?.mp3", "\xF0\x9F\x8E\xB5.mp3"}, false});
  ASSERT_TRUE(form->TakeSongsOf(platform::PathName::Ascii("music")));
  EXPECT_EQ(Button(0).spec.caption, " 1 ?" + std::string(19, ' '));
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events.front(), "open music/\xF0\x9F\x8E\xB5.mp3");
}
