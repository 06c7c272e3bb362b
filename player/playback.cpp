// Playing and stopping songs.
#include "player/playback.h"

#include "player/message_boxes.h"
#include "player/mp3_form.h"
#include "player/texts.h"

namespace player {

std::string NotFoundMessage(const std::string& file_name) {
  return std::string(texts::kNotFoundHead) + file_name + texts::kNotFoundTail;
}

}  // namespace player

platform::PathName TMp3Form::SongFolder() const {
  return song_folder_.empty() ? platform::PathName::Ascii("music") : song_folder_;
}

void TMp3Form::ButtonClick(platform::PushButton& sender) {
  const int index = sender.Tag();
  const bool same_song = index == LastPlayed;
  LastPlayed = index;
  // Composed afresh on every click, from the folder the songs come from now.
  const platform::PathName path = services_.files.Join(SongFolder(), MusicFiles[index]);
  try {
    // Opening another file closes the one that plays, so the old song ends at once.
    if (!same_song) MediaPlayer1.Open(path);
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
  if (MediaPlayer1.IsPlaying()) MediaPlayer1.Stop();
}

void TMp3Form::N1Click() { StopStep(); }
