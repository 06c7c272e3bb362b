// One connection to speech-dispatcher that outlives the service: when the service goes away
// during a run (it crashed, was restarted, the session's speech was switched off and on), the next
// request opens a new connection, starting the service again where it can be started.
#pragma once

#include <libspeechd.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace platform::linux_impl {

// The voice module that reads Japanese with Open JTalk (its configuration file is
// openjtalk-generic.conf).
inline constexpr char kOpenJTalkModule[] = "openjtalk-generic";

// The failure codes that SpeechError carries on Linux (speech-dispatcher's library gives none).
enum class SpeechFailure : int32_t {
  kUnreachable = 1,  // the service cannot be reached or started
  kNoVoice = 2,      // the service runs but offers no voice
  kRefused = 3,      // the service refused a request, or went away and did not come back
};

class SpeechConnection {
 public:
  using Clock = std::chrono::steady_clock;

  // Opens the connection (starting the service when it is not running) and asks for Japanese.
  // Raises SpeechError when the service cannot be reached or offers no voice.
  SpeechConnection();
  ~SpeechConnection();
  SpeechConnection(const SpeechConnection&) = delete;
  SpeechConnection& operator=(const SpeechConnection&) = delete;

  // The rate that every connection, also a reopened one, speaks at.
  void SetRate(int rate);

  // Runs a request (a libspeechd call returning 0 on success). When it fails, the connection is
  // opened again and the request runs once more. A failure that remains raises SpeechError once;
  // further requests are skipped quietly (trying a new connection at most every few seconds)
  // until one succeeds again, so a missing service costs one message, not one per key.
  void Run(const std::function<int(SPDConnection*)>& request);

  // The voice module asked for ("openjtalk-generic", "espeak-ng"...), for tests and diagnostics;
  // where it did not load, the service speaks with another.
  std::string Module();

 private:
  void Open();  // raises SpeechError
  void Close();
  bool Execute(const std::function<int(SPDConnection*)>& request);

  SPDConnection* connection_ = nullptr;
  std::optional<int> rate_;
  bool reported_ = false;
  Clock::time_point next_attempt_{};
};

}  // namespace platform::linux_impl
