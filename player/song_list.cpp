// The song list's rules: scanning, the button count, captions and the window's size.
#include "player/song_list.h"

#include <algorithm>

namespace player {

namespace {
constexpr int kTitleFieldBytes = 20;
constexpr int kExtensionBytes = 4;
constexpr int kButtonLeft = 15, kButtonTop = 16, kButtonPitch = 60;
constexpr int kButtonWidth = 290, kButtonHeight = 40;
}  // namespace

int ScanDirectory(platform::FileSystem& files, const platform::PathName& pattern, SongTable& songs) {
  int count = 0;
  files.FindFiles(pattern, [&](const platform::DirectoryEntry& entry) {
    if (entry.attributes & platform::kAttributeDirectory) return true;
    songs[count++] = entry.name;
    // Only 21 songs ever get a button: a folder of 100,000 files is not read to its end.
    return count < kSongSlots;
  });
  return count;
}

int32_t ButtonCountRule(int count) { return std::min<int32_t>(count - 1, kMaxShownIndex); }

std::string TitleOf(const std::string& file_name) {
  if (file_name.size() <= static_cast<size_t>(kExtensionBytes)) return std::string();
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

int WindowOuterHeight(int32_t max_index) { return 60 * max_index + 180; }

int PictureTop(int32_t max_index) { return 60 * max_index + 70; }

platform::Bounds SongButtonBounds(int index) {
  return platform::Bounds{kButtonLeft, kButtonTop + kButtonPitch * index, kButtonWidth,
                          kButtonHeight};
}

}  // namespace player
