// Talks to speech-dispatcher through libspeechd, one request at a time, on the caller's thread.
#include "platform/linux/speech_connection.h"

#include <pthread.h>
#include <signal.h>

#include <cstdlib>
#include <cstring>

#include "platform/exception.h"
#include "platform/linux/iconv_codec.h"

namespace platform::linux_impl {
namespace {

// How long requests are skipped after the service could not be reached, before the next one
// tries again: starting a missing service blocks the caller, and a child pressing keys should not
// wait for that at every key.
constexpr auto kRetryPause = std::chrono::seconds(3);

// libspeechd writes to its socket with write(): a service that went away would end the program
// with SIGPIPE. The signal is held back on this thread while a request runs and dropped after
// it, leaving the program's own handling of the signal as it was.
class SigpipeHeld {
 public:
  SigpipeHeld() {
    sigemptyset(&pipe_);
    sigaddset(&pipe_, SIGPIPE);
    sigset_t pending;
    sigpending(&pending);
    was_pending_ = sigismember(&pending, SIGPIPE) == 1;
    pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
  }
  ~SigpipeHeld() {
    if (!was_pending_) {
      const timespec no_wait{0, 0};
      while (sigtimedwait(&pipe_, nullptr, &no_wait) > 0) {
      }
    }
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
  }
  SigpipeHeld(const SigpipeHeld&) = delete;
  SigpipeHeld& operator=(const SigpipeHeld&) = delete;

 private:
  sigset_t pipe_;
  sigset_t previous_;
  bool was_pending_ = false;
};

SpeechError Failure(SpeechFailure failure, std::string utf8_text, const std::string& detail) {
  if (!detail.empty()) utf8_text += " (" + detail + ")";
  return SpeechError(static_cast<int32_t>(failure), IconvCodec::Utf8ToSjis(utf8_text));
}

bool Lists(char** modules, const char* name) {
  for (char** module = modules; module != nullptr && *module != nullptr; ++module) {
    if (std::strcmp(*module, name) == 0) return true;
  }
  return false;
}

// The "dummy" module only plays a recording that says speech is not set up.
bool OffersVoice(char** modules) {
  for (char** module = modules; module != nullptr && *module != nullptr; ++module) {
    if (std::strcmp(*module, "dummy") != 0) return true;
  }
  return false;
}

}  // namespace

SpeechConnection::SpeechConnection() { Open(); }

SpeechConnection::~SpeechConnection() { Close(); }

void SpeechConnection::Open() {
  SigpipeHeld held;
  char* error = nullptr;
  SPDConnection* connection =
      spd_open2("otopicco", "main", nullptr, SPD_MODE_SINGLE, nullptr, 1, &error);
  if (connection == nullptr) {
    const std::string detail = error != nullptr ? error : "";
    std::free(error);
    throw Failure(SpeechFailure::kUnreachable,
                  "音声合成サービス (speech-dispatcher) に接続できません。", detail);
  }
  char** modules = spd_list_modules(connection);
  const bool offers_voice = OffersVoice(modules);
  const bool has_open_jtalk = Lists(modules, kOpenJTalkModule);
  free_spd_modules(modules);
  // Texts are plain text, never markup; punctuation is not read out, as on Windows. The
  // service's own voice for Japanese is espeak-ng unless configured otherwise, which reads kana
  // but says "Chinese letter" for every kanji, so the Open JTalk voice is taken where it is
  // installed.
  const bool ready =
      offers_voice && spd_set_data_mode(connection, SPD_DATA_TEXT) == 0 &&
      spd_set_punctuation(connection, SPD_PUNCT_NONE) == 0 &&
      spd_set_language(connection, "ja") == 0 &&
      (!has_open_jtalk || spd_set_output_module(connection, kOpenJTalkModule) == 0) &&
      (!rate_ || spd_set_voice_rate(connection, *rate_) == 0);
  if (!ready) {
    spd_close(connection);
    if (!offers_voice) {
      throw Failure(SpeechFailure::kNoVoice,
                    "音声合成サービス (speech-dispatcher) に使える音声がありません。", "");
    }
    throw Failure(SpeechFailure::kRefused,
                  "音声合成サービス (speech-dispatcher) が日本語の設定を受け付けませんでした。",
                  "");
  }
  connection_ = connection;
}

void SpeechConnection::Close() {
  if (connection_ == nullptr) return;
  SigpipeHeld held;
  spd_close(connection_);
  connection_ = nullptr;
}

bool SpeechConnection::Execute(const std::function<int(SPDConnection*)>& request) {
  SigpipeHeld held;
  return request(connection_) == 0;
}

void SpeechConnection::SetRate(int rate) {
  rate_ = rate;
  Run([rate](SPDConnection* connection) { return spd_set_voice_rate(connection, rate); });
}

void SpeechConnection::Run(const std::function<int(SPDConnection*)>& request) {
  if (connection_ != nullptr && Execute(request)) {
    reported_ = false;
    return;
  }
  // The service went away (or has been away since an earlier request): a new connection, at
  // once after a working one failed, otherwise only after a pause.
  if (connection_ == nullptr && Clock::now() < next_attempt_) return;
  Close();
  std::optional<SpeechError> failure;
  try {
    Open();
    if (Execute(request)) {
      reported_ = false;
      return;
    }
    Close();
    failure = Failure(SpeechFailure::kRefused,
                      "音声合成サービス (speech-dispatcher) が要求を受け付けませんでした。", "");
  } catch (const SpeechError& error) {
    failure = error;
  }
  next_attempt_ = Clock::now() + kRetryPause;
  if (!reported_) {
    reported_ = true;
    throw *failure;
  }
}

std::string SpeechConnection::Module() {
  if (connection_ == nullptr) return std::string();
  SigpipeHeld held;
  char* module = spd_get_output_module(connection_);
  const std::string name = module != nullptr ? module : "";
  std::free(module);
  return name;
}

}  // namespace platform::linux_impl
