// Browsing by ear: frames, announcements and the keypad's selection, driven by keys.
#include "tests/unit/player_fixture.h"

using platform::Key;
using Events = std::vector<std::string>;

class SelectionTest : public PlayerTest {
 protected:
  void SetUp() override { GivenSongs({"Sakura.mp3", "Umi no uta.mp3", "さくら.mp3"}); }
};

TEST_F(SelectionTest, StartFramesAndAnnouncesSongOneWithoutSilenceFirst) {
  StartAndShow();
  log.events.erase(log.events.begin(), log.events.begin() + 2);  // create, speed
  EXPECT_EQ(log.events, (Events{Frame("blue", 0), "speak 1 Sakura"}));
  EXPECT_EQ(Window().FocusedButton(), &Button(0));
}

TEST_F(SelectionTest, EachLaterAnnouncementCutsOffTheOneBefore) {
  StartAndShow();
  log.Clear();
  Press(Key::Down);
  EXPECT_EQ(log.events, (Events{Frame("yellow", 0), Frame("blue", 1), "silence", "speak 2 Umi no uta"}));
  EXPECT_EQ(SelectionShownByPaint(), 1);
}

TEST_F(SelectionTest, DownFromTheLastSongWrapsToTheFirstAndUpFromTheFirstToTheLast) {
  StartAndShow();
  Press(Key::Down);
  Press(Key::Down);
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  Press(Key::Down);
  EXPECT_EQ(Window().FocusedButton(), &Button(0));
  EXPECT_EQ(log.events.back(), "speak 1 Sakura");
  EXPECT_EQ(SelectionShownByPaint(), 0);
  Press(Key::Up);
  EXPECT_EQ(Window().FocusedButton(), &Button(2));
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  EXPECT_EQ(SelectionShownByPaint(), 2);
}

TEST_F(SelectionTest, HeldDownAnnouncesEverySongPassedButMovesTheSelectionOnce) {
  StartAndShow();
  log.Clear();
  Window().KeyDown(Key::Down);
  Window().KeyDown(Key::Down);  // an auto-repeat
  Window().KeyUp(Key::Down);
  EXPECT_EQ(log.Starting("speak"), (Events{"speak 2 Umi no uta", "speak 3 さくら"}));
  EXPECT_EQ(Window().FocusedButton(), &Button(2));
  // A repaint frames the selection, not the focused song.
  EXPECT_EQ(SelectionShownByPaint(), 1);
}

TEST_F(SelectionTest, KeypadMovesTheFocusFromTheSelectionNotFromTheFocus) {
  StartAndShow();
  Press(Key::Tab);
  Press(Key::Tab);  // announced, selection unchanged
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  log.Clear();
  Press(Key::Numpad2);  // to song 2, which does not have the focus
  EXPECT_EQ(log.events, (Events{Frame("yellow", 2), Frame("blue", 1), "silence", "speak 2 Umi no uta"}));
  Press(Key::Tab);
  Press(Key::Numpad8);  // to song 1: one up from the selection (song 2), not from the focus
  EXPECT_EQ(Window().FocusedButton(), &Button(0));
  EXPECT_EQ(SelectionShownByPaint(), 0);
}

TEST_F(SelectionTest, ShiftTabGoesBackAndWrapsWithoutMovingTheSelection) {
  StartAndShow();
  Press(Key::Tab, Shift());
  EXPECT_EQ(Window().FocusedButton(), &Button(2));
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  EXPECT_EQ(SelectionShownByPaint(), 0);
}

TEST_F(SelectionTest, KeypadLandingOnTheFocusedButtonDrawsAndSaysNothing) {
  StartAndShow();
  Press(Key::Tab);
  log.Clear();
  Press(Key::Numpad2);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(SelectionShownByPaint(), 1);
}

TEST_F(SelectionTest, OtherKeysChangeNothingOnTheirWayUp) {
  StartAndShow();
  log.Clear();
  for (Key key : {Key::Left, Key::Right, Key::Enter, Key::Other, Key::Tab}) form->FormKeyUp({key, {}});
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(SelectionShownByPaint(), 0);
}

TEST_F(SelectionTest, ModifiersMakeNoDifferenceToTheKeyUpHandler) {
  StartAndShow();
  Press(Key::Numpad2, Ctrl());
  Press(Key::Numpad2, Shift());
  EXPECT_EQ(Window().FocusedButton(), &Button(2));
  EXPECT_EQ(SelectionShownByPaint(), 2);
}

TEST_F(SelectionTest, PaintFramesTheSelectionWhicheverButtonHasTheFocus) {
  StartAndShow();
  Press(Key::Tab);
  Press(Key::Tab);
  log.Clear();
  Window().Paint();
  EXPECT_EQ(log.events, (Events{Frame("blue", 0)}));
  ASSERT_EQ(Window().outlines.size(), 1u);
  EXPECT_EQ(Window().outlines[0], (platform::Outline{{13, 14, 307, 58}, {0, 0, 255}, 4}));
}

TEST_F(SelectionTest, LeftAndRightAreDiscardedEverythingElsePasses) {
  EXPECT_TRUE(TMp3Form::ApplicationEvents1ShortCut({Key::Left, {}}));
  EXPECT_TRUE(TMp3Form::ApplicationEvents1ShortCut({Key::Right, Shift()}));
  for (Key key : {Key::Up, Key::Down, Key::Enter, Key::Numpad2, Key::Tab, Key::Other})
    EXPECT_FALSE(TMp3Form::ApplicationEvents1ShortCut({key, {}}));
  StartAndShow();
  log.Clear();
  Press(Key::Right);
  Press(Key::Left);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(Window().FocusedButton(), &Button(0));
}

TEST_F(SelectionTest, AFailingSilenceLeavesTheNewFrameAndSkipsTheAnnouncement) {
  StartAndShow();
  speech.fail.silence = true;
  log.Clear();
  EXPECT_THROW(Window().KeyDown(Key::Down), platform::SpeechError);
  EXPECT_EQ(log.events, (Events{Frame("yellow", 0), Frame("blue", 1)}));
  EXPECT_EQ(Window().FocusedButton(), &Button(1));
  // The new frame is the one painted over at the next move.
  speech.fail.silence = false;
  log.Clear();
  Press(Key::Down);
  EXPECT_EQ(log.events.front(), "draw yellow 4 13,74,307,118");
}

class SingleSongTest : public PlayerTest {};

TEST_F(SingleSongTest, NoKeyMovesAnything) {
  GivenSongs({"only.mp3"});
  StartAndShow();
  log.Clear();
  for (Key key : {Key::Up, Key::Down, Key::Numpad8, Key::Numpad2, Key::Tab}) Press(key);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(SelectionShownByPaint(), 0);
}

TEST_F(PlayerTest, AnnouncementsSpeakTheWholeTitleAndAnEmptyOne) {
  GivenSongs({".mp3", "とてもながいきょくのなまえですよね.mp3"});
  StartAndShow();
  EXPECT_EQ(log.events.back(), "speak 1 ");
  Press(platform::Key::Down);
  EXPECT_EQ(log.events.back(), "speak 2 とてもながいきょくのなまえですよね");
}

TEST_F(PlayerTest, WithoutSpeechFramesStillMoveAndNothingElseHappens) {
  speech.fail.create = true;
  GivenSongs({"a.mp3", "b.mp3"});
  StartAndShow();
  Press(platform::Key::Down);
  EXPECT_TRUE(log.Starting("speak").empty());
  EXPECT_TRUE(log.Starting("silence").empty());
  EXPECT_EQ(log.Starting("draw").size(), 3u);
}

TEST_F(PlayerTest, AMousePressAnnouncesTheSongAndTheReleasePlaysIt) {
  GivenSongs({"a.mp3", "b.mp3"});
  StartAndShow();
  log.Clear();
  Window().MousePress(Button(1));
  Window().MouseRelease(Button(1));
  EXPECT_EQ(log.events, (Events{Frame("yellow", 0), Frame("blue", 1), "silence", "speak 2 b",
                                "open music/b.mp3", "play music/b.mp3"}));
}

TEST_F(PlayerTest, ComingBackToTheWindowSpeaksAndDrawsNothing) {
  GivenSongs({"a.mp3", "b.mp3"});
  StartAndShow();
  Press(platform::Key::Down);
  log.Clear();
  Window().Activate();
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(Window().FocusedButton(), &Button(1));
}

TEST_F(PlayerTest, NoButtonsNoPaintAndNoMoves) {
  Start();  // no music folder
  log.Clear();
  Window().Paint();
  for (platform::Key key : {platform::Key::Up, platform::Key::Down, platform::Key::Numpad8,
                            platform::Key::Numpad2})
    Press(key);
  EXPECT_TRUE(log.events.empty());
  EXPECT_TRUE(Window().outlines.empty());
}
