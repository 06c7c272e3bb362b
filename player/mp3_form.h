// The player window: one large numbered button per song, browsed by ear with the keyboard.
// Its handlers carry the names the form designer gave them; the files of player/ hold them by
// concern (start-up, song list, selection, playback, menus).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "player/song_list.h"

// Menu commands of the player window's menu bar.
enum class PlayerCommand : int { ChooseFolder = 1, Stop, Exit, Help, Version };

// Whether the program speaks. Unavailable once creating the speech control failed at start-up;
// it never becomes available again, and every speak and silence request is then skipped.
enum class SpeechAvailability { Available, Unavailable };

class TMp3Form : private platform::FormEvents {
 public:
  // The other two windows as the player window uses them, handed in by the program entry once
  // they exist.
  struct OtherWindows {
    std::function<void()> show_help;      // beside the player, which stays usable
    std::function<void()> choose_folder;  // modal: returns once the folder dialog has closed
  };

  // Loads the stored layout; FormCreate then runs the start-up sequence.
  explicit TMp3Form(const platform::Services& services);
  ~TMp3Form() override;
  TMp3Form(const TMp3Form&) = delete;
  TMp3Form& operator=(const TMp3Form&) = delete;

  void Connect(OtherWindows windows);

  // Start-up and end (mp3_form.cpp).
  void FormCreate();
  void FormDestroy();

  // Takes the songs of another folder (song_buttons.cpp): the buttons, the window and the
  // selection start afresh and songs play from that folder. False, changing nothing, when the
  // folder gives no song.
  bool TakeSongsOf(const platform::PathName& folder);

  // Selection and announcements (selection.cpp).
  void Button_focused(platform::PushButton& sender);
  void FormKeyUp(const platform::KeyEvent& key);
  void FormPaint();
  // The application-wide key-down hook: true discards the key.
  static bool ApplicationEvents1ShortCut(const platform::KeyEvent& key);

  // Playback (playback.cpp).
  void ButtonClick(platform::PushButton& sender);
  void N1Click();

  // Menus and the ways to end (menus.cpp).
  void N2Click();
  void N3Click();
  void N4Click();
  void Exit2Click();

  platform::Form& Window() { return *window_; }

 private:
  void OnPaint() override;
  void OnKeyUp(const platform::KeyEvent& key) override;
  void OnMenu(int command) override;

  bool SpeechAvailable() const { return speech_ == SpeechAvailability::Available; }
  void Speak(const std::u16string& text);
  void CreateSpeechControl();
  void ReportStartupFailure(const std::string& text, const std::u16string& spoken);
  void ShowSongs(int count);
  void SizeWindow();
  void BuildSongButtons();
  void ShowOutlines();
  void StopStep();
  void Goodbye();
  void ReportNotFound(int index);
  platform::PathName SongFolder() const;

  platform::Services services_;
  platform::MediaDevice& MediaPlayer1;
  // Declared before the controls so that they are destroyed first.
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::Graphic> Bevel1;
  std::unique_ptr<platform::Graphic> Bevel2;
  std::unique_ptr<platform::Graphic> Image1;
  OtherWindows other_windows_;

  std::unique_ptr<platform::SpeechControl> SpeechControl;
  SpeechAvailability speech_ = SpeechAvailability::Available;
  static constexpr int32_t SpeechSpeed = 160;
  // True until the first announcement, which alone is not preceded by a silence.
  bool FirstAnnouncement = true;
  // Where the last highlight frame was drawn. Kept as the rectangle rather than the button, so a
  // rebuild of the song list can destroy that button and the next focus change still paints
  // the old frame over where it was.
  std::optional<platform::Rect> LastFocusedButton;
  // The highlight frames the window shows now.
  std::vector<platform::Outline> outlines_;
  int32_t MaxIndex = 0;
  player::SongTable MusicFiles;
  std::vector<std::unique_ptr<platform::PushButton>> SongButtons;
  // -1 from the start, not only from the end of start-up: when start-up is cut short by an error
  // the first click must still open its song.
  int32_t LastPlayed = -1;
  int32_t CurrentIndex = 0;
  // The folder the songs come from; empty means "music" in the working directory.
  platform::PathName song_folder_;
};
