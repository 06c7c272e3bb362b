// The text-to-speech control. Every operation returns at once; the control goes on speaking
// while the caller continues. Failures raise platform::SpeechError.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SpeechControl {
 public:
  virtual ~SpeechControl() = default;  // releases the control
  virtual void SetSpeed(int32_t speed) = 0;
  virtual void Speak(const std::u16string& text) = 0;
  // Cuts off the speech in progress and drops what still waits, so the next text is heard at once.
  virtual void AudioReset() = 0;
};

class SpeechFactory {
 public:
  virtual ~SpeechFactory() = default;
  // Raises an exception (of any kind) when the control cannot be made; no instance remains then.
  virtual std::unique_ptr<SpeechControl> Create() = 0;
};

}  // namespace platform
