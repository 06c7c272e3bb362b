// The program's speed in words per minute as a SAPI 5 rate.
#include "platform/win32/speech_rate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using platform::win32::kNormalWordsPerMinute;
using platform::win32::Sapi5Rate;

// The words per minute that SAPI 5's scale puts at `rate`.
int32_t WordsPerMinuteAt(int rate) {
  return static_cast<int32_t>(std::lround(kNormalWordsPerMinute * std::pow(3.0, rate / 10.0)));
}

TEST(Sapi5Rate, TheProgramsSpeedIsALittleSlowerThanAVoicesNormalPace) {
  EXPECT_EQ(Sapi5Rate(160), -1);
}

TEST(Sapi5Rate, EachStepIsTheTenthRootOfThree) {
  EXPECT_EQ(Sapi5Rate(WordsPerMinuteAt(0)), 0);
  EXPECT_EQ(Sapi5Rate(WordsPerMinuteAt(0) * 3), 10);
  EXPECT_EQ(Sapi5Rate(WordsPerMinuteAt(0) / 3), -10);
  for (int rate = -10; rate <= 10; ++rate) {
    EXPECT_EQ(Sapi5Rate(WordsPerMinuteAt(rate)), rate) << rate;
  }
}

TEST(Sapi5Rate, SpeedsBeyondTheScaleGetItsEnds) {
  EXPECT_EQ(Sapi5Rate(1000), 10);
  EXPECT_EQ(Sapi5Rate(std::numeric_limits<int32_t>::max()), 10);
  EXPECT_EQ(Sapi5Rate(10), -10);
  EXPECT_EQ(Sapi5Rate(1), -10);
  EXPECT_EQ(Sapi5Rate(0), -10);
  EXPECT_EQ(Sapi5Rate(-160), -10);
  EXPECT_EQ(Sapi5Rate(std::numeric_limits<int32_t>::min()), -10);
}

TEST(Sapi5Rate, AFasterSpeedIsNeverASlowerRate) {
  for (int32_t speed = 1; speed < 1000; ++speed) {
    ASSERT_LE(Sapi5Rate(speed), Sapi5Rate(speed + 1)) << speed;
  }
}

}  // namespace
