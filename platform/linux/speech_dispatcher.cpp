#include "platform/linux/speech_dispatcher.h"

#include <algorithm>

#include "platform/linux/iconv_codec.h"
#include "platform/linux/speech_rate.h"

namespace platform::linux_impl {

void SpeechDispatcherControl::SetSpeed(int32_t speed) {
  connection_.SetRate(SpeechDispatcherRate(speed));
}

void SpeechDispatcherControl::Speak(const std::u16string& text) {
  std::string utf8 = IconvCodec::Utf16ToUtf8(text);
  // The service takes the text as a C string: a NUL would end it early.
  utf8.erase(std::remove(utf8.begin(), utf8.end(), '\0'), utf8.end());
  if (utf8.empty()) return;
  connection_.Run([&utf8](SPDConnection* connection) {
    return spd_say(connection, SPD_MESSAGE, utf8.c_str()) > 0 ? 0 : -1;
  });
}

void SpeechDispatcherControl::Silence() { connection_.Run(&spd_cancel); }

std::unique_ptr<SpeechControl> SpeechDispatcherFactory::Create() {
  return std::make_unique<SpeechDispatcherControl>();
}

}  // namespace platform::linux_impl
