#include "platform/linux/speech_rate.h"

#include <cstdlib>
#include <initializer_list>

namespace platform::linux_impl {
namespace {
constexpr int kMinWpm = 80;
constexpr int kNormalWpm = 170;
constexpr int kMaxWpm = 449;
}  // namespace

int EspeakWordsPerMinute(int rate) {
  // C's division truncates toward zero, as in the module.
  if (rate < 0) return kNormalWpm + (kNormalWpm - kMinWpm) * rate / 100;
  return kNormalWpm + (kMaxWpm - kNormalWpm) * rate / 100;
}

int SpeechDispatcherRate(int32_t words_per_minute) {
  int best = 0;
  long best_distance = -1;
  // Rates nearer 0 are tried first, so of two equally close rates the milder one wins.
  for (int step = 0; step <= 100; ++step) {
    for (int rate : {-step, step}) {
      const long distance = std::labs(static_cast<long>(EspeakWordsPerMinute(rate)) -
                                      static_cast<long>(words_per_minute));
      if (best_distance < 0 || distance < best_distance) {
        best = rate;
        best_distance = distance;
      }
    }
  }
  return best;
}

}  // namespace platform::linux_impl
