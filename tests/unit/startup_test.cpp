// The player window's start-up: its checks, their alerts, speech and boxes, and the song buttons.
#include "tests/unit/player_fixture.h"

#include "player/colours.h"
#include "player/player_layout.h"
#include "player/window_fonts.h"

using doubles::Sjis;
using Events = std::vector<std::string>;

namespace {
const std::string kPlainTitle = "Otopicco";
std::string ErrorBox(const std::string& utf8) { return "error box " + Sjis("エラー") + " | " + Sjis(utf8); }
std::string PlainBox(const std::string& utf8) { return "plain box " + kPlainTitle + " | " + Sjis(utf8); }
}  // namespace

TEST_F(PlayerTest, NoMusicFolderAlertsSpeaksShowsTheErrorAndEnds) {
  Start();
  EXPECT_EQ(log.events, (Events{"speech create", "beep", "beep",
                                "speak musicフォルダがありません。終了します。Enterキーを押してください。",
                                ErrorBox("musicフォルダがありません。終了します。"), "quit request"}));
  EXPECT_EQ(ButtonCount(), 0u);
}

TEST_F(PlayerTest, MusicFolderWithoutSongsAlertsSpeaksShowsTheErrorAndEnds) {
  files.folders["music"];
  files.AddDirectory("music", "x.mp3");
  files.AddFile("music", "notes.txt");
  Start();
  EXPECT_EQ(log.events,
            (Events{"speech create", "beep", "beep",
                    "speak musicフォルダにmp3ファイルがありません。終了します。Enterキーを押してください。",
                    ErrorBox("musicフォルダにmp3ファイルがありません。終了します。"), "quit request"}));
  EXPECT_EQ(ButtonCount(), 0u);
}

TEST_F(PlayerTest, NoSpeechEngineIsReportedFirstAndNothingIsEverSpoken) {
  speech.fail.create = true;
  Start();
  EXPECT_EQ(log.events, (Events{"beep", "beep", PlainBox("対応している音声合成エンジンがありません。"),
                                "beep", "beep", ErrorBox("musicフォルダがありません。終了します。"),
                                "quit request"}));
  form->N3Click();
  EXPECT_TRUE(log.Starting("speak").empty());
}

TEST_F(PlayerTest, NoSpeechEngineStillBuildsTheSongsWithoutSettingTheSpeed) {
  speech.fail.create = true;
  GivenSongs({"a.mp3", "b.mp3"});
  Start();
  EXPECT_EQ(ButtonCount(), 2u);
  EXPECT_TRUE(log.Starting("speed").empty());
  EXPECT_EQ(log.Count("quit request"), 0u);
  log.Clear();
  Click(1);
  EXPECT_EQ(log.events, (Events{"open music/b.mp3", "play music/b.mp3"}));
}

TEST_F(PlayerTest, SongsGetButtonsThenTheSpeedIsSet) {
  GivenSongs({"Sakura.mp3", "ABC.MP3", "さくら.mp3"});
  Start();
  EXPECT_EQ(log.events, (Events{"speech create", "speed 160"}));
  ASSERT_EQ(ButtonCount(), 3u);
  for (int i = 0; i < 3; ++i) {
    const auto& spec = Button(i).spec;
    EXPECT_EQ(spec.tag, i);
    EXPECT_EQ(spec.bounds, player::SongButtonBounds(i));
    EXPECT_TRUE(spec.hand_cursor);
    EXPECT_EQ(spec.font, (platform::FontSpec{platform::FontRole::Monospaced, 21, true}));
  }
  EXPECT_EQ(Button(1).spec.caption, " 2 ABC" + std::string(17, ' '));
  EXPECT_EQ(Button(2).spec.caption, " 3 " + Sjis("さくら") + std::string(14, ' '));
  // The selection starts at song 1 and nothing counts as played yet.
  EXPECT_EQ(SelectionShownByPaint(), 0);
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events.front(), "open music/Sakura.mp3");
}

TEST_F(PlayerTest, TheWindowIsSizedToItsSongsAndThePictureFollows) {
  GivenNumberedSongs(10);
  Start();
  EXPECT_EQ(Window().client_width, player::WindowClientWidth());
  EXPECT_EQ(Window().client_height, player::WindowClientHeight(9));
  ASSERT_EQ(Window().graphics.size(), 3u);  // Bevel1, Bevel2, Image1
  EXPECT_EQ(Window().graphics[0]->bounds, (platform::Bounds{0, 0, 313, 17}));
  EXPECT_EQ(Window().graphics[1]->bounds, (platform::Bounds{24, 610, 265, 49}));
  EXPECT_EQ(Window().graphics[2]->bounds, (platform::Bounds{32, 610, 249, 49}));
}

TEST_F(PlayerTest, ALongFolderShowsTwentyOneButtonsAndIsReadOnlyUntilTheTableIsFull) {
  GivenNumberedSongs(60);
  Start();
  EXPECT_EQ(ButtonCount(), 21u);
  EXPECT_EQ(Window().client_height, player::WindowClientHeight(20));
  EXPECT_EQ(Button(20).spec.caption.substr(0, 11), " 21 song21 ");
  EXPECT_EQ(files.entries_visited, player::kSongSlots);
}

TEST_F(PlayerTest, AFailingSpeedEscapesStartUpAfterTheButtonsExist) {
  speech.fail.speed = true;
  GivenSongs({"a.mp3"});
  form = std::make_unique<TMp3Form>(services);
  EXPECT_THROW(form->FormCreate(), platform::SpeechError);
  EXPECT_EQ(ButtonCount(), 1u);
  // The first click still opens its song rather than reporting it missing.
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events, (Events{"open music/a.mp3", "play music/a.mp3"}));
}

TEST_F(PlayerTest, TheSpeechControlIsReleasedOnceAndTheDeviceClosedWithTheWindow) {
  GivenSongs({"a.mp3"});
  Start();
  Click(0);
  form.reset();
  EXPECT_EQ(log.Count("speech release"), 1u);
  EXPECT_EQ(log.events.back(), "close music/a.mp3");
}

TEST_F(PlayerTest, TheStoredLayoutIsTheYellowFixedPlayerWindow) {
  Start();
  const auto& spec = Window().spec;
  EXPECT_EQ(spec.caption, Sjis("Otopicco♪"));
  EXPECT_EQ(spec.left, 343);
  EXPECT_EQ(spec.top, 116);
  EXPECT_EQ(spec.client_width, 308);
  EXPECT_EQ(spec.client_height, 289);
  EXPECT_EQ(spec.border, platform::Border::FixedSingle);
  EXPECT_EQ(spec.background, (platform::Color{255, 255, 0}));
  EXPECT_EQ(spec.font, (platform::FontSpec{platform::FontRole::Proportional, 12, false}));
  EXPECT_TRUE(spec.program_icon);
  ASSERT_EQ(spec.menu.size(), 2u);
  EXPECT_EQ(spec.menu[0].items[0].shortcut, platform::Ctrl(platform::Key::O));
  EXPECT_EQ(spec.menu[0].items[1].shortcut, platform::Ctrl(platform::Key::S));
  EXPECT_EQ(spec.menu[0].items[2].shortcut, platform::Shortcut{});
}
