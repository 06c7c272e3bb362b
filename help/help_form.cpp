// The help window's handlers.
#include "help/help_form.h"

#include "help/help_layout.h"
#include "help/help_text.h"
#include "platform/exception.h"
#include "player/texts.h"

namespace {
constexpr char kHelpFile[] = "ReadMe_sapi.txt";
}  // namespace

THelpF::THelpF(const platform::Services& services) : services_(services) {
  window_ = services_.windows.CreateForm(help::HelpFormSpec(), *this);
  // Added first so that it is first in tab order and holds the focus when the window opens.
  platform::PushButtonSpec close = help::Button1Spec();
  close.on_click = [this](platform::PushButton&) { Button1Click(); };
  Button1 = window_->AddPushButton(close);
  Memo1 = window_->AddMemo(help::Memo1Spec({}));
  text_ = help::BuiltInHelpText();
}

void THelpF::FormCreate() {
  const auto text = services_.files.ReadFile(platform::PathName::Ascii(kHelpFile));
  if (!text) {
    throw platform::EFOpenError(std::string(texts::kCannotOpenHead) + kHelpFile +
                                texts::kCannotOpenTail);
  }
  text_ = help::HelpFileLines(*text);
}

void THelpF::Button1Click() { window_->Hide(); }

void THelpF::Show() {
  if (!memo_filled_) {
    Memo1->SetLines(text_);
    memo_filled_ = true;
    text_ = {};  // the text box keeps it from now on
  }
  window_->Show();
}
