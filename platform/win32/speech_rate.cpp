// Words per minute to a SAPI 5 rate.
#include "platform/win32/speech_rate.h"

#include <algorithm>
#include <cmath>

namespace platform::win32 {

int32_t Sapi5Rate(int32_t words_per_minute) {
  constexpr int32_t kSlowest = -10;
  constexpr int32_t kFastest = 10;
  if (words_per_minute <= 0) return kSlowest;
  const double steps = 10.0 * std::log(words_per_minute / kNormalWordsPerMinute) / std::log(3.0);
  const double rate = std::round(steps);
  return static_cast<int32_t>(std::clamp(rate, double{kSlowest}, double{kFastest}));
}

}  // namespace platform::win32
