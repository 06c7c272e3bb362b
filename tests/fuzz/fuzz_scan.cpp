// The directory scan over any listing: names of any bytes, directories among them, thousands of
// entries, a file system that lists on after being told to stop. At most 51 names are stored,
// only files whose names end in ".mp3" in any letter case, in the listing's order; the count is
// right and the slots after it keep what they held.
//
// Input: a flags byte (bit 0: the folder is missing; bit 1: the listing ignores the stop), the
// entry count (two bytes, up to 4095), then one byte per entry (bit 7: a directory; bits 5-6:
// ".mp3", ".MP3", ".mp3" in the case a further byte gives, or no extension; bits 0-4: how many
// name bytes follow). Entries past the end of the input are made from zeros.
#include <string>
#include <vector>

#include "player/song_list.h"
#include "tests/doubles/file_system_double.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

const platform::PathName kFolder = platform::PathName::Ascii("songs");

std::string Extension(fuzz::ByteReader& input, int kind) {
  switch (kind) {
    case 0: return ".mp3";
    case 1: return ".MP3";
    case 2: {
      std::string extension = ".mp3";
      const uint8_t capitals = input.Byte();
      for (int i = 1; i < 4; ++i)
        if (capitals & (1 << i)) extension[i] = static_cast<char>(extension[i] - 'a' + 'A');
      return extension;
    }
    default: return "";
  }
}

// Whether a name is a song's, written here on its own rather than taken from the program.
bool EndsInMp3(const std::string& name) {
  if (name.size() < 4) return false;
  const char* tail = name.c_str() + name.size() - 4;
  return tail[0] == '.' && (tail[1] | 0x20) == 'm' && (tail[2] | 0x20) == 'p' && tail[3] == '3';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader input(data, size);
  const uint8_t flags = input.Byte();
  const bool missing = flags & 1;
  doubles::FileSystemDouble files;
  files.ignores_stop = flags & 2;
  const int high = input.Byte();
  const int count = (high << 8 | input.Byte()) & 0x0FFF;

  std::vector<platform::PathName> songs_listed;  // the names a scan must store, in order
  int entries_to_fill = 0;                       // the entries up to the 51st song's
  if (!missing) files.folders[kFolder.native];
  for (int i = 0; i < count && !missing; ++i) {
    const uint8_t shape = input.Byte();
    std::string name = input.Bytes(shape & 0x1F);
    name += Extension(input, (shape >> 5) & 3);
    const bool directory = shape & 0x80;
    files.folders[kFolder.native].push_back({platform::PathName{name, name}, directory});
    if (!directory && EndsInMp3(name)) {
      songs_listed.push_back(platform::PathName{name, name});
      if (songs_listed.size() == player::kSongSlots) entries_to_fill = i + 1;
    }
  }

  player::SongTable table;
  const platform::PathName earlier = platform::PathName::Ascii("earlier scan.mp3");
  table.fill(earlier);
  const int stored = player::ScanDirectory(files, kFolder, table);

  const size_t expected = songs_listed.size() < table.size() ? songs_listed.size() : table.size();
  FUZZ_CHECK(stored >= 0 && static_cast<size_t>(stored) == expected,
             "the count is the number of songs listed, up to 51");
  for (size_t i = 0; i < table.size(); ++i) {
    if (i < expected) {
      FUZZ_CHECK(table[i] == songs_listed[i], "the songs are stored in the listing's order");
    } else {
      FUZZ_CHECK(table[i] == earlier, "slots past the count keep what an earlier scan stored");
    }
  }
  if (!files.ignores_stop && songs_listed.size() >= table.size())
    FUZZ_CHECK(files.entries_visited == entries_to_fill, "a full table stops the listing");
  if (songs_listed.size() < table.size() && !missing)
    FUZZ_CHECK(files.entries_visited == count, "a folder of fewer songs is listed to its end");
  return 0;
}
