// The help window's layout and handlers.
#include "help/help_form.h"

#include "help/help_text.h"
#include "platform/exception.h"
#include "player/texts.h"

namespace {
constexpr char kHelpFile[] = "ReadMe_sapi.txt";

platform::FormSpec HelpFormSpec() {
  platform::FormSpec spec;
  spec.caption = texts::kHelpCaption;
  spec.left = 494;
  spec.top = 154;
  spec.client_width = 410;
  spec.client_height = 417;
  spec.border = platform::Border::Sizeable;
  spec.background = platform::kYellow;
  spec.font = platform::FontSpec{texts::kUiFont, 12, false};
  return spec;
}
}  // namespace

THelpF::THelpF(const platform::Services& services) : services_(services) {
  window_ = services_.windows.CreateForm(HelpFormSpec(), *this);
  // Added first so that it is first in tab order and holds the focus when the window opens.
  platform::PushButtonSpec close;
  close.bounds = platform::Bounds{152, 373, 81, 41};
  close.caption = texts::kHelpClose;
  close.font = platform::FontSpec{texts::kUiFont, 16, true};
  close.is_default = true;
  close.on_click = [this](platform::PushButton&) { Button1Click(); };
  Button1 = window_->AddPushButton(close);
  memo_ = window_->AddMemo(platform::MemoSpec{platform::Bounds{14, 7, 385, 361},
                                              platform::FontSpec{texts::kUiFont, 15, false},
                                              help::BuiltInHelpText()});
}

void THelpF::FormCreate() {
  const auto text = services_.files.ReadFile(platform::PathName::Ascii(kHelpFile));
  if (!text) {
    throw platform::EFOpenError(std::string(texts::kCannotOpenHead) + kHelpFile +
                                texts::kCannotOpenTail);
  }
  memo_->SetLines(help::SplitLines(*text));
}

void THelpF::Button1Click() { window_->Hide(); }
