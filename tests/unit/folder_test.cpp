// The folder dialog: its tree's root, and what OK changes and keeps.
#include "tests/unit/player_fixture.h"

#include "folder/folder_form.h"
#include "player/player_layout.h"

using doubles::Sjis;
using platform::Key;
using Events = std::vector<std::string>;

class FolderTest : public PlayerTest {
 protected:
  std::unique_ptr<TFolder> folder;
  Events creation;
  void SetUp() override {
    GivenSongs({"one.mp3", "two.mp3", "three.mp3"});
    StartAndShow();
    log.Clear();
    folder = std::make_unique<TFolder>(
        services, [this](const platform::PathName& chosen) { return form->TakeSongsOf(chosen); });
    folder->FormCreate();
    form->Connect({nullptr, [this] { folder->ShowModal(); }});
    creation = log.events;
    log.Clear();
  }
  doubles::FormDouble& Dialog() { return windows.Form(1); }
  void Select(const std::string& path) { Dialog().tree->selected = platform::PathName::Ascii(path); }
  void Ok() { folder->Button2Click(); }
  std::string NoMp3Box() { return "plain box Otopicco | " + Sjis("mp3ファイルがみつかりません。"); }
};

TEST_F(FolderTest, TheFirstOpeningShowsTheProgramsFolderAsTheRoot) {
  // Nothing is listed at start-up: the tree is filled when someone first looks at it.
  EXPECT_TRUE(creation.empty());
  form->N4Click();
  EXPECT_EQ(log.events, (Events{"tree root /opt/Otopicco/", "modal " + Sjis("フォルダの選択")}));
  EXPECT_EQ(Dialog().tree->selected->sjis, "/opt/Otopicco/");
}

TEST_F(FolderTest, LaterOpeningsShowTheTreeAsItWasLeft) {
  Dialog().while_modal = [this](doubles::FormDouble&) {
    Select("/opt/Otopicco/songs");
    folder->Button3Click();
  };
  form->N4Click();
  Dialog().while_modal = [this](doubles::FormDouble&) {
    EXPECT_EQ(Dialog().tree->selected->sjis, "/opt/Otopicco/songs");
    folder->Button1Click();  // デスクットプ
    folder->Button3Click();
  };
  form->N4Click();
  Dialog().while_modal = nullptr;
  log.Clear();
  form->N4Click();
  // The desktop stays the root, with its selection: the tree is not filled again.
  EXPECT_EQ(log.events, (Events{"modal " + Sjis("フォルダの選択")}));
  EXPECT_EQ(Dialog().tree->selected->sjis, "Desktop");
}

TEST_F(FolderTest, ATreeThatCannotShowItsRootKeepsTheDialogClosedUntilItCan) {
  Dialog().tree->refuse_roots = 1;
  EXPECT_THROW(folder->ShowModal(), platform::Exception);
  EXPECT_TRUE(log.Starting("modal").empty());
  log.Clear();
  folder->ShowModal();
  EXPECT_EQ(log.events, (Events{"tree root /opt/Otopicco/", "modal " + Sjis("フォルダの選択")}));
}

TEST_F(FolderTest, SettingTheRootItHasInAnyCaseChangesNothing) {
  form->N4Click();
  log.Clear();
  folder->SetRoot(platform::TreeRoot::Folder(platform::PathName::Ascii("/OPT/otopicco/")));
  EXPECT_TRUE(log.events.empty());
  folder->Button1Click();
  folder->Button1Click();
  EXPECT_EQ(log.events, (Events{"tree root top"}));
  folder->SetRoot(platform::TreeRoot::Top());
  EXPECT_EQ(log.events.size(), 1u);
  folder->SetRoot(platform::TreeRoot::Folder(platform::PathName::Ascii("/opt/Otopicco/")));
  EXPECT_EQ(log.events.back(), "tree root /opt/Otopicco/");
}

TEST_F(FolderTest, OkOnAFolderWithSongsRebuildsTheListAndHides) {
  GivenSongs({"a.mp3"}, "/media/songs");
  Click(0);
  Press(Key::Down);
  Select("/media/songs");
  Dialog().visible = true;
  log.Clear();
  Ok();
  EXPECT_EQ(Dialog().modal_result, platform::ModalResult::Ok);
  EXPECT_FALSE(Dialog().visible);
  ASSERT_EQ(ButtonCount(), 1u);
  EXPECT_EQ(Button(0).spec.caption, " 1 a" + std::string(19, ' '));
  EXPECT_EQ(Window().client_height, player::WindowClientHeight(0));
  // Nothing spoken, no box: the window only paints song 2's frame over and frames song 1.
  EXPECT_EQ(log.events, (Events{Frame("yellow", 1), Frame("blue", 0)}));
  // The selection starts again at song 1.
  EXPECT_EQ(SelectionShownByPaint(), 0);
  // The same song number now opens the new folder's file.
  log.Clear();
  Click(0);
  EXPECT_EQ(log.Starting("open"), (Events{"open /media/songs/a.mp3"}));
}

TEST_F(FolderTest, OkOnAFolderWithoutSongsBeepsTellsAndKeepsEverything) {
  files.folders["/empty"];
  files.AddDirectory("/empty", "x.mp3");
  Click(1);
  Select("/empty");
  log.Clear();
  Ok();
  EXPECT_EQ(log.events, (Events{"beep", "beep", NoMp3Box()}));
  EXPECT_EQ(ButtonCount(), 3u);
  EXPECT_EQ(Dialog().modal_result, platform::ModalResult::Ok);
  // Song 2 is still the one last played, from the music folder: it plays on.
  log.Clear();
  Click(1);
  EXPECT_EQ(log.events, (Events{"play music/two.mp3"}));
}

TEST_F(FolderTest, OkWithoutASelectedFolderIsAFolderWithoutSongs) {
  Dialog().tree->selected.reset();
  Ok();
  EXPECT_EQ(log.events, (Events{"beep", "beep", NoMp3Box()}));
  EXPECT_EQ(ButtonCount(), 3u);
}

TEST_F(FolderTest, AFailedOkKeepsTheFolderChosenBefore) {
  GivenSongs({"a.mp3"}, "/media/songs");
  files.folders["/empty"];
  Select("/media/songs");
  Ok();
  Select("/empty");
  Ok();
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events.front(), "open /media/songs/a.mp3");
}

TEST_F(FolderTest, ChoosingAFolderStopsThePlayingSongFirst) {
  Click(0);
  log.Clear();
  Press(Key::O, Ctrl());
  EXPECT_EQ(log.events, (Events{"stop", "tree root /opt/Otopicco/", "modal " + Sjis("フォルダの選択")}));
  form->N4Click();  // stopped now: nothing to stop
  EXPECT_EQ(log.Count("stop"), 1u);
}

TEST_F(FolderTest, AfterARebuildTheOldFrameIsPaintedOverWhereItWas) {
  GivenSongs({"a.mp3", "b.mp3"}, "/media/songs");
  Press(Key::Down);
  Press(Key::Down);  // song 3 framed
  Select("/media/songs");
  log.Clear();
  Ok();
  // Where song 3 was, the picture now is: its frame goes at once, and the window shows what a
  // fresh paint shows, the frame of song 1, the selection.
  EXPECT_EQ(log.events, (Events{"draw yellow 4 13,134,307,178", "draw blue 4 13,14,307,58"}));
  EXPECT_EQ(Window().outlines.size(), 1u);
  log.Clear();
  Window().Activate();  // the focused button was destroyed: the first new one is announced
  EXPECT_EQ(log.events, (Events{"silence", "speak 1 a"}));
}

TEST_F(FolderTest, CancelChangesNothing) {
  Select("/elsewhere");
  folder->Button3Click();
  EXPECT_EQ(Dialog().modal_result, platform::ModalResult::Ok);
  EXPECT_EQ(ButtonCount(), 3u);
  log.Clear();
  Click(0);
  EXPECT_EQ(log.events.front(), "open music/one.mp3");
}

TEST_F(FolderTest, InTheDialogEnterClicksOkFromTheTreeAndEscCancels) {
  GivenSongs({"a.mp3"}, "/media/songs");
  Dialog().while_modal = [this](doubles::FormDouble& dialog) {
    Select("/media/songs");
    dialog.Activate();           // the tree, first in tab order, takes the focus
    dialog.Press(Key::Down);     // the tree's own key: the focus stays
    dialog.Press(Key::Escape);   // キャンセル
  };
  form->N4Click();
  EXPECT_EQ(ButtonCount(), 3u);
  EXPECT_EQ(Dialog().FocusedId(), Dialog().tree->Id());
  Dialog().while_modal = [](doubles::FormDouble& dialog) { dialog.Press(Key::Enter); };
  EXPECT_TRUE(log.Starting("beep").empty());
  form->N4Click();
  EXPECT_EQ(ButtonCount(), 1u);
}
