// The least a talking window does on Linux: a Qt window opens and, once it is the active window,
// one text is spoken through speech-dispatcher with the requests the player makes (libspeechd,
// plain text, no punctuation read, Japanese, the Open JTalk voice where the service offers it,
// the player's rate, a message). The floor that tests/bench/linux_launch.sh holds the player's
// start against: launch to the first announcement.
//
//   otopicco_bare_talker [TEXT]
#include <libspeechd.h>

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/linux/speech_rate.h"

namespace {

SPDConnection* OpenSpeech() {
  char* error = nullptr;
  SPDConnection* speech =
      spd_open2("otopicco-bare", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
  if (speech == nullptr) {
    std::fprintf(stderr, "otopicco_bare_talker: %s\n", error != nullptr ? error : "no speech");
    std::free(error);
    std::exit(1);
  }
  char** modules = spd_list_modules(speech);
  bool open_jtalk = false;
  for (char** module = modules; module != nullptr && *module != nullptr; ++module)
    open_jtalk = open_jtalk || std::strcmp(*module, "openjtalk-generic") == 0;
  free_spd_modules(modules);
  spd_set_data_mode(speech, SPD_DATA_TEXT);
  spd_set_punctuation(speech, SPD_PUNCT_NONE);
  spd_set_language(speech, "ja");
  if (open_jtalk) spd_set_output_module(speech, "openjtalk-generic");
  spd_set_voice_rate(speech, platform::linux_impl::SpeechDispatcherRate(160));
  return speech;
}

// Speaks once, when the window first becomes the active window.
class SpeakOnActivation : public QObject {
 public:
  SpeakOnActivation(SPDConnection* speech, std::string text)
      : speech_(speech), text_(std::move(text)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && !spoken_) {
      spoken_ = true;
      spd_say(speech_, SPD_MESSAGE, text_.c_str());
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  SPDConnection* speech_;
  std::string text_;
  bool spoken_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  SPDConnection* speech = OpenSpeech();
  SpeakOnActivation speaker(speech, argc > 1 ? argv[1] : "1 お話");
  QWidget window;
  window.setWindowTitle(QStringLiteral("bare talker"));
  window.resize(330, 460);
  window.installEventFilter(&speaker);
  window.show();
  window.activateWindow();
  const int rc = QApplication::exec();
  spd_close(speech);
  return rc;
}
