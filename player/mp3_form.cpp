// The player window's construction, its start-up checks and its end.
#include "player/mp3_form.h"

#include "player/message_boxes.h"
#include "player/player_layout.h"
#include "player/texts.h"

namespace {
const platform::PathName kMusicFolder = platform::PathName::Ascii("music");
}

TMp3Form::TMp3Form(const platform::Services& services)
    : services_(services), MediaPlayer1(services.media) {
  window_ = services_.windows.CreateForm(player::PlayerFormSpec(), *this);
  Bevel1 = window_->AddBevel(player::Bevel1Spec());
  Bevel2 = window_->AddBevel(player::Bevel2Spec());
  Image1 = window_->AddPicture(player::Image1Spec());
}

TMp3Form::~TMp3Form() {
  window_->Hide();
  FormDestroy();
  SongButtons.clear();
  // The media player goes with the window, ending a song that still plays.
  MediaPlayer1.Close();
}

void TMp3Form::Connect(OtherWindows windows) { other_windows_ = std::move(windows); }

void TMp3Form::FormCreate() {
  CreateSpeechControl();

  if (!services_.files.DirectoryExists(kMusicFolder)) {
    ReportStartupFailure(texts::kNoMusicFolder, texts::spoken::kNoMusicFolder);
    return;
  }

  const int count = player::ScanDirectory(services_.files, kMusicFolder, MusicFiles);
  if (count == 0) {
    ReportStartupFailure(texts::kNoMp3InMusic, texts::spoken::kNoMp3InMusic);
    return;
  }
  ShowSongs(count);

  if (SpeechAvailable()) SpeechControl->SetSpeed(SpeechSpeed);

  LastPlayed = -1;
  CurrentIndex = 0;
}

void TMp3Form::FormDestroy() { SpeechControl.reset(); }

void TMp3Form::CreateSpeechControl() {
  try {
    SpeechControl = services_.speech.Create();
  } catch (...) {
    // Without a speech engine the program still plays every song; it only cannot speak.
    speech_ = SpeechAvailability::Unavailable;
    player::AlertTwice(services_.windows);
    player::ShowPlainBox(services_, texts::kNoSpeechEngine);
  }
}

void TMp3Form::ReportStartupFailure(const std::string& text, const std::u16string& spoken) {
  player::AlertTwice(services_.windows);
  Speak(spoken);
  player::ShowErrorBox(services_.windows, text);
  services_.windows.RequestQuit();
  MaxIndex = -1;
}

void TMp3Form::Speak(const std::u16string& text) {
  if (SpeechAvailable()) SpeechControl->Speak(text);
}

void TMp3Form::OnPaint() { FormPaint(); }

void TMp3Form::OnKeyUp(const platform::KeyEvent& key) { FormKeyUp(key); }

void TMp3Form::OnMenu(int command) {
  switch (static_cast<PlayerCommand>(command)) {
    case PlayerCommand::ChooseFolder: N4Click(); break;
    case PlayerCommand::Stop: N1Click(); break;
    case PlayerCommand::Exit: Exit2Click(); break;
    case PlayerCommand::Help: N2Click(); break;
    case PlayerCommand::Version: N3Click(); break;
  }
}
