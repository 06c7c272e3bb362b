// A player window on the in-memory platform, with every double writing to one log.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "folder/folder_form.h"
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

  // A music folder with these song files (names in UTF-8).
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
    form = std::make_unique<TMp3Form>(services);
    form->FormCreate();
  }
  doubles::FormDouble& Window() { return windows.Form(0); }
  doubles::ButtonDouble& Button(int index) {
    return static_cast<doubles::ButtonDouble&>(*form->SongButtons.at(index));
  }
  // The form becomes active and its first button takes the focus, as at start.
  void StartAndShow() {
    Start();
    Window().Activate();
  }
};
