// The whole program on the in-memory platform, for the player fuzz target, with the target's own
// account of what the player must show: the songs of the last scan that found any, in the
// listing's order. Speech and the media device check at each call that the program asks for
// the right thing: every announcement names the focused song, every file opened is a shown song.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/linux/iconv_codec.h"
#include "platform/services.h"
#include "tests/doubles/file_system_double.h"
#include "tests/doubles/media_double.h"
#include "tests/doubles/speech_double.h"
#include "tests/doubles/window_system_double.h"

namespace fuzz {

class PlayerWorld;

class CheckedSpeech : public platform::SpeechFactory {
 public:
  explicit CheckedSpeech(PlayerWorld& world) : world_(world) {}
  doubles::SpeechFailures fail;
  std::unique_ptr<platform::SpeechControl> Create() override;

 private:
  PlayerWorld& world_;
};

class CheckedMedia : public doubles::MediaDouble {
 public:
  CheckedMedia(PlayerWorld& world, doubles::EventLog& log) : MediaDouble(log), world_(world) {}
  void Open(const platform::PathName& path) override;

 private:
  PlayerWorld& world_;
};

class ListedFiles : public doubles::FileSystemDouble {
 public:
  explicit ListedFiles(PlayerWorld& world) : world_(world) {}
  bool ListFolder(const platform::PathName& folder,
                  const std::function<bool(const platform::FolderEntry&)>& visit) override;

 private:
  PlayerWorld& world_;
};

class PlayerWorld {
 public:
  doubles::EventLog log;
  doubles::WindowSystemDouble windows{log};
  CheckedSpeech speech{*this};
  CheckedMedia media{*this, log};
  ListedFiles files{*this};
  platform::linux_impl::IconvCodec codec;
  platform::Services services{windows, speech, media, files, codec};

  // The songs the player must show and the folder they come from.
  std::vector<platform::PathName> songs;
  platform::PathName song_folder = platform::PathName::Ascii("music");
  bool speech_created = false;

  doubles::FormDouble& Player() { return windows.Form(0); }

  // Runs one action of the user or the system as the message loop would: an exception that
  // escapes goes to the program's exception handler.
  template <typename Action>
  void Guard(Action action) {
    try {
      action();
    } catch (const std::exception& error) {
      windows.handler(error);
    }
  }

  // Called around every action: the window's state holds all of the player's properties.
  void BeforeAction();
  void AfterAction();

  // From the doubles, at the moment of the call.
  void Listed(const platform::PathName& folder);
  void Spoken(const std::u16string& text);
  void Silenced();
  void Opened(const platform::PathName& path);

 private:
  void CheckButtonsAndWindow();
  void CheckOutlines();
  std::optional<int> focus_before_;
  bool announced_ = false;                  // since the start
  bool silenced_last_ = false;              // the speech control's last call was a silence
  std::optional<int> announced_in_action_;  // the tag of the action's last announcement
};

}  // namespace fuzz
