// A speech control that records what it is asked, and can be told to fail.
#pragma once

#include <memory>
#include <stdexcept>

#include "platform/exception.h"
#include "platform/speech_control.h"
#include "tests/doubles/event_log.h"
#include "tests/doubles/utf.h"

namespace doubles {

struct SpeechFailures {
  bool create = false, speed = false, speak = false, silence = false;
};

class SpeechDouble : public platform::SpeechControl {
 public:
  SpeechDouble(EventLog& log, const SpeechFailures& fail) : log_(log), fail_(fail) {}
  ~SpeechDouble() override { log_.Add("speech release"); }
  void SetSpeed(int32_t speed) override {
    if (fail_.speed) throw platform::SpeechError(-1, "speed refused");
    log_.Add("speed " + std::to_string(speed));
  }
  void Speak(const std::u16string& text) override {
    if (fail_.speak) throw platform::SpeechError(-1, "speak refused");
    log_.Add("speak " + Utf16ToUtf8(text));
  }
  void Silence() override {
    if (fail_.silence) throw platform::SpeechError(-1, "silence refused");
    log_.Add("silence");
  }

 private:
  EventLog& log_;
  const SpeechFailures& fail_;
};

class SpeechFactoryDouble : public platform::SpeechFactory {
 public:
  explicit SpeechFactoryDouble(EventLog& log) : log_(log) {}
  SpeechFailures fail;
  std::unique_ptr<platform::SpeechControl> Create() override {
    if (fail.create) throw std::runtime_error("class not registered");
    log_.Add("speech create");
    return std::make_unique<SpeechDouble>(log_, fail);
  }

 private:
  EventLog& log_;
};

}  // namespace doubles
