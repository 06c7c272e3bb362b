// The help window: the help text and a button that hides it again. Created once at start-up,
// then only shown and hidden, so its text is read from the file once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"

class THelpF : private platform::FormEvents {
 public:
  explicit THelpF(const platform::Services& services);
  THelpF(const THelpF&) = delete;
  THelpF& operator=(const THelpF&) = delete;

  // Replaces the built-in text by ReadMe_sapi.txt of the working directory; raises
  // platform::EFOpenError, keeping the built-in text, when the file cannot be read.
  void FormCreate();
  void Button1Click();

  // Shows the window beside the player, with the text it was given at start-up.
  void Show();

 private:
  platform::Services services_;
  std::unique_ptr<platform::Form> window_;
  std::unique_ptr<platform::PushButton> Button1;
  std::unique_ptr<platform::Memo> Memo1;
  // The text Memo1 shows from the first showing on. Laying out a long text in the text box
  // takes a while, and at start-up a child is waiting for song 1 to be announced.
  std::vector<std::string> text_;
  bool memo_filled_ = false;
};
