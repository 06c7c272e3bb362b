// Browsing by ear: the frame around the focused song, its spoken number and title, and the
// keypad's moves through the list.
#include <algorithm>

#include "player/announcement.h"
#include "player/colours.h"
#include "player/mp3_form.h"

namespace {
platform::Outline Highlight(const platform::Rect& frame) {
  return platform::Outline{frame, player::kBlue, player::kFramePenWidth};
}

void Forget(std::vector<platform::Outline>& outlines, const platform::Rect& frame) {
  outlines.erase(std::remove_if(outlines.begin(), outlines.end(),
                                [&](const platform::Outline& o) { return o.rect == frame; }),
                 outlines.end());
}
}  // namespace

void TMp3Form::Button_focused(platform::PushButton& sender) {
  // The frame drawn last leaves the window (painted over in its yellow), the new one joins.
  if (LastFocusedButton) Forget(outlines_, *LastFocusedButton);
  const platform::Rect frame = player::HighlightFrame(sender.GetBounds());
  Forget(outlines_, frame);
  outlines_.push_back(Highlight(frame));
  window_->SetOutlines(outlines_);
  LastFocusedButton = frame;

  const int index = sender.Tag();
  const std::string text = player::AnnouncementText(index, MusicFiles[index].sjis);
  // Each announcement cuts off the one before, so a child moving fast hears the song landed on.
  if (!FirstAnnouncement && SpeechAvailable()) SpeechControl->Silence();
  FirstAnnouncement = false;
  if (SpeechAvailable()) SpeechControl->Speak(services_.codec.SjisToUtf16(text));
}

void TMp3Form::FormKeyUp(const platform::KeyEvent& key) {
  using platform::Key;
  const bool has_buttons = !SongButtons.empty();
  switch (key.key) {
    case Key::Up:
    case Key::Down:
      // The navigation rules have already moved the focus on the key-down.
      if (has_buttons)
        CurrentIndex = player::StepIndex(CurrentIndex, key.key == Key::Up ? -1 : 1, MaxIndex);
      break;
    case Key::Numpad8:
    case Key::Numpad2:
      if (has_buttons) {
        CurrentIndex = player::StepIndex(CurrentIndex, key.key == Key::Numpad8 ? -1 : 1, MaxIndex);
        SongButtons[CurrentIndex]->SetFocus();
      }
      break;
    case Key::NumpadMinus:
      StopStep();
      break;
    case Key::NumpadDivide:
      Goodbye();
      break;
    default:
      break;
  }
}

void TMp3Form::FormPaint() {
  // The window was drawn anew: it shows the frame of the selection, whichever button has the
  // focus.
  outlines_.clear();
  if (!SongButtons.empty())
    outlines_.push_back(Highlight(player::HighlightFrame(SongButtons[CurrentIndex]->GetBounds())));
  window_->SetOutlines(outlines_);
}

bool TMp3Form::ApplicationEvents1ShortCut(const platform::KeyEvent& key) {
  // Left and Right would open and close folders in the tree and move the caret sideways; the
  // child's switches send them by accident, so they do nothing anywhere.
  return key.key == platform::Key::Left || key.key == platform::Key::Right;
}
