// The menu bar's commands for the adult, the keypad's goodbye and the ways the program ends.
#include "folder/folder_form.h"
#include "help/help_form.h"
#include "player/message_boxes.h"
#include "player/mp3_form.h"
#include "player/texts.h"

void TMp3Form::N2Click() { HelpF->Window().Show(); }

void TMp3Form::N3Click() {
  // The box opens while the version is still being spoken.
  Speak(texts::spoken::kVersion);
  player::ShowPlainBox(services_.windows,
                       std::string(texts::kVersionTitle) + "\r\r" + texts::kVersionCredit);
}

void TMp3Form::N4Click() {
  StopStep();
  Folder->Window().ShowModal();
}

void TMp3Form::Exit2Click() { services_.windows.Terminate(); }

void TMp3Form::Goodbye() {
  Speak(texts::spoken::kGoodbye);
  // The spoken goodbye asks for Enter, which dismisses this box.
  player::ShowPlainBox(services_.windows, texts::kGoodbye);
  window_->Close();
}
