// The menu bar's commands for the adult, the keypad's goodbye and the ways the program ends.
#include "player/message_boxes.h"
#include "player/mp3_form.h"
#include "player/texts.h"

void TMp3Form::N2Click() {
  if (other_windows_.show_help) other_windows_.show_help();
}

void TMp3Form::N3Click() {
  // The box opens while the version is still being spoken.
  Speak(texts::spoken::kVersion);
  player::ShowPlainBox(services_, std::string(texts::kVersionTitle) + "\r\r" + texts::kVersionCredit);
}

void TMp3Form::N4Click() {
  StopStep();
  if (other_windows_.choose_folder) other_windows_.choose_folder();
}

void TMp3Form::Exit2Click() { services_.windows.RequestQuit(); }

void TMp3Form::Goodbye() {
  Speak(texts::spoken::kGoodbye);
  // The spoken goodbye asks for Enter, which dismisses this box.
  player::ShowPlainBox(services_, texts::kGoodbye);
  window_->Close();
}
