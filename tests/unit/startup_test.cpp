// The player window's start-up: its checks, their alerts, speech and boxes, and the song buttons.
#include "tests/unit/player_fixture.h"

#include "player/texts.h"

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
                                ErrorBox("musicフォルダがありません。終了します。"), "terminate"}));
  EXPECT_EQ(form->MaxIndex, -1);
  EXPECT_TRUE(form->SongButtons.empty());
}

TEST_F(PlayerTest, MusicFolderWithoutSongsAlertsSpeaksShowsTheErrorAndEnds) {
  files.folders["music"];
  files.AddDirectory("music", "x.mp3");
  files.AddFile("music", "notes.txt");
  Start();
  EXPECT_EQ(log.events,
            (Events{"speech create", "beep", "beep",
                    "speak musicフォルダにmp3ファイルがありません。終了します。Enterキーを押してください。",
                    ErrorBox("musicフォルダにmp3ファイルがありません。終了します。"), "terminate"}));
  EXPECT_EQ(form->MaxIndex, -1);
  EXPECT_TRUE(form->SongButtons.empty());
}

TEST_F(PlayerTest, NoSpeechEngineIsReportedFirstAndNothingIsEverSpoken) {
  speech.fail.create = true;
  Start();
  EXPECT_EQ(log.events, (Events{"beep", "beep", PlainBox("対応している音声合成エンジンがありません。"),
                                "beep", "beep", ErrorBox("musicフォルダがありません。終了します。"),
                                "terminate"}));
  EXPECT_EQ(form->SpeechUnavailable, 1);
}

TEST_F(PlayerTest, NoSpeechEngineStillBuildsTheSongsWithoutSettingTheSpeed) {
  speech.fail.create = true;
  GivenSongs({"a.mp3", "b.mp3"});
  Start();
  EXPECT_EQ(form->SongButtons.size(), 2u);
  EXPECT_TRUE(log.Starting("speed").empty());
  EXPECT_EQ(log.Count("terminate"), 0u);
}

TEST_F(PlayerTest, SongsGetButtonsThenTheSpeedIsSet) {
  GivenSongs({"Sakura.mp3", "ABC.MP3", "さくら.mp3"});
  Start();
  EXPECT_EQ(log.events, (Events{"speech create", "speed 160"}));
  ASSERT_EQ(form->SongButtons.size(), 3u);
  EXPECT_EQ(form->MaxIndex, 2);
  EXPECT_EQ(form->LastPlayed, -1);
  EXPECT_EQ(form->CurrentIndex, 0);
  for (int i = 0; i < 3; ++i) {
    const auto& spec = Button(i).spec;
    EXPECT_EQ(spec.tag, i);
    EXPECT_EQ(spec.bounds, player::SongButtonBounds(i));
    EXPECT_TRUE(spec.hand_cursor);
    EXPECT_EQ(spec.font, (platform::FontSpec{Sjis("ＭＳ ゴシック"), 21, true}));
  }
  EXPECT_EQ(Button(1).spec.caption, " 2 ABC" + std::string(17, ' '));
  EXPECT_EQ(Button(2).spec.caption, " 3 " + Sjis("さくら") + std::string(14, ' '));
}

TEST_F(PlayerTest, TheWindowIsSizedToItsSongsAndThePictureFollows) {
  GivenNumberedSongs(10);
  Start();
  EXPECT_EQ(Window().outer_width, 320);
  EXPECT_EQ(Window().outer_height, 720);
  ASSERT_EQ(Window().graphics.size(), 3u);  // Bevel1, Bevel2, Image1
  EXPECT_EQ(Window().graphics[0]->bounds, (platform::Bounds{0, 0, 313, 17}));
  EXPECT_EQ(Window().graphics[1]->bounds, (platform::Bounds{24, 610, 265, 49}));
  EXPECT_EQ(Window().graphics[2]->bounds, (platform::Bounds{32, 610, 249, 49}));
}

TEST_F(PlayerTest, ALongFolderShowsTwentyOneButtons) {
  GivenNumberedSongs(60);
  Start();
  EXPECT_EQ(form->SongButtons.size(), 21u);
  EXPECT_EQ(Window().outer_height, 60 * 20 + 180);
  EXPECT_EQ(form->MusicFiles[50].sjis, "song51.mp3");
}

TEST_F(PlayerTest, AFailingSpeedEscapesStartUpAfterTheButtonsExist) {
  speech.fail.speed = true;
  GivenSongs({"a.mp3"});
  form = std::make_unique<TMp3Form>(services);
  EXPECT_THROW(form->FormCreate(), platform::SpeechError);
  EXPECT_EQ(form->SongButtons.size(), 1u);
  // The first click still opens its song rather than reporting it missing.
  log.Clear();
  form->ButtonClick(*form->SongButtons[0]);
  EXPECT_EQ(log.events, (std::vector<std::string>{"open music\\a.mp3", "play music\\a.mp3"}));
}

TEST_F(PlayerTest, TheSpeechControlIsReleasedOnceAndTheDeviceClosedWithTheWindow) {
  GivenSongs({"a.mp3"});
  Start();
  form->ButtonClick(*form->SongButtons[0]);
  form.reset();
  EXPECT_EQ(log.Count("speech release"), 1u);
  EXPECT_EQ(log.events.back(), "close music\\a.mp3");
}

TEST_F(PlayerTest, TheStoredLayoutIsTheYellowFixedPlayerWindow) {
  Start();
  const auto& spec = Window().spec;
  EXPECT_EQ(spec.caption, Sjis("Otopicco♪"));
  EXPECT_EQ(spec.left, 343);
  EXPECT_EQ(spec.top, 116);
  EXPECT_EQ(spec.border, platform::Border::FixedSingle);
  EXPECT_EQ(spec.background, platform::kYellow);
  EXPECT_EQ(spec.font, (platform::FontSpec{Sjis("ＭＳ Ｐゴシック"), 12, false}));
  ASSERT_EQ(spec.menu.size(), 2u);
  EXPECT_EQ(spec.menu[0].items[0].shortcut, 16463);
  EXPECT_EQ(spec.menu[0].items[1].shortcut, 16467);
}
