// The column of song buttons: built at start-up and rebuilt from each folder the folder dialog
// accepts.
#include "player/mp3_form.h"
#include "player/player_layout.h"

void TMp3Form::ShowSongs(int count) {
  SongButtons.clear();
  MaxIndex = player::ButtonCountRule(count);
  SizeWindow();
  BuildSongButtons();
}

void TMp3Form::SizeWindow() {
  window_->SetClientSize(player::WindowClientWidth(), player::WindowClientHeight(MaxIndex));
  const int picture_top = player::PictureTop(MaxIndex);
  Image1->Move(player::Image1Spec().bounds.left, picture_top);
  Bevel2->Move(player::Bevel2Spec().bounds.left, picture_top);
}

void TMp3Form::BuildSongButtons() {
  SongButtons.resize(MaxIndex + 1);
  for (int index = 0; index <= MaxIndex; ++index) {
    platform::PushButtonSpec spec;
    spec.bounds = player::SongButtonBounds(index);
    spec.caption = player::SongCaption(index, MusicFiles[index].sjis);
    spec.font = player::SongButtonFont();
    spec.tag = index;
    spec.hand_cursor = true;
    spec.on_click = [this](platform::PushButton& sender) { ButtonClick(sender); };
    spec.on_enter = [this](platform::PushButton& sender) { Button_focused(sender); };
    SongButtons[index] = window_->AddPushButton(spec);
  }
}

bool TMp3Form::TakeSongsOf(const platform::PathName& folder) {
  const int count = player::ScanDirectory(services_.files, folder, MusicFiles);
  if (count == 0) return false;

  ShowSongs(count);
  song_folder_ = folder;
  LastPlayed = -1;
  CurrentIndex = 0;
  // The old list's frame goes with its buttons: it may lie where no button is now, over the
  // picture. The window shows what it shows when drawn anew, on every system alike (Windows
  // repaints a rebuilt window by itself; a toolkit that keeps the window's surface does not).
  FormPaint();
  return true;
}
