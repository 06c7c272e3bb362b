// Playing and stopping songs.
#include "player/playback.h"

#include "folder/folder_form.h"
#include "player/message_boxes.h"
#include "player/mp3_form.h"
#include "player/texts.h"

namespace player {

platform::PathName SongPath(const platform::PathName& folder, const platform::PathName& file) {
  return platform::Join(folder, "\\", file);
}

std::string NotFoundMessage(const std::string& file_name) {
  return std::string(texts::kNotFoundHead) + file_name + texts::kNotFoundTail;
}

}  // namespace player

platform::PathName TMp3Form::CurrentFolder() const {
  if (Folder == nullptr || Folder->ChosenFolder.empty()) return platform::PathName::Ascii("music");
  return Folder->ChosenFolder;
}

void TMp3Form::ButtonClick(platform::PushButton& sender) {
  const int index = sender.Tag();
  const bool same_song = index == LastPlayed;
  LastPlayed = index;
  MediaPlayer1.SetFileName(player::SongPath(CurrentFolder(), MusicFiles[index]));
  try {
    // Opening another file closes the one that plays, so the old song ends at once.
    if (!same_song) MediaPlayer1.Open();
    MediaPlayer1.Play();
  } catch (...) {
    ReportNotFound(index);
  }
}

void TMp3Form::ReportNotFound(int index) {
  const std::string message = player::NotFoundMessage(MusicFiles[index].sjis);
  Speak(services_.codec.SjisToUtf16(message));
  player::ShowErrorBox(services_.windows, message);
}

void TMp3Form::StopStep() {
  if (MediaPlayer1.Mode() == platform::MediaMode::Playing) MediaPlayer1.Stop();
}

void TMp3Form::N1Click() { StopStep(); }
