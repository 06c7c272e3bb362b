// The song list: which files of a folder become songs and how their buttons are captioned. Pure
// functions, apart from the scan that reads a folder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/file_system.h"
#include "platform/text.h"

namespace player {

// Slots for file names; names past the last slot are never stored.
constexpr int kSongSlots = 51;
using SongTable = std::array<platform::PathName, kSongSlots>;

// The highest song index that gets a button. 21 files give 21 buttons, and so does any longer
// list: adding a song never takes a button away.
constexpr int32_t kMaxShownIndex = 20;

// True for a name that ends in ".mp3" in any letter case (".mp3" alone included).
bool IsSongFileName(const std::string& name);

// Lists the folder into `songs` from index 0, in the order the file system gives, keeping the
// entries that are no directory and whose name is a song file name. Stops listing once the table
// is full. Returns the count stored; entries past it keep what an earlier scan left. A folder
// that cannot be listed stores nothing.
int ScanDirectory(platform::FileSystem& files, const platform::PathName& folder, SongTable& songs);

// MaxIndex for a count of at least 1.
int32_t ButtonCountRule(int count);

// The song's title: its file name less the last four bytes (the extension, in any letter case).
std::string TitleOf(const std::string& file_name);

// The title as the button shows it: exactly 20 bytes, padded with blanks, or cut after byte 20
// (a cut may leave the first byte of a double-byte character alone); an empty title gives 19
// blanks.
std::string TitleField(const std::string& title);

// " 1 " + title field for song index 0, and so on.
std::string SongCaption(int index, const std::string& file_name);

}  // namespace player
