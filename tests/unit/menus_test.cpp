// The menu commands, the goodbye, the help window and the program's start and end.
#include "tests/unit/player_fixture.h"

#include "app/exception_box.h"
#include "app/program.h"
#include "help/help_form.h"
#include "help/help_text.h"
#include "player/message_boxes.h"

namespace keys = platform::keys;
using doubles::Sjis;
using Events = std::vector<std::string>;

class MenusTest : public PlayerTest {
 protected:
  void SetUp() override {
    GivenSongs({"one.mp3"});
    Start();
    log.Clear();
  }
};

TEST_F(MenusTest, VersionIsSpokenThenShown) {
  form->N3Click();
  ASSERT_EQ(log.events.size(), 2u);
  EXPECT_EQ(log.events[0], "speak Otopicco バージョン2.1 By Otopicco の開発者   2009年10月31日");
  EXPECT_EQ(log.events[1], "plain box Otopicco | " + Sjis("Otopicco♪ Ver2.1") + "\r\r" +
                               Sjis("　　  By Otopicco の開発者   09.10.31"));
}

TEST_F(MenusTest, GoodbyeSpeaksShowsThenClosesTheWindow) {
  form->FormKeyUp(keys::NumpadDivide);
  EXPECT_EQ(log.events,
            (Events{"speak バイバイ、じゃまたね！えんたーキーをおしてください。おわります。",
                    "plain box Otopicco | " + Sjis("おわります。"), "close " + Sjis("Otopicco♪")}));
  EXPECT_EQ(form->CurrentIndex, 0);
}

TEST_F(MenusTest, GoodbyeWithoutSpeechOnlyShowsAndCloses) {
  form->SpeechUnavailable = 1;
  form->Goodbye();
  EXPECT_EQ(log.events, (Events{"plain box Otopicco | " + Sjis("おわります。"), "close " + Sjis("Otopicco♪")}));
}

TEST_F(MenusTest, ExitIsATerminateRequest) {
  form->Exit2Click();
  EXPECT_EQ(log.events, (Events{"terminate"}));
}

TEST_F(MenusTest, MenuCommandsReachTheirHandlers) {
  form->ButtonClick(*form->SongButtons[0]);
  log.Clear();
  Window().events.OnMenu(static_cast<int>(PlayerCommand::Stop));
  EXPECT_EQ(log.Count("stop"), 1u);
  Window().events.OnMenu(static_cast<int>(PlayerCommand::Exit));
  EXPECT_EQ(log.events.back(), "terminate");
}

TEST(HelpText, SplitsEveryKindOfLineEnd) {
  EXPECT_EQ(help::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(help::SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(help::SplitLines("").empty());
}

TEST(HelpText, BuiltInTextHasTheUseSectionLineByLine) {
  const auto lines = help::BuiltInHelpText();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0], Sjis("●Otopicco SAPI4版　Ver2.0 ヘルプ"));
  const auto use = std::find(lines.begin(), lines.end(), Sjis("[使い方]"));
  ASSERT_NE(use, lines.end());
  const std::vector<std::string> expected = {
      Sjis("　↓キー(あるいはTabキー)でひとつ下の曲に移動できま"),
      Sjis("す、移動後、曲の番号と曲名が合成音声で読まれます。ま"),
      Sjis("た、一番下の曲まで移動しますと、一番上の曲に移動しま"),
      Sjis("す。"),
      Sjis("　Enterキーを押すと、その曲を演奏することができます。"),
      Sjis("　Ctrl+Sキーまたはテンキーの－で、演奏中の曲を止める"),
      Sjis("　ことができます。"),
      "",
      Sjis("　終了はAlt+F4で終わってください。")};
  EXPECT_EQ(std::vector<std::string>(use + 1, use + 1 + expected.size()), expected);
  for (const char* section : {"[注意]", "[曲や朗読の変更]", "[音声化]", "[外部入力]", "[その他]", "[ToDo]"}) {
    EXPECT_NE(std::find(lines.begin(), lines.end(), Sjis(section)), lines.end()) << section;
  }
}

class HelpWindowTest : public PlayerTest {
 protected:
  std::unique_ptr<THelpF> help;
  void Create() { help = std::make_unique<THelpF>(services); }
};

TEST_F(HelpWindowTest, LoadsTheHelpFileAsItsLines) {
  files.files["ReadMe_sapi.txt"] = Sjis("ヘルプ\r\n二行目\r\n");
  Create();
  help->FormCreate();
  EXPECT_EQ(help->Memo1().Lines(), (std::vector<std::string>{Sjis("ヘルプ"), Sjis("二行目")}));
}

TEST_F(HelpWindowTest, AnEmptyFileEmptiesTheText) {
  files.files["ReadMe_sapi.txt"] = "";
  Create();
  help->FormCreate();
  EXPECT_TRUE(help->Memo1().Lines().empty());
}

TEST_F(HelpWindowTest, AMegabyteFileIsLoadedWhole) {
  std::string big;
  while (big.size() < (1u << 20)) big += Sjis("うたとおはなし") + "\r\n";
  files.files["ReadMe_sapi.txt"] = big;
  Create();
  help->FormCreate();
  EXPECT_EQ(help->Memo1().Lines().size(), big.size() / 16);
}

TEST_F(HelpWindowTest, AMissingFileRaisesTheOpenErrorAndKeepsTheBuiltInText) {
  Create();
  try {
    help->FormCreate();
    FAIL() << "no error raised";
  } catch (const platform::EFOpenError& error) {
    EXPECT_EQ(std::string(error.what()), Sjis("ファイル ReadMe_sapi.txt は開けません"));
    EXPECT_EQ(app::ExceptionBoxText(error.what()), Sjis("ファイル ReadMe_sapi.txt は開けません") + ".");
  }
  EXPECT_EQ(help->Memo1().Lines(), help::BuiltInHelpText());
}

TEST_F(HelpWindowTest, CloseHidesAndReopeningKeepsTheText) {
  files.files["ReadMe_sapi.txt"] = "text";
  Create();
  help->FormCreate();
  files.files["ReadMe_sapi.txt"] = "changed";
  auto& window = windows.Form(0);
  window.Show();
  help->Button1Click();
  EXPECT_FALSE(window.visible);
  window.Show();
  EXPECT_EQ(help->Memo1().Lines(), (std::vector<std::string>{"text"}));
  ASSERT_EQ(window.buttons.size(), 1u);
  EXPECT_TRUE(window.buttons[0]->spec.is_default);
}

TEST(ExceptionBox, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(app::ExceptionBoxText("device lost"), "device lost.");
  EXPECT_EQ(app::ExceptionBoxText("device lost."), "device lost.");
  EXPECT_EQ(app::ExceptionBoxText("code -"), "code -");  // '-' sorts before '.'
  EXPECT_EQ(app::ExceptionBoxText(Sjis("ありません。")), Sjis("ありません。") + ".");
  EXPECT_EQ(app::ExceptionBoxText(""), "");
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotLowerCasedAfterTheFirstLetter) {
  EXPECT_EQ(player::ApplicationTitle("C:\\Program Files\\OTOPICCO.EXE"), "Otopicco");
  EXPECT_EQ(player::ApplicationTitle("D:\\x\\otopicco.v2.exe"), "otopicco");
  EXPECT_EQ(player::ApplicationTitle("Player"), "Player");
  // The second byte of "表" is a backslash: it does not end the folder.
  EXPECT_EQ(player::ApplicationTitle(Sjis("C:\\表\\ＡPlay.exe")), Sjis("ＡPlay").substr(0, 2) + "play");
}

TEST_F(PlayerTest, TheProgramCreatesItsWindowsInOrderAndDestroysThemInReverse) {
  GivenSongs({"one.mp3"});
  files.files["ReadMe_sapi.txt"] = "help";
  EXPECT_EQ(app::RunProgram(services), 0);
  ASSERT_EQ(windows.forms.size(), 0u + 3u);
  EXPECT_EQ(log.events, (Events{"speech create", "speed 160", "tree root C:\\Otopicco\\", "run",
                                "speech release"}));
}

TEST_F(PlayerTest, TheProgramShowsACreationErrorAndGoesOn) {
  GivenSongs({"one.mp3"});
  EXPECT_EQ(app::RunProgram(services), 0);
  EXPECT_EQ(log.Count("error box Otopicco | " + Sjis("ファイル ReadMe_sapi.txt は開けません") + "."), 1u);
  EXPECT_EQ(log.Count("run"), 1u);
}
