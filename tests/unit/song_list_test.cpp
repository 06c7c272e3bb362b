// Which files become songs, and how their buttons and the window are laid out.
#include <gtest/gtest.h>

#include "player/player_layout.h"
#include "player/song_list.h"
#include "tests/doubles/file_system_double.h"
#include "tests/doubles/utf.h"

using doubles::Sjis;
using player::SongTable;

namespace {
const platform::PathName kMusic = platform::PathName::Ascii("music");
}

TEST(DirectoryScan, KeepsFilesEndingInMp3InAnyCaseSkipsDirectoriesAndKeepsFileSystemOrder) {
  doubles::FileSystemDouble files;
  files.AddFile("music", "b.mp3");
  files.AddDirectory("music", "old.mp3");
  files.AddFile("music", "notes.txt");
  files.AddFile("music", "hidden.mp3");
  files.AddFile("music", "system.MP3");
  files.AddFile("music", "song.mp3.bak");
  files.AddFile("music", "mp3");
  files.AddFile("music", ".mp3");
  files.AddFile("music", Sjis("曲.Mp3"));
  files.AddFile("music", "a.mp3");
  SongTable songs;
  ASSERT_EQ(player::ScanDirectory(files, kMusic, songs), 6);
  EXPECT_EQ(songs[0].sjis, "b.mp3");
  EXPECT_EQ(songs[1].sjis, "hidden.mp3");
  EXPECT_EQ(songs[2].sjis, "system.MP3");
  EXPECT_EQ(songs[3].sjis, ".mp3");
  EXPECT_EQ(songs[4].sjis, Sjis("曲.Mp3"));
  EXPECT_EQ(songs[5].sjis, "a.mp3");
}

TEST(DirectoryScan, NothingFoundOrOnlyDirectoriesStoresNothing) {
  doubles::FileSystemDouble files;
  SongTable songs;
  songs[0] = platform::PathName::Ascii("earlier.mp3");
  EXPECT_EQ(player::ScanDirectory(files, kMusic, songs), 0);
  files.AddDirectory("music", "x.mp3");
  EXPECT_EQ(player::ScanDirectory(files, kMusic, songs), 0);
  EXPECT_EQ(songs[0].sjis, "earlier.mp3");
}

TEST(DirectoryScan, StopsListingOnceTheTableIsFull) {
  doubles::FileSystemDouble files;
  for (int i = 0; i < 100000; ++i) files.AddFile("music", std::to_string(i) + ".mp3");
  SongTable songs;
  EXPECT_EQ(player::ScanDirectory(files, kMusic, songs), player::kSongSlots);
  EXPECT_EQ(songs[50].sjis, "50.mp3");
  EXPECT_EQ(files.entries_visited, player::kSongSlots);
}

TEST(DirectoryScan, AListingThatGoesOnAfterStopNeverWritesPastTheTable) {
  doubles::FileSystemDouble files;
  files.ignores_stop = true;
  for (int i = 0; i < 200; ++i) files.AddFile("music", std::to_string(i) + ".mp3");
  SongTable songs;
  EXPECT_EQ(player::ScanDirectory(files, kMusic, songs), player::kSongSlots);
  EXPECT_EQ(songs[50].sjis, "50.mp3");
  EXPECT_EQ(files.entries_visited, 200);
}

TEST(ButtonCountRule, EveryFileGetsAButtonUpTo21AndLongerListsShow21) {
  EXPECT_EQ(player::ButtonCountRule(1), 0);
  EXPECT_EQ(player::ButtonCountRule(20), 19);
  EXPECT_EQ(player::ButtonCountRule(21), 20);
  EXPECT_EQ(player::ButtonCountRule(22), 20);
  EXPECT_EQ(player::ButtonCountRule(51), 20);
}

TEST(WindowSizing, HeightAndPictureFollowTheLastButton) {
  struct Row {
    int buttons, height, picture_top;
  };
  for (const Row row : {Row{1, 180, 70}, Row{10, 720, 610}, Row{20, 1320, 1210}}) {
    const int max_index = row.buttons - 1;
    EXPECT_EQ(player::WindowOuterHeight(max_index), row.height);
    EXPECT_EQ(player::PictureTop(max_index), row.picture_top);
    const platform::Bounds last = player::SongButtonBounds(max_index);
    EXPECT_EQ(player::PictureTop(max_index) - (last.top + last.height), 14);
  }
  EXPECT_EQ(player::kWindowOuterWidth, 320);
  EXPECT_EQ(player::SongButtonBounds(0), (platform::Bounds{15, 16, 290, 40}));
  EXPECT_EQ(player::SongButtonBounds(3), (platform::Bounds{15, 196, 290, 40}));
}

TEST(WindowSizing, TheClientAreaIsTheOuterSizeLessOneFixedFrame) {
  const int frame_height = player::WindowOuterHeight(0) - player::WindowClientHeight(0);
  for (int max_index = 0; max_index <= player::kMaxShownIndex; ++max_index)
    EXPECT_EQ(player::WindowOuterHeight(max_index) - player::WindowClientHeight(max_index), frame_height);
  // A title bar and a menu bar above, a border all round.
  EXPECT_GT(frame_height, 2 * (player::kWindowOuterWidth - player::WindowClientWidth()));
  // The picture and the last button stay inside the client area.
  EXPECT_LE(player::PictureTop(0) + player::Image1Spec().bounds.height, player::WindowClientHeight(0));
  const platform::Bounds first = player::SongButtonBounds(0);
  EXPECT_LE(first.left + first.width, player::WindowClientWidth());
}

TEST(SongCaption, ShortTitlesArePaddedToTwentyBytes) {
  EXPECT_EQ(player::SongCaption(0, "ABC.MP3"), " 1 ABC" + std::string(17, ' '));
  EXPECT_EQ(player::SongCaption(0, "ABC.MP3").size(), 23u);
  EXPECT_EQ(player::SongCaption(11, "Umi no uta.mp3"), " 12 Umi no uta" + std::string(10, ' '));
}

TEST(SongCaption, TenDoubleByteCharactersFillTheFieldExactly) {
  const std::string title = Sjis("あいうえおかきくけこ");
  ASSERT_EQ(title.size(), 20u);
  EXPECT_EQ(player::SongCaption(1, title + ".mp3"), " 2 " + title);
}

TEST(SongCaption, EmptyTitleGivesNineteenBlanks) {
  EXPECT_EQ(player::SongCaption(0, ".mp3"), " 1 " + std::string(19, ' '));
}

TEST(SongCaption, TwentyOneBytesAreCutAndMayLeaveALoneLeadByte) {
  const std::string title = "a" + Sjis("あいうえおかきくけこ");  // 21 bytes
  const std::string field = player::TitleField(title);
  ASSERT_EQ(field.size(), 20u);
  EXPECT_EQ(field, title.substr(0, 20));
  EXPECT_EQ(static_cast<unsigned char>(field.back()), 0x82);  // the first byte of "こ"
}

TEST(SongCaption, LongTitlesShowTheirFirstTwentyBytes) {
  const std::string title(255, 'x');
  EXPECT_EQ(player::TitleField(title), std::string(20, 'x'));
  EXPECT_EQ(player::TitleField(std::string(30, 'y')), std::string(20, 'y'));
}

TEST(SongCaption, NamesShorterThanTheirExtensionHaveNoTitle) {
  EXPECT_EQ(player::TitleOf("a"), "");
  EXPECT_EQ(player::TitleOf(""), "");
}
