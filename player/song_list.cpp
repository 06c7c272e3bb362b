// The song list's rules: scanning, the button count and the captions.
#include "player/song_list.h"

#include <algorithm>

namespace player {

namespace {
constexpr int kTitleFieldBytes = 20;
constexpr char kSongExtension[] = ".mp3";
constexpr size_t kExtensionBytes = sizeof kSongExtension - 1;

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool IsSongFileName(const std::string& name) {
  if (name.size() < kExtensionBytes) return false;
  // No byte of a multi-byte character is a "." (in Shift-JIS as in UTF-8), so a name whose
  // fourth byte from the end is one ends in four single-byte characters.
  const std::string tail = name.substr(name.size() - kExtensionBytes);
  for (size_t i = 0; i < kExtensionBytes; ++i)
    if (LowerAscii(tail[i]) != kSongExtension[i]) return false;
  return true;
}

int ScanDirectory(platform::FileSystem& files, const platform::PathName& folder, SongTable& songs) {
  int count = 0;
  files.ListFolder(folder, [&](const platform::FolderEntry& entry) {
    // Only 21 songs ever get a button: a folder of 100,000 files is not read to its end, and a
    // listing that goes on regardless never writes past the table.
    if (count >= kSongSlots) return false;
    if (!entry.is_directory && IsSongFileName(entry.name.native)) songs[count++] = entry.name;
    return count < kSongSlots;
  });
  return count;
}

int32_t ButtonCountRule(int count) { return std::min<int32_t>(count - 1, kMaxShownIndex); }

std::string TitleOf(const std::string& file_name) {
  if (file_name.size() <= kExtensionBytes) return std::string();
  return file_name.substr(0, file_name.size() - kExtensionBytes);
}

std::string TitleField(const std::string& title) {
  if (title.empty()) return std::string(kTitleFieldBytes - 1, ' ');
  std::string field = title.substr(0, kTitleFieldBytes);
  field.resize(kTitleFieldBytes, ' ');
  return field;
}

std::string SongCaption(int index, const std::string& file_name) {
  return " " + std::to_string(index + 1) + " " + TitleField(TitleOf(file_name));
}

}  // namespace player
