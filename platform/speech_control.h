// The text-to-speech control.
//
// Contract:
// - Every operation returns as soon as the control has accepted it; the control goes on speaking
//   while the caller continues, and speech is heard over a song that plays.
// - Speak(text) speaks the text exactly as written (no markup is read in it). Texts spoken
//   without a Silence in between are heard one after the other.
// - Silence() cuts off what is being spoken and drops what still waits, so that the next text is
//   heard at once.
// - SetSpeed(speed) takes the program's speed value, 160 for the program's normal speed; each
//   platform maps it to its engine so that the speech is as fast as that speed means.
// - A failure of any operation raises platform::SpeechError with the failure code and the
//   control's own description.
// - Destroying the control releases it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class SpeechControl {
 public:
  virtual ~SpeechControl() = default;
  virtual void SetSpeed(int32_t speed) = 0;
  virtual void Speak(const std::u16string& text) = 0;
  virtual void Silence() = 0;
};

class SpeechFactory {
 public:
  virtual ~SpeechFactory() = default;
  // A control that can speak. Raises an exception (of any kind) when none can be made, for
  // instance when no speech engine is installed or reachable; no instance remains then.
  virtual std::unique_ptr<SpeechControl> Create() = 0;
};

}  // namespace platform
