// The speech control of the Linux build: speech-dispatcher, asked for Japanese, through
// libspeechd directly (Qt's QTextToSpeech holds up the program's start for well over a second).
//
// Speak queues its text as a "message": messages of one client are spoken one after the other and
// never cut each other off (speech-dispatcher's "text" priority would drop a text still speaking
// for the next one), so texts spoken without a Silence in between are all heard, in order.
// Silence cancels what is speaking and what waits, so the next text is heard at once.
#pragma once

#include <memory>

#include "platform/linux/speech_connection.h"
#include "platform/speech_control.h"

namespace platform::linux_impl {

class SpeechDispatcherControl : public SpeechControl {
 public:
  SpeechDispatcherControl() = default;  // raises SpeechError, see SpeechConnection

  void SetSpeed(int32_t speed) override;
  void Speak(const std::u16string& text) override;
  void Silence() override;

  // The voice module asked for, for tests and diagnostics (see SpeechConnection::Module).
  std::string Module() { return connection_.Module(); }

 private:
  SpeechConnection connection_;
};

// Creating a control raises SpeechError when speech-dispatcher cannot be reached (nor started)
// or offers no voice.
class SpeechDispatcherFactory : public SpeechFactory {
 public:
  std::unique_ptr<SpeechControl> Create() override;
};

}  // namespace platform::linux_impl
