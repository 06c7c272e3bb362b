// The player's properties, checked at each call into the platform and after each action.
#include "tests/fuzz/player_world.h"

#include <algorithm>
#include <stdexcept>

#include "player/announcement.h"
#include "player/colours.h"
#include "player/player_layout.h"
#include "player/song_list.h"
#include "player/texts.h"
#include "tests/fuzz/fuzz_check.h"

namespace fuzz {

namespace {

class CheckedSpeechControl : public platform::SpeechControl {
 public:
  CheckedSpeechControl(PlayerWorld& world, const doubles::SpeechFailures& fail)
      : world_(world), fail_(fail) {}
  void SetSpeed(int32_t speed) override {
    if (fail_.speed) throw platform::SpeechError(-1, "speed refused");
    FUZZ_CHECK(speed == 160, "the speech speed is the program's normal speed");
  }
  void Speak(const std::u16string& text) override {
    if (fail_.speak) throw platform::SpeechError(-1, "speak refused");
    world_.Spoken(text);
  }
  void Silence() override {
    if (fail_.silence) throw platform::SpeechError(-1, "silence refused");
    world_.Silenced();
  }

 private:
  PlayerWorld& world_;
  const doubles::SpeechFailures& fail_;
};

// A file name less its last four bytes; written here rather than taken from the program.
std::string Title(const std::string& name) {
  return name.size() > 4 ? name.substr(0, name.size() - 4) : "";
}

bool IsSong(const platform::FolderEntry& entry) {
  const std::string& name = entry.name.native;
  if (entry.is_directory || name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return tail == ".mp3";
}

}  // namespace

std::unique_ptr<platform::SpeechControl> CheckedSpeech::Create() {
  if (fail.create) throw std::runtime_error("class not registered");
  world_.speech_created = true;
  return std::make_unique<CheckedSpeechControl>(world_, fail);
}

void CheckedMedia::Open(const platform::PathName& path) {
  world_.Opened(path);
  MediaDouble::Open(path);
}

bool ListedFiles::ListFolder(const platform::PathName& folder,
                             const std::function<bool(const platform::FolderEntry&)>& visit) {
  world_.Listed(folder);
  return FileSystemDouble::ListFolder(folder, visit);
}

void PlayerWorld::Listed(const platform::PathName& folder) {
  // A scan that finds songs replaces the list; one that finds none changes nothing.
  const auto found = files.folders.find(folder.native);
  if (found == files.folders.end()) return;
  std::vector<platform::PathName> listed;
  for (const auto& entry : found->second)
    if (IsSong(entry) && listed.size() < player::kSongSlots) listed.push_back(entry.name);
  if (listed.empty()) return;
  songs = listed;
  song_folder = folder;
}

void PlayerWorld::Spoken(const std::u16string& text) {
  const bool announcement = !text.empty() && text[0] >= u'0' && text[0] <= u'9';
  if (announcement) {
    const doubles::ButtonDouble* focused = Player().FocusedButton();
    FUZZ_CHECK(focused != nullptr, "an announcement is made for a focused song button");
    const int tag = focused->Tag();
    FUZZ_CHECK(tag >= 0 && static_cast<size_t>(tag) < songs.size(),
               "the focused song is a song of the list");
    const std::string expected =
        std::to_string(tag + 1) + " " + Title(songs[static_cast<size_t>(tag)].sjis);
    FUZZ_CHECK(text == codec.SjisToUtf16(expected),
               "an announcement speaks the focused song's number and title");
    FUZZ_CHECK(!announced_ || silenced_last_,
               "each announcement but the first cuts off the speech before it");
    announced_ = true;
    announced_in_action_ = tag;
  } else {
    bool known = text == texts::spoken::kNoMusicFolder || text == texts::spoken::kNoMp3InMusic ||
                 text == texts::spoken::kGoodbye || text == texts::spoken::kVersion;
    for (const auto& song : songs)
      known = known ||
              text == codec.SjisToUtf16(texts::kNotFoundHead + song.sjis + texts::kNotFoundTail);
    FUZZ_CHECK(known, "the program speaks only its announcements and messages");
  }
  silenced_last_ = false;
}

void PlayerWorld::Silenced() { silenced_last_ = true; }

void PlayerWorld::Opened(const platform::PathName& path) {
  const size_t shown = Player().Buttons().size();
  bool shown_song = false;
  for (size_t i = 0; i < shown && i < songs.size(); ++i)
    shown_song = shown_song || path == files.Join(song_folder, songs[i]);
  FUZZ_CHECK(shown_song,
             "only a song with a button is opened, from the folder the songs come from");
}

void PlayerWorld::BeforeAction() {
  focus_before_ = Player().FocusedId();
  announced_in_action_.reset();
}

void PlayerWorld::AfterAction() {
  CheckButtonsAndWindow();
  CheckOutlines();
  const doubles::ButtonDouble* focused = Player().FocusedButton();
  if (!focused || Player().FocusedId() == focus_before_) return;
  // The focus came to another song: its frame shows, and it was announced last.
  const platform::Outline frame{player::HighlightFrame(focused->GetBounds()), player::kBlue,
                                player::kFramePenWidth};
  const auto& shown = Player().outlines;
  FUZZ_CHECK(std::find(shown.begin(), shown.end(), frame) != shown.end(),
             "the focused song is framed");
  if (speech_created && !speech.fail.speak && !speech.fail.silence)
    FUZZ_CHECK(announced_in_action_ == focused->Tag(),
               "the song that takes the focus is announced");
}

void PlayerWorld::CheckButtonsAndWindow() {
  const std::vector<doubles::ButtonDouble*> buttons = Player().Buttons();
  if (buttons.empty()) return;  // only while a failed start-up ends the program
  const size_t count = buttons.size();
  FUZZ_CHECK(count <= static_cast<size_t>(player::kMaxShownIndex) + 1, "MaxIndex is at most 20");
  FUZZ_CHECK(count == std::min(songs.size(), size_t{21}), "every song gets a button, up to 21");
  for (size_t i = 0; i < count; ++i) {
    const platform::PushButtonSpec& spec = buttons[i]->spec;
    FUZZ_CHECK(spec.tag == static_cast<int>(i),
               "the buttons are in song order, each tagged with its index");
    FUZZ_CHECK(spec.bounds == player::SongButtonBounds(static_cast<int>(i)),
               "each button sits in its place");
    FUZZ_CHECK(spec.caption == player::SongCaption(static_cast<int>(i), songs[i].sjis),
               "each button shows its own song of the current list");
  }
  const int32_t max_index = static_cast<int32_t>(count) - 1;
  FUZZ_CHECK(Player().client_width == player::WindowClientWidth() &&
                 Player().client_height == player::WindowClientHeight(max_index),
             "the window's size follows MaxIndex");
  // The graphics in the order the player adds them: the top line, the picture's frame, the picture.
  const auto& graphics = Player().graphics;
  FUZZ_CHECK(graphics.size() == 3 && graphics[1]->bounds.top == player::PictureTop(max_index) &&
                 graphics[2]->bounds.top == player::PictureTop(max_index),
             "the staff picture and its frame sit below the last button");
}

void PlayerWorld::CheckOutlines() {
  const std::vector<doubles::ButtonDouble*> buttons = Player().Buttons();
  for (const platform::Outline& outline : Player().outlines) {
    bool frames_a_button = false;
    for (const doubles::ButtonDouble* button : buttons)
      frames_a_button = frames_a_button ||
                        outline == platform::Outline{player::HighlightFrame(button->GetBounds()),
                                                     player::kBlue, player::kFramePenWidth};
    FUZZ_CHECK(frames_a_button, "the window shows frames only around its song buttons");
  }
}

}  // namespace fuzz
