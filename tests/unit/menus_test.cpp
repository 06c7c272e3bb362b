// The menu commands, the goodbye, the help window and the program's start and end.
#include "tests/unit/player_fixture.h"

#include "app/exception_box.h"
#include "app/program.h"
#include "help/help_form.h"
#include "help/help_text.h"
#include "player/message_boxes.h"

using doubles::Sjis;
using platform::Key;
using Events = std::vector<std::string>;

class MenusTest : public PlayerTest {
 protected:
  void SetUp() override {
    GivenSongs({"one.mp3"});
    StartAndShow();
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
  Press(Key::NumpadDivide);
  EXPECT_EQ(log.events,
            (Events{"speak バイバイ、じゃまたね！えんたーキーをおしてください。おわります。",
                    "plain box Otopicco | " + Sjis("おわります。"), "close " + Sjis("Otopicco♪")}));
  EXPECT_EQ(SelectionShownByPaint(), 0);
}

TEST_F(PlayerTest, GoodbyeWithoutSpeechOnlyShowsAndCloses) {
  speech.fail.create = true;
  GivenSongs({"one.mp3"});
  StartAndShow();
  log.Clear();
  Press(Key::NumpadDivide);
  EXPECT_EQ(log.events, (Events{"plain box Otopicco | " + Sjis("おわります。"), "close " + Sjis("Otopicco♪")}));
}

TEST_F(MenusTest, ExitIsAQuitRequest) {
  form->Exit2Click();
  EXPECT_EQ(log.events, (Events{"quit request"}));
}

TEST_F(MenusTest, MenuCommandsAndTheirShortcutsReachTheirHandlers) {
  int folder_dialogs = 0, help_windows = 0;
  form->Connect({[&] { ++help_windows; }, [&] { ++folder_dialogs; }});
  Click(0);
  log.Clear();
  Press(Key::S, Ctrl());
  EXPECT_EQ(log.Count("stop"), 1u);
  Press(Key::O, Ctrl());
  EXPECT_EQ(folder_dialogs, 1);
  // Only Ctrl and the letter: the letter alone, or with Shift too, is no shortcut.
  Press(Key::O);
  Press(Key::O, platform::Modifiers{true, true, false});
  EXPECT_EQ(folder_dialogs, 1);
  Window().events.OnMenu(static_cast<int>(PlayerCommand::Help));
  EXPECT_EQ(help_windows, 1);
  Window().events.OnMenu(static_cast<int>(PlayerCommand::Exit));
  EXPECT_EQ(log.events.back(), "quit request");
}

TEST(HelpText, SplitsEveryKindOfLineEnd) {
  EXPECT_EQ(help::SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(help::SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(help::SplitLines("").empty());
}

TEST(HelpText, AFileOfTheLimitIsShownWhole) {
  const std::string line = std::string(1022, 'a') + "\r\n";
  std::string file;
  while (file.size() < help::kHelpShownBytes) file += line;
  ASSERT_EQ(file.size(), help::kHelpShownBytes);
  EXPECT_EQ(help::HelpFileLines(file), help::SplitLines(file));
}

TEST(HelpText, ALongerFileIsCutAtItsLastLineEndWithinTheLimitAndSaysSo) {
  const std::string line = std::string(1022, 'a') + "\r\n";
  std::string file;
  while (file.size() < help::kHelpShownBytes) file += line;
  file += "beyond the limit\r\n";
  const auto lines = help::HelpFileLines(file);
  ASSERT_EQ(lines.size(), help::kHelpShownBytes / line.size() + 1);
  EXPECT_EQ(lines[lines.size() - 2], std::string(1022, 'a'));
  EXPECT_EQ(lines.back(), Sjis("（ヘルプのファイルが大きすぎるので、ここから先は表示していません。）"));
}

TEST(HelpText, AnEndlessLineIsCutBetweenTwoCharacters) {
  // "a", then double-byte characters: the one that starts just before the limit would end past it.
  const std::string a = Sjis("あ");
  std::string file = "a";
  while (file.size() <= help::kHelpShownBytes) file += a;
  const auto lines = help::HelpFileLines(file);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], file.substr(0, help::kHelpShownBytes - 1));
  EXPECT_EQ(lines[1], Sjis("（ヘルプのファイルが大きすぎるので、ここから先は表示していません。）"));
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
  doubles::FormDouble& HelpWindow() { return windows.Form(0); }
  // What the text box holds once the window is shown.
  const std::vector<std::string>& Text() {
    help->Show();
    return HelpWindow().memo->lines;
  }
};

TEST_F(HelpWindowTest, TheTextIsReadAtStartUpAndReachesTheBoxWhenFirstShown) {
  files.files["ReadMe_sapi.txt"] = "read at start-up";
  Create();
  help->FormCreate();
  files.files.erase("ReadMe_sapi.txt");
  // Nobody sees the text box before the window opens: it is filled then, from what was read.
  EXPECT_TRUE(HelpWindow().memo->lines.empty());
  EXPECT_EQ(Text(), (std::vector<std::string>{"read at start-up"}));
}

TEST_F(HelpWindowTest, LoadsTheHelpFileAsItsLines) {
  files.files["ReadMe_sapi.txt"] = Sjis("ヘルプ\r\n二行目\r\n");
  Create();
  help->FormCreate();
  EXPECT_EQ(Text(), (std::vector<std::string>{Sjis("ヘルプ"), Sjis("二行目")}));
}

TEST_F(HelpWindowTest, EveryByteOfALineReachesTheTextANulIncluded) {
  files.files["ReadMe_sapi.txt"] = std::string("before\0after\r\nnext", 18);
  Create();
  help->FormCreate();
  EXPECT_EQ(Text(), (std::vector<std::string>{std::string("before\0after", 12), "next"}));
}

TEST_F(HelpWindowTest, AHugeFileShowsItsFirstMegabyteAndSaysTheRestIsNotShown) {
  const std::string line = Sjis("ヘルプの一行\r\n");
  std::string file;
  while (file.size() < 50 * help::kHelpShownBytes) file += line;
  files.files["ReadMe_sapi.txt"] = file;
  Create();
  help->FormCreate();
  const auto& lines = Text();
  EXPECT_EQ(lines.front(), Sjis("ヘルプの一行"));
  EXPECT_EQ(lines[lines.size() - 2], Sjis("ヘルプの一行"));
  EXPECT_EQ(lines.back(), Sjis("（ヘルプのファイルが大きすぎるので、ここから先は表示していません。）"));
  EXPECT_EQ(lines.size() - 1, help::kHelpShownBytes / line.size());
}

TEST_F(HelpWindowTest, AnEmptyFileEmptiesTheText) {
  files.files["ReadMe_sapi.txt"] = "";
  Create();
  help->FormCreate();
  EXPECT_TRUE(Text().empty());
}

TEST_F(HelpWindowTest, AMegabyteFileIsLoadedWhole) {
  std::string big;
  while (big.size() < (1u << 20)) big += Sjis("うたとおはなし") + "\r\n";
  files.files["ReadMe_sapi.txt"] = big;
  Create();
  help->FormCreate();
  EXPECT_EQ(Text().size(), big.size() / 16);
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
  EXPECT_EQ(Text(), help::BuiltInHelpText());
}

TEST_F(HelpWindowTest, OwaruOrEnterHidesAndReopeningKeepsTheText) {
  files.files["ReadMe_sapi.txt"] = "text";
  Create();
  help->FormCreate();
  files.files["ReadMe_sapi.txt"] = "changed";
  help->Show();
  help->Button1Click();
  EXPECT_FALSE(HelpWindow().visible);
  help->Show();
  EXPECT_TRUE(HelpWindow().visible);
  EXPECT_EQ(Text(), (std::vector<std::string>{"text"}));
  // The window opens with the focus on おわる, the default button: Enter hides it.
  HelpWindow().Activate();
  ASSERT_NE(HelpWindow().FocusedButton(), nullptr);
  EXPECT_TRUE(HelpWindow().FocusedButton()->spec.is_default);
  HelpWindow().Press(Key::Enter);
  EXPECT_FALSE(HelpWindow().visible);
}

TEST_F(HelpWindowTest, TabReachesTheTextWhichKeepsUpDownAndLosesLeftRight) {
  windows.SetShortCutHook(&TMp3Form::ApplicationEvents1ShortCut);
  files.files["ReadMe_sapi.txt"] = "text";
  Create();
  help->FormCreate();
  help->Show();
  HelpWindow().Activate();
  HelpWindow().Press(Key::Tab);
  EXPECT_EQ(HelpWindow().FocusedId(), HelpWindow().memo->Id());
  HelpWindow().Press(Key::Down);
  HelpWindow().Press(Key::Right);
  EXPECT_EQ(HelpWindow().FocusedId(), HelpWindow().memo->Id());
  HelpWindow().Press(Key::Tab);
  EXPECT_NE(HelpWindow().FocusedButton(), nullptr);
}

TEST(ExceptionBox, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  EXPECT_EQ(app::ExceptionBoxText("device lost"), "device lost.");
  EXPECT_EQ(app::ExceptionBoxText("device lost."), "device lost.");
  EXPECT_EQ(app::ExceptionBoxText("code -"), "code -");  // '-' sorts before '.'
  EXPECT_EQ(app::ExceptionBoxText(Sjis("ありません。")), Sjis("ありません。") + ".");
  EXPECT_EQ(app::ExceptionBoxText(""), "");
}

TEST(ApplicationTitle, IsTheFileNameUpToItsFirstDotLowerCasedAfterTheFirstLetter) {
  EXPECT_EQ(player::ApplicationTitle("OTOPICCO.EXE"), "Otopicco");
  EXPECT_EQ(player::ApplicationTitle("otopicco.v2.exe"), "otopicco");
  EXPECT_EQ(player::ApplicationTitle("Player"), "Player");
  // The second byte of "ア" is the capital letter A: it is left alone.
  ASSERT_EQ(Sjis("ア")[1], 'A');
  EXPECT_EQ(player::ApplicationTitle(Sjis("アPlay.exe")), Sjis("ア") + "play");
}

TEST_F(PlayerTest, TheProgramCreatesItsWindowsInOrderAndDestroysThemInReverse) {
  GivenSongs({"one.mp3"});
  files.files["ReadMe_sapi.txt"] = "help";
  EXPECT_EQ(app::RunProgram(services), 0);
  ASSERT_EQ(windows.forms.size(), 3u);
  // The folder tree is filled when the dialog first opens, not before the first announcement.
  EXPECT_EQ(log.events, (Events{"speech create", "speed 160", "run", "speech release"}));
}

TEST_F(PlayerTest, TheProgramShowsACreationErrorAndGoesOn) {
  GivenSongs({"one.mp3"});
  EXPECT_EQ(app::RunProgram(services), 0);
  EXPECT_EQ(log.Count("error box Otopicco | " + Sjis("ファイル ReadMe_sapi.txt は開けません") + "."), 1u);
  EXPECT_EQ(log.Count("run"), 1u);
}

TEST_F(PlayerTest, ThePlayerOpensTheOtherWindowsTheProgramGaveIt) {
  GivenSongs({"one.mp3"});
  files.files["ReadMe_sapi.txt"] = "help";
  windows.while_running = [this] {
    windows.Form(0).events.OnMenu(static_cast<int>(PlayerCommand::Help));
    EXPECT_TRUE(windows.Form(1).visible);
    windows.Form(0).Press(Key::O, Ctrl());
  };
  app::RunProgram(services);
  EXPECT_EQ(log.Count("modal " + Sjis("フォルダの選択")), 1u);
}
