// Browsing by ear: frames, announcements and the keypad's selection.
#include "tests/unit/player_fixture.h"

#include "platform/keys.h"

namespace keys = platform::keys;
using Events = std::vector<std::string>;

namespace {
std::string Frame(const char* colour, int index) {
  return std::string("draw ") + colour + " 4 13," + std::to_string(60 * index + 14) + ",307," +
         std::to_string(60 * index + 58);
}
}  // namespace

class SelectionTest : public PlayerTest {
 protected:
  void SetUp() override { GivenSongs({"Sakura.mp3", "Umi no uta.mp3", "さくら.mp3"}); }
  // Down as the window system and the key-up handler see it together.
  void Down() {
    Window().PressDown();
    form->FormKeyUp(keys::Down);
  }
  void Up() {
    Window().PressUp();
    form->FormKeyUp(keys::Up);
  }
};

TEST_F(SelectionTest, StartFramesAndAnnouncesSongOneWithoutSilenceFirst) {
  StartAndShow();
  log.events.erase(log.events.begin(), log.events.begin() + 2);  // create, speed
  EXPECT_EQ(log.events, (Events{Frame("blue", 0), "speak 1 Sakura"}));
  EXPECT_FALSE(form->FirstAnnouncement);
}

TEST_F(SelectionTest, EachLaterAnnouncementCutsOffTheOneBefore) {
  StartAndShow();
  log.Clear();
  Down();
  EXPECT_EQ(log.events, (Events{Frame("yellow", 0), Frame("blue", 1), "silence", "speak 2 Umi no uta"}));
  EXPECT_EQ(form->CurrentIndex, 1);
}

TEST_F(SelectionTest, DownFromTheLastSongWrapsToTheFirstAndUpFromTheFirstToTheLast) {
  StartAndShow();
  Down();
  Down();
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  Down();
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Window().Focused(), &Button(0));
  EXPECT_EQ(log.events.back(), "speak 1 Sakura");
  Up();
  EXPECT_EQ(form->CurrentIndex, 2);
  EXPECT_EQ(Window().Focused(), &Button(2));
}

TEST_F(SelectionTest, KeypadMovesTheFocusFromTheSelectionNotFromTheFocus) {
  StartAndShow();
  Button(2).SetFocus();  // Tab twice: announced, selection unchanged
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(log.events.back(), "speak 3 さくら");
  log.Clear();
  form->FormKeyUp(keys::Numpad2);  // to song 2, which does not have the focus
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_EQ(log.events, (Events{Frame("yellow", 2), Frame("blue", 1), "silence", "speak 2 Umi no uta"}));
  log.Clear();
  Button(2).SetFocus();
  form->FormKeyUp(keys::Numpad8);  // back to song 1 (index 0), from the selection 1
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_EQ(Window().Focused(), &Button(0));
}

TEST_F(SelectionTest, KeypadLandingOnTheFocusedButtonDrawsAndSaysNothing) {
  StartAndShow();
  Button(1).SetFocus();
  log.Clear();
  form->FormKeyUp(keys::Numpad2);
  EXPECT_EQ(form->CurrentIndex, 1);
  EXPECT_TRUE(log.events.empty());
}

TEST_F(SelectionTest, OtherKeysChangeNothing) {
  StartAndShow();
  log.Clear();
  for (platform::KeyCode key : {keys::Left, keys::Right, keys::Enter, platform::KeyCode{'A'}}) {
    form->FormKeyUp(key);
  }
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_TRUE(log.events.empty());
}

TEST_F(SelectionTest, PaintFramesTheSelectionWhicheverButtonHasTheFocus) {
  StartAndShow();
  Button(2).SetFocus();
  log.Clear();
  form->FormPaint();
  EXPECT_EQ(log.events, (Events{Frame("blue", 0)}));
}

TEST_F(SelectionTest, LeftAndRightAreDiscardedEverythingElsePasses) {
  EXPECT_TRUE(TMp3Form::ApplicationEvents1ShortCut(keys::Left));
  EXPECT_TRUE(TMp3Form::ApplicationEvents1ShortCut(keys::Right));
  for (platform::KeyCode key : {keys::Up, keys::Down, keys::Enter, keys::Numpad2, platform::KeyCode{9}}) {
    EXPECT_FALSE(TMp3Form::ApplicationEvents1ShortCut(key));
  }
}

TEST_F(SelectionTest, AFailingSilenceLeavesTheNewFrameAndSkipsTheAnnouncement) {
  StartAndShow();
  speech.fail.silence = true;
  log.Clear();
  EXPECT_THROW(Window().PressDown(), platform::SpeechError);
  EXPECT_EQ(log.events, (Events{Frame("yellow", 0), Frame("blue", 1)}));
  EXPECT_EQ(Window().Focused(), &Button(1));
  EXPECT_EQ(*form->LastFocusedButton, (platform::Rect{13, 74, 307, 118}));
}

class SingleSongTest : public PlayerTest {};

TEST_F(SingleSongTest, NoKeyMovesAnything) {
  GivenSongs({"only.mp3"});
  StartAndShow();
  log.Clear();
  for (platform::KeyCode key : {keys::Up, keys::Down, keys::Numpad8, keys::Numpad2}) {
    Window().PressDown();
    form->FormKeyUp(key);
  }
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_TRUE(log.events.empty());
}

TEST_F(PlayerTest, AnnouncementsSpeakTheWholeTitleAndAnEmptyOne) {
  GivenSongs({".mp3", "とてもながいきょくのなまえですよね.mp3"});
  StartAndShow();
  EXPECT_EQ(log.events.back(), "speak 1 ");
  Window().PressDown();
  EXPECT_EQ(log.events.back(), "speak 2 とてもながいきょくのなまえですよね");
}

TEST_F(PlayerTest, WithoutSpeechFramesStillMoveAndNothingElseHappens) {
  speech.fail.create = true;
  GivenSongs({"a.mp3", "b.mp3"});
  StartAndShow();
  Window().PressDown();
  EXPECT_TRUE(log.Starting("speak").empty());
  EXPECT_TRUE(log.Starting("silence").empty());
  EXPECT_EQ(log.Starting("draw").size(), 3u);
  EXPECT_FALSE(form->FirstAnnouncement);
}

TEST_F(PlayerTest, NoButtonsNoPaintAndNoMoves) {
  Start();  // no music folder
  log.Clear();
  form->FormPaint();
  for (platform::KeyCode key : {keys::Up, keys::Down, keys::Numpad8, keys::Numpad2}) form->FormKeyUp(key);
  EXPECT_TRUE(log.events.empty());
  EXPECT_EQ(form->CurrentIndex, 0);
}
