// The player window: one large numbered button per song, browsed by ear with the keyboard.
// Its handlers carry the names the form designer gave them; the files of player/ hold them by
// concern (start-up, song list, selection, playback, menus).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "player/song_list.h"

class THelpF;
class TFolder;

// Menu commands of the player window's menu bar.
enum class PlayerCommand : int { ChooseFolder = 1, Stop, Exit, Help, Version };

class TMp3Form : private platform::FormEvents {
 public:
  // Loads the stored layout; FormCreate then runs the start-up sequence.
  explicit TMp3Form(const platform::Services& services);
  ~TMp3Form() override;
  TMp3Form(const TMp3Form&) = delete;
  TMp3Form& operator=(const TMp3Form&) = delete;

  // Start-up and end (mp3_form.cpp).
  void FormCreate();
  void FormDestroy();

  // The song list (song_buttons.cpp). Returns false, changing nothing, when the pattern gives no
  // song; otherwise the buttons, the window and the selection start afresh.
  bool RebuildSongList(const platform::PathName& pattern);

  // Selection and announcements (selection.cpp).
  void Button_focused(platform::PushButton& sender);
  void FormKeyUp(platform::KeyCode key);
  void FormPaint();
  // The application-wide key-down hook: true discards the key.
  static bool ApplicationEvents1ShortCut(platform::KeyCode key);

  // Playback (playback.cpp).
  void ButtonClick(platform::PushButton& sender);
  void StopStep();
  void N1Click();

  // Menus and the ways to end (menus.cpp).
  void N2Click();
  void N3Click();
  void N4Click();
  void Exit2Click();
  void Goodbye();

  platform::Form& Window() { return *window_; }

  // The other two windows, set by the program entry once they exist.
  THelpF* HelpF = nullptr;
  TFolder* Folder = nullptr;

  // State shared by the handlers.
  std::unique_ptr<platform::SpeechControl> SpeechControl;
  int32_t SpeechUnavailable = 0;
  static constexpr int32_t SpeechSpeed = 160;
  // True until the first announcement, which alone is not preceded by a silence.
  bool FirstAnnouncement = true;
  // Where the last highlight frame was drawn. Kept as the rectangle rather than the button, so a
  // rebuild of the song list can destroy that button and the next focus change still paints
  // the old frame over where it was.
  std::optional<platform::Rect> LastFocusedButton;
  int32_t MaxIndex = 0;
  player::SongTable MusicFiles;
  std::vector<std::unique_ptr<platform::PushButton>> SongButtons;
  // -1 from the start, not only from the end of start-up: when start-up is cut short by an error
  // the first click must still open its song.
  int32_t LastPlayed = -1;
  int32_t CurrentIndex = 0;

 private:
  void OnPaint() override;
  void OnKeyUp(platform::KeyCode key) override;
  void OnMenu(int command) override;

  bool SpeechAvailable() const { return SpeechUnavailable != 1; }
  void Speak(const std::u16string& text);
  void CreateSpeechControl();
  void ReportStartupFailure(const std::string& text, const std::u16string& spoken);
  void SizeWindow();
  void BuildSongButtons();
  void ReportNotFound(int index);
  platform::PathName CurrentFolder() const;

  platform::Services services_;
  platform::MediaDevice& MediaPlayer1;
  // Declared before the controls so that they are destroyed first.
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::Graphic> Bevel1;
  std::unique_ptr<platform::Graphic> Bevel2;
  std::unique_ptr<platform::Graphic> Image1;
};
