// The whole program on its in-memory platform, driven by any sequence of keys (with modifiers),
// clicks, menu commands, folder choices, paints, activations, songs ending, failures of speech
// and of songs, and changes to the folders. After every action the player shows one button per
// song of its list (up to 21), in place, in a window sized to them, framed only around its
// buttons; every announcement names the focused song; every file opened is a shown song; and
// nothing is ever written to the file system.
//
// Input: a flags byte (bit 0: a music folder; bit 1: no speech engine; bit 2: a help file), then
// four folders ("music" and three others), each a count byte (bit 7: that many times 32) and
// one shape byte per entry (bit 7: a directory; bits 5-6: ".mp3", ".MP3", ".txt" or nothing
// after the name; bits 0-4: how many name bytes follow), then the help file (a length byte and
// its bytes), then actions, a byte each with the arguments it reads.
#include <map>

#include "app/program.h"
#include "tests/fuzz/fuzz_check.h"
#include "tests/fuzz/player_world.h"

namespace {

using fuzz::ByteReader;
using fuzz::PlayerWorld;
using platform::Key;

const char* const kFolders[] = {"music", "/songs/a", "/songs/b", "/songs/c"};
constexpr int kKeys = static_cast<int>(Key::S) + 1;

platform::FolderEntry ReadEntry(ByteReader& input) {
  const uint8_t shape = input.Byte();
  const char* const extensions[] = {".mp3", ".MP3", ".txt", ""};
  const std::string name = input.Bytes(shape & 0x1F) + extensions[(shape >> 5) & 3];
  return platform::FolderEntry{platform::PathName{name, name}, (shape & 0x80) != 0};
}

using Folders = std::map<std::string, std::vector<platform::FolderEntry>>;

void ReadFolders(ByteReader& input, PlayerWorld& world, bool with_music) {
  for (int f = with_music ? 0 : 1; f < 4; ++f) {
    auto& entries = world.files.folders[kFolders[f]];
    const uint8_t b = input.Byte();
    const int count = (b & 0x80) ? (b & 0x7F) * 32 : b;
    for (int i = 0; i < count; ++i) entries.push_back(ReadEntry(input));
  }
}

platform::KeyEvent ReadKey(ByteReader& input) {
  const Key key = static_cast<Key>(input.Below(kKeys));
  const uint8_t m = input.Byte();
  return platform::KeyEvent{key, platform::Modifiers{(m & 1) != 0, (m & 2) != 0, (m & 4) != 0}};
}

// What an adult does in the folder dialog: moves the tree's selection, then ends the showing.
void UseFolderDialog(ByteReader& input, doubles::FormDouble& dialog) {
  dialog.Activate();
  const int choice = input.Below(8);
  if (choice < 4) {
    dialog.tree->selected = platform::PathName::Ascii(kFolders[choice]);
  } else if (choice == 4) {
    dialog.tree->selected = platform::PathName::Ascii("/gone");
  } else if (choice == 5) {
    dialog.tree->selected = platform::PathName{};
  } else if (choice == 6) {
    dialog.tree->selected.reset();
  }
  // デスクットプ, ＯＫ, キャンセル
  const std::vector<doubles::ButtonDouble*> buttons = dialog.Buttons();
  switch (input.Below(6)) {
    case 0: dialog.Press(Key::Enter); break;
    case 1: dialog.Press(Key::Escape); break;
    case 2: dialog.Press(Key::F4, platform::Modifiers{false, false, true}); break;
    case 3: dialog.MouseRelease(*buttons.at(input.Below(3))); break;
    case 4: dialog.Press(Key::Tab), dialog.Press(Key::Space); break;
    default: break;  // the close box
  }
}

// A file is added to a folder or taken away, both in the file system and in the target's copy
// of what it should hold.
void ChangeFolder(ByteReader& input, PlayerWorld& world, Folders& copy) {
  const char* folder = kFolders[input.Below(4)];
  if (!world.files.folders.count(folder)) return;
  auto& entries = world.files.folders[folder];
  if (input.Flag()) {
    entries.push_back(ReadEntry(input));
    copy[folder].push_back(entries.back());
  } else if (!entries.empty()) {
    const auto at = input.Byte() % static_cast<std::ptrdiff_t>(entries.size());
    entries.erase(entries.begin() + at);
    copy[folder].erase(copy[folder].begin() + at);
  }
}

void ToggleFailure(ByteReader& input, PlayerWorld& world) {
  auto& fail = world.speech.fail;
  switch (input.Below(4)) {
    case 0: fail.speak = !fail.speak; break;
    case 1: fail.silence = !fail.silence; break;
    case 2: fail.speed = !fail.speed; break;
    default:
      // A song's file goes missing or becomes unplayable.
      if (!world.songs.empty()) {
        const auto& song = world.songs[static_cast<size_t>(input.Byte()) % world.songs.size()];
        world.media.unplayable.insert(world.files.Join(world.song_folder, song).native);
      }
  }
}

// One of the player's song buttons, or none when it has none.
doubles::ButtonDouble* ReadButton(ByteReader& input, doubles::FormDouble& player) {
  const std::vector<doubles::ButtonDouble*> buttons = player.Buttons();
  const uint8_t choice = input.Byte();
  return buttons.empty() ? nullptr : buttons[choice % buttons.size()];
}

void Act(ByteReader& input, PlayerWorld& world, Folders& copy) {
  doubles::FormDouble& player = world.Player();
  doubles::ButtonDouble* button = nullptr;
  switch (input.Below(12)) {
    case 0: {
      const auto key = ReadKey(input);
      player.Press(key.key, key.modifiers);
      break;
    }
    case 1: {
      const auto key = ReadKey(input);
      player.KeyDown(key.key, key.modifiers);
      break;
    }
    case 2: {
      const auto key = ReadKey(input);
      player.KeyUp(key.key, key.modifiers);
      break;
    }
    case 3:  // a click: pressed, then released on the button
      if ((button = ReadButton(input, player)))
        player.MousePress(*button), player.MouseRelease(*button);
      break;
    case 4:  // pressed only: the release happens elsewhere
      if ((button = ReadButton(input, player))) player.MousePress(*button);
      break;
    case 5: player.events.OnMenu(1 + input.Below(5)); break;
    case 6: player.Paint(); break;
    case 7: player.Activate(); break;
    case 8: world.media.End(); break;
    case 9: ToggleFailure(input, world); break;
    case 10: {
      doubles::FormDouble& help = world.windows.Form(1);
      const auto key = ReadKey(input);
      if (help.visible) help.Activate(), help.Press(key.key, key.modifiers);
      break;
    }
    default: ChangeFolder(input, world, copy); break;
  }
}

bool SameEntries(const Folders& a, const Folders& b) {
  if (a.size() != b.size()) return false;
  for (const auto& [folder, entries] : a) {
    const auto other = b.find(folder);
    if (other == b.end() || other->second.size() != entries.size()) return false;
    for (size_t i = 0; i < entries.size(); ++i)
      if (!(entries[i].name == other->second[i].name) ||
          entries[i].is_directory != other->second[i].is_directory)
        return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ByteReader input(data, size);
  PlayerWorld world;
  const uint8_t flags = input.Byte();
  world.speech.fail.create = flags & 2;
  ReadFolders(input, world, flags & 1);
  const std::string help = input.Text();
  if (flags & 4) world.files.files["ReadMe_sapi.txt"] = help;

  Folders folders_as_left = world.files.folders;  // kept up to date with the target's own changes
  const auto files_as_left = world.files.files;
  world.windows.while_running = [&] {
    world.windows.Form(2).while_modal = [&](doubles::FormDouble& dialog) {
      UseFolderDialog(input, dialog);
    };
    world.AfterAction();
    // The window is shown and becomes active: its first song takes the focus.
    world.BeforeAction();
    world.Guard([&] { world.Player().Activate(); });
    world.AfterAction();
    while (!input.Empty()) {
      world.BeforeAction();
      world.Guard([&] { Act(input, world, folders_as_left); });
      world.AfterAction();
    }
  };
  app::RunProgram(world.services);
  // To see what an input does: OTOPICCO_FUZZ_TRACE=1 build/fuzz/tests/fuzz/fuzz_player INPUT
  if (std::getenv("OTOPICCO_FUZZ_TRACE"))
    for (const std::string& event : world.log.events) std::fprintf(stderr, "%s\n", event.c_str());
  FUZZ_CHECK(
      SameEntries(world.files.folders, folders_as_left) && world.files.files == files_as_left,
      "nothing is written to the file system");
  return 0;
}
