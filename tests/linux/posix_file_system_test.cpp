// The file system as the player uses it: the music folder, its songs in a teacher's order, the
// help text, song paths.
#include "platform/linux/posix_file_system.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/linux/iconv_codec.h"
#include "tests/linux/temp_folder.h"

namespace {

using platform::FolderEntry;
using platform::PathName;
using platform::linux_impl::IconvCodec;
using platform::linux_impl::ListedBefore;
using platform::linux_impl::PosixFileSystem;

PathName Native(const std::string& native) { return PathName{"", native}; }

std::vector<FolderEntry> List(PosixFileSystem& files, const std::string& folder) {
  std::vector<FolderEntry> entries;
  files.ListFolder(Native(folder), [&](const FolderEntry& entry) {
    entries.push_back(entry);
    return true;
  });
  return entries;
}

std::vector<std::string> Names(const std::vector<FolderEntry>& entries) {
  std::vector<std::string> names;
  for (const FolderEntry& entry : entries) names.push_back(entry.name.native);
  return names;
}

class FileSystemTest : public ::testing::Test {
 protected:
  linux_tests::TempFolder folder;
  PosixFileSystem files;
};

TEST_F(FileSystemTest, OnlyAFolderCountsAsAFolder) {
  folder.MakeFolder("music");
  folder.Write("notes", "");
  symlink((folder / "music").c_str(), (folder / "linked").c_str());
  EXPECT_TRUE(files.DirectoryExists(Native(folder / "music")));
  EXPECT_TRUE(files.DirectoryExists(Native(folder / "linked")));
  EXPECT_FALSE(files.DirectoryExists(Native(folder / "notes")));
  EXPECT_FALSE(files.DirectoryExists(Native(folder / "missing")));
}

TEST_F(FileSystemTest, AFileNamedMusicIsNoMusicFolder) {
  folder.Write("music", "not a folder");
  EXPECT_FALSE(files.DirectoryExists(Native(folder / "music")));
  EXPECT_FALSE(files.ListFolder(Native(folder / "music"), [](const FolderEntry&) { return true; }));
}

TEST_F(FileSystemTest, RelativePathsStartAtTheWorkingFolder) {
  folder.MakeFolder("music");
  folder.Write("music/a.mp3", "x");
  char previous[PATH_MAX];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(folder.path().c_str()), 0);
  const bool exists = files.DirectoryExists(PathName::Ascii("music"));
  const auto entries = List(files, "music");
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_TRUE(exists);
  EXPECT_EQ(Names(entries), std::vector<std::string>{"a.mp3"});
}

TEST_F(FileSystemTest, ListsEveryEntryHiddenOnesTooButNotDotAndDotDot) {
  folder.Write("song.mp3", "");
  folder.Write(".hidden.mp3", "");
  folder.MakeFolder(".secret");
  EXPECT_EQ(Names(List(files, folder.path())),
            (std::vector<std::string>{".hidden.mp3", ".secret", "song.mp3"}));
}

TEST_F(FileSystemTest, FoldersAndLinksToFoldersAreMarkedAsFolders) {
  folder.MakeFolder("old.mp3");
  folder.Write("song.mp3", "");
  symlink((folder / "old.mp3").c_str(), (folder / "link-to-folder.mp3").c_str());
  symlink((folder / "song.mp3").c_str(), (folder / "link-to-song.mp3").c_str());
  symlink((folder / "gone").c_str(), (folder / "broken.mp3").c_str());
  std::vector<std::string> folders, others;
  for (const FolderEntry& entry : List(files, folder.path()))
    (entry.is_directory ? folders : others).push_back(entry.name.native);
  EXPECT_EQ(folders, (std::vector<std::string>{"link-to-folder.mp3", "old.mp3"}));
  EXPECT_EQ(others, (std::vector<std::string>{"broken.mp3", "link-to-song.mp3", "song.mp3"}));
}

TEST_F(FileSystemTest, SongsComeInTheTeachersOrderWhateverOrderTheyWereMadeIn) {
  for (const char* name :
       {"10.mp3", "b.mp3", "02.mp3", "C.mp3", "a.mp3", "01.mp3", "A.mp3", "さくら.mp3", "あめ.mp3"})
    folder.Write(name, "");
  EXPECT_EQ(Names(List(files, folder.path())),
            (std::vector<std::string>{"01.mp3", "02.mp3", "10.mp3", "A.mp3", "a.mp3", "b.mp3",
                                      "C.mp3", "あめ.mp3", "さくら.mp3"}));
}

TEST_F(FileSystemTest, AFolderOfThousandsIsListedInOrderWhereverTheVisitStops) {
  // Made in an order of their own: every seventh number, round and round.
  std::vector<std::string> names;
  for (int i = 0; i < 3000; ++i) names.push_back("song " + std::to_string(10000 + i * 7 % 3000) + ".mp3");
  for (const std::string& name : names) folder.Write(name.c_str(), "");
  std::sort(names.begin(), names.end());
  EXPECT_EQ(Names(List(files, folder.path())), names);
  std::vector<std::string> first;
  files.ListFolder(Native(folder.path()), [&](const FolderEntry& entry) {
    first.push_back(entry.name.native);
    return first.size() < 51;
  });
  EXPECT_EQ(first, std::vector<std::string>(names.begin(), names.begin() + 51));
}

TEST(ListedBefore, CapitalsAndSmallLettersSortTogetherThenCapitalsFirst) {
  EXPECT_TRUE(ListedBefore("apple", "Banana"));
  EXPECT_TRUE(ListedBefore("Apple", "apple"));
  EXPECT_FALSE(ListedBefore("apple", "Apple"));
  EXPECT_FALSE(ListedBefore("same", "same"));
  EXPECT_TRUE(ListedBefore("a", "ab"));
  EXPECT_TRUE(ListedBefore("Z", "_"));         // "_" comes after the capitals, as on Windows
  EXPECT_TRUE(ListedBefore("z", "\x82\xa0"));  // bytes above ASCII after every ASCII name
}

TEST_F(FileSystemTest, NamesKeepTheirBytesBesideTheirShiftJisForm) {
  folder.Write("東京の夜空.mp3", "");
  folder.Write("\x82\xa0.mp3", "");  // not UTF-8
  const auto entries = List(files, folder.path());
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].name.native, "\x82\xa0.mp3");
  EXPECT_EQ(entries[0].name.sjis, "??.mp3");
  EXPECT_EQ(entries[1].name.native, "東京の夜空.mp3");
  EXPECT_EQ(entries[1].name.sjis, IconvCodec::Utf8ToSjis("東京の夜空.mp3"));
}

TEST_F(FileSystemTest, ListingStopsWhenTheVisitSaysSo) {
  for (const char* name : {"1.mp3", "2.mp3", "3.mp3"}) folder.Write(name, "");
  std::vector<std::string> seen;
  EXPECT_TRUE(files.ListFolder(Native(folder.path()), [&](const FolderEntry& entry) {
    seen.push_back(entry.name.native);
    return seen.size() < 2;
  }));
  EXPECT_EQ(seen, (std::vector<std::string>{"1.mp3", "2.mp3"}));
}

TEST_F(FileSystemTest, AMissingFolderListsNothing) {
  bool visited = false;
  EXPECT_FALSE(files.ListFolder(Native(folder / "missing"), [&](const FolderEntry&) {
    visited = true;
    return true;
  }));
  EXPECT_FALSE(visited);
}

TEST_F(FileSystemTest, APathKnownOnlyInShiftJisFindsItsFolder) {
  folder.MakeFolder("東京");
  EXPECT_TRUE(files.DirectoryExists(PathName{IconvCodec::Utf8ToSjis(folder.path() + "/東京"), ""}));
}

TEST_F(FileSystemTest, ReadsEveryByteOfAFile) {
  const std::string bytes("\x83\x77\x83\x8b\x83\x76\r\n\0end", 11);
  folder.Write("ReadMe_sapi.txt", bytes);
  EXPECT_EQ(files.ReadFile(Native(folder / "ReadMe_sapi.txt")), bytes);
  EXPECT_EQ(files.ReadFile(Native(folder / "missing.txt")), std::nullopt);
  EXPECT_EQ(files.ReadFile(Native(folder.MakeFolder("a folder"))), std::nullopt);
}

TEST(Join, PutsExactlyOneSlashBetweenFolderAndName) {
  PosixFileSystem files;
  const PathName joined = files.Join(PathName::Ascii("music"), PathName{"\x82\xa0", "あ"});
  EXPECT_EQ(joined.native, "music/あ");
  EXPECT_EQ(joined.sjis, "music/\x82\xa0");
  EXPECT_EQ(files.Join(PathName::Ascii("/songs/"), PathName::Ascii("a.mp3")).native,
            "/songs//a.mp3");
}

TEST(ProgramFile, NameAndFolderAreThoseOfTheRunningProgram) {
  PosixFileSystem files;
  char folder[PATH_MAX];
  ASSERT_NE(realpath(TEST_BINARY_DIR, folder), nullptr);
  EXPECT_EQ(files.ProgramName().native, "otopicco_linux_services_tests");
  EXPECT_EQ(files.ProgramName().sjis, "otopicco_linux_services_tests");
  EXPECT_EQ(files.ProgramFolder().native, folder);
}

}  // namespace
