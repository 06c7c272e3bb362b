// A player window on the in-memory platform, with every double writing to one log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "platform/linux/iconv_codec.h"
#include "player/mp3_form.h"
#include "tests/doubles/file_system_double.h"
#include "tests/doubles/media_double.h"
#include "tests/doubles/speech_double.h"
#include "tests/doubles/utf.h"
#include "tests/doubles/window_system_double.h"

class PlayerTest : public ::testing::Test {
 protected:
  doubles::EventLog log;
  doubles::WindowSystemDouble windows{log};
  doubles::SpeechFactoryDouble speech{log};
  doubles::MediaDouble media{log};
  doubles::FileSystemDouble files;
  platform::linux_impl::IconvCodec codec;
  platform::Services services{windows, speech, media, files, codec};
  std::unique_ptr<TMp3Form> form;

  // A folder (music unless named) with these song files (names in UTF-8).
  void GivenSongs(const std::vector<std::string>& names, const std::string& folder = "music") {
    files.folders[folder];
    for (const auto& name : names) files.AddFile(folder, doubles::Sjis(name));
  }
  void GivenNumberedSongs(int count) {
    files.folders["music"];
    for (int i = 1; i <= count; ++i) files.AddFile("music", "song" + std::to_string(i) + ".mp3");
  }
  // Creates the window and runs its start-up, as the program entry does.
  void Start() {
    windows.SetShortCutHook(&TMp3Form::ApplicationEvents1ShortCut);
    form = std::make_unique<TMp3Form>(services);
    form->FormCreate();
  }
  // The window becomes active and its first button takes the focus, as at start.
  void StartAndShow() {
    Start();
    Window().Activate();
  }
  doubles::FormDouble& Window() { return windows.Form(0); }
  doubles::ButtonDouble& Button(int index) { return *Window().Buttons().at(index); }
  size_t ButtonCount() { return Window().Buttons().size(); }
  void Press(platform::Key key, platform::Modifiers modifiers = {}) { Window().Press(key, modifiers); }
  void Click(int index) { form->ButtonClick(Button(index)); }

  // The song whose frame a fresh paint of the window shows: the selection. Paints the window.
  std::optional<int> SelectionShownByPaint() {
    Window().Paint();
    if (Window().outlines.size() != 1) return std::nullopt;
    return (Window().outlines[0].rect.top - 14) / 60;
  }

  // What the double logs for the frame of a song drawn in the colour.
  static std::string Frame(const char* colour, int index) {
    return std::string("draw ") + colour + " 4 13," + std::to_string(60 * index + 14) + ",307," +
           std::to_string(60 * index + 58);
  }
};

inline platform::Modifiers Ctrl() { return platform::Modifiers{false, true, false}; }
inline platform::Modifiers Shift() { return platform::Modifiers{true, false, false}; }
inline platform::Modifiers Alt() { return platform::Modifiers{false, false, true}; }
