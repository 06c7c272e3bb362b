// A small check of the Linux speech and playback as the program uses them, for a session with a
// recorded sound output (tests/linux/audible_test.sh) and by hand:
//
//   otopicco_linux_check speak SECONDS TEXT   speak TEXT at the program's speed, stay SECONDS
//   otopicco_linux_check play SECONDS FILE    play FILE on the desktop's output for SECONDS
//
// Prints the voice module it spoke with. Exits 1 with the error's text when anything fails.
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include "platform/exception.h"
#include "platform/linux/gst_media_device.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/speech_dispatcher.h"

namespace {

using platform::linux_impl::IconvCodec;

std::u16string Utf16(const std::string& utf8) {
  return IconvCodec().SjisToUtf16(IconvCodec::Utf8ToSjis(utf8));
}

int Speak(double seconds, const std::string& text) {
  platform::linux_impl::SpeechDispatcherControl speech;
  speech.SetSpeed(160);
  speech.Speak(Utf16(text));
  std::cout << "voice module: " << speech.Module() << std::endl;
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  return 0;
}

int Play(double seconds, const std::string& file) {
  platform::linux_impl::GstMediaDevice device;
  device.Open(platform::PathName{IconvCodec::Utf8ToSjis(file), file});
  device.Play();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  std::cout << "playing at the end: " << (device.IsPlaying() ? "yes" : "no") << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: " << argv[0] << " speak|play SECONDS TEXT|FILE\n";
    return 2;
  }
  const std::string what = argv[1];
  const double seconds = std::atof(argv[2]);
  try {
    if (what == "speak") return Speak(seconds, argv[3]);
    if (what == "play") return Play(seconds, argv[3]);
  } catch (const platform::Exception& error) {
    std::cerr << IconvCodec::Utf16ToUtf8(IconvCodec().SjisToUtf16(error.Message())) << "\n";
    return 1;
  }
  std::cerr << "unknown check: " << what << "\n";
  return 2;
}
