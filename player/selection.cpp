// Browsing by ear: the frame around the focused song, its spoken number and title, and the
// keypad's moves through the list.
#include "player/announcement.h"
#include "player/mp3_form.h"

void TMp3Form::Button_focused(platform::PushButton& sender) {
  if (LastFocusedButton) {
    window_->DrawRectangle(*LastFocusedButton, platform::kYellow, player::kFramePenWidth);
  }
  const platform::Rect frame = player::HighlightFrame(sender.GetBounds());
  window_->DrawRectangle(frame, platform::kBlue, player::kFramePenWidth);
  LastFocusedButton = frame;

  const int index = sender.Tag();
  const std::string text = player::AnnouncementText(index, MusicFiles[index].sjis);
  // Each announcement cuts off the one before, so a child moving fast hears the song landed on.
  if (!FirstAnnouncement && SpeechAvailable()) SpeechControl->AudioReset();
  FirstAnnouncement = false;
  if (SpeechAvailable()) SpeechControl->Speak(services_.codec.SjisToUtf16(text));
}

void TMp3Form::FormKeyUp(platform::KeyCode key) {
  namespace keys = platform::keys;
  const bool has_buttons = !SongButtons.empty();
  switch (key) {
    case keys::Up:
    case keys::Down:
      // The window system has already moved the focus on the key-down.
      if (has_buttons) CurrentIndex = player::StepIndex(CurrentIndex, key == keys::Up ? -1 : 1, MaxIndex);
      break;
    case keys::Numpad8:
    case keys::Numpad2:
      if (has_buttons) {
        CurrentIndex = player::StepIndex(CurrentIndex, key == keys::Numpad8 ? -1 : 1, MaxIndex);
        SongButtons[CurrentIndex]->SetFocus();
      }
      break;
    case keys::NumpadMinus:
      StopStep();
      break;
    case keys::NumpadDivide:
      Goodbye();
      break;
    default:
      break;
  }
}

void TMp3Form::FormPaint() {
  if (SongButtons.empty()) return;
  window_->DrawRectangle(player::HighlightFrame(SongButtons[CurrentIndex]->GetBounds()),
                         platform::kBlue, player::kFramePenWidth);
}

bool TMp3Form::ApplicationEvents1ShortCut(platform::KeyCode key) {
  // Left and Right would open and close folders in the tree and move the caret sideways; the
  // child's switches send them by accident, so they do nothing anywhere.
  return key == platform::keys::Left || key == platform::keys::Right;
}
