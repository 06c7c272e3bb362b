// The folder dialog: its tree's root, and what OK changes and keeps.
#include "tests/unit/player_fixture.h"

using doubles::Sjis;
using Events = std::vector<std::string>;

class FolderTest : public PlayerTest {
 protected:
  std::unique_ptr<TFolder> folder;
  void SetUp() override {
    GivenSongs({"one.mp3", "two.mp3", "three.mp3"});
    StartAndShow();
    folder = std::make_unique<TFolder>(services, *form);
    folder->FormCreate();
    form->Folder = folder.get();
    log.Clear();
  }
  doubles::FormDouble& Dialog() { return windows.Form(1); }
  void Select(const std::string& path) { Dialog().tree->selected = platform::PathName::Ascii(path); }
  void Ok() { folder->Button2Click(); }
};

TEST_F(FolderTest, TheFirstRootIsTheProgramsFolder) {
  EXPECT_EQ(folder->Root().sjis, "C:\\Otopicco\\");
  EXPECT_EQ(Dialog().tree->selected->sjis, "C:\\Otopicco\\");
}

TEST_F(FolderTest, SettingTheSameRootInAnyCaseChangesNothing) {
  folder->SetRoot(platform::PathName::Ascii("c:\\OTOPICCO\\"));
  folder->Button1Click();
  folder->Button1Click();
  EXPECT_EQ(log.events, (Events{"tree root desktop"}));
  folder->SetRoot(platform::PathName::Ascii("RFDESKTOP"));
  EXPECT_EQ(log.events.size(), 1u);
}

TEST_F(FolderTest, OkOnAFolderWithSongsRebuildsTheListAndHides) {
  GivenSongs({"a.mp3"}, "D:\\songs");
  form->ButtonClick(*form->SongButtons[0]);
  form->FormKeyUp(platform::keys::Down);
  Select("D:\\songs");
  Dialog().visible = true;
  log.Clear();
  Ok();
  EXPECT_EQ(Dialog().modal_result, 1);
  EXPECT_FALSE(Dialog().visible);
  EXPECT_EQ(folder->ChosenFolder.sjis, "D:\\songs");
  ASSERT_EQ(form->SongButtons.size(), 1u);
  EXPECT_EQ(Button(0).spec.caption, " 1 a" + std::string(19, ' '));
  EXPECT_EQ(Window().outer_height, 180);
  EXPECT_EQ(form->LastPlayed, -1);
  EXPECT_EQ(form->CurrentIndex, 0);
  EXPECT_TRUE(log.events.empty());  // nothing spoken, no box
  // The same song number now opens the new folder's file.
  form->ButtonClick(*form->SongButtons[0]);
  EXPECT_EQ(log.Starting("open").back(), "open D:\\songs\\a.mp3");
}

TEST_F(FolderTest, OkOnAFolderWithoutSongsBeepsTellsAndKeepsEverything) {
  files.folders["E:\\empty"];
  files.AddDirectory("E:\\empty", "x.mp3");
  form->ButtonClick(*form->SongButtons[1]);
  Select("E:\\empty");
  log.Clear();
  Ok();
  EXPECT_EQ(log.events, (Events{"beep", "beep", "plain box Otopicco | " + Sjis("mp3ファイルがみつかりません。")}));
  EXPECT_TRUE(folder->ChosenFolder.empty());
  EXPECT_EQ(form->SongButtons.size(), 3u);
  EXPECT_EQ(form->LastPlayed, 1);
  EXPECT_EQ(Dialog().modal_result, 1);
  form->ButtonClick(*form->SongButtons[1]);
  EXPECT_EQ(log.events.back(), "play music\\two.mp3");
}

TEST_F(FolderTest, AFailedOkKeepsTheFolderChosenBefore) {
  GivenSongs({"a.mp3"}, "D:\\songs");
  files.folders["E:\\empty"];
  Select("D:\\songs");
  Ok();
  Select("E:\\empty");
  Ok();
  EXPECT_EQ(folder->ChosenFolder.sjis, "D:\\songs");
}

TEST_F(FolderTest, ChoosingAFolderStopsThePlayingSongFirst) {
  form->ButtonClick(*form->SongButtons[0]);
  log.Clear();
  form->N4Click();
  EXPECT_EQ(log.events, (Events{"stop", "modal " + Sjis("フォルダの選択")}));
  form->N4Click();  // stopped now: nothing to stop
  EXPECT_EQ(log.Count("stop"), 1u);
}

TEST_F(FolderTest, AfterARebuildTheOldFrameIsPaintedOverWhereItWas) {
  GivenSongs({"a.mp3", "b.mp3"}, "D:\\songs");
  Window().PressDown();
  Window().PressDown();  // song 3 framed
  Select("D:\\songs");
  Ok();
  log.Clear();
  Window().Activate();  // the focused button was destroyed: the first new one is announced
  EXPECT_EQ(log.events, (Events{"draw yellow 4 13,134,307,178", "draw blue 4 13,14,307,58", "silence",
                                "speak 1 a"}));
}

TEST_F(FolderTest, CancelChangesNothing) {
  Select("D:\\elsewhere");
  folder->Button3Click();
  EXPECT_EQ(Dialog().modal_result, 1);
  EXPECT_TRUE(folder->ChosenFolder.empty());
  EXPECT_EQ(form->SongButtons.size(), 3u);
}
