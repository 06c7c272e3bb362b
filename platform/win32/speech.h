// The SAPI 4 text-to-speech control, created in the UI thread's apartment and called through
// IDispatch by dispatch identifier.
#pragma once

#include <oaidl.h>

#include "platform/speech_control.h"
#include "platform/win32/com_ptr.h"

namespace platform::win32 {

class Win32SpeechControl : public SpeechControl {
 public:
  explicit Win32SpeechControl(ComPtr<IDispatch> control);
  void SetSpeed(int32_t speed) override;
  void Speak(const std::u16string& text) override;
  void Silence() override;

 private:
  ComPtr<IDispatch> control_;
};

class Win32SpeechFactory : public SpeechFactory {
 public:
  std::unique_ptr<SpeechControl> Create() override;
};

}  // namespace platform::win32
