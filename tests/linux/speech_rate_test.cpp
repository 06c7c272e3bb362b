// The program's speed in words per minute becomes the speech-dispatcher rate at which the voice
// speaks that fast. espeak-ng's mapping (Debian's espeak-ng.conf: -100/0/+100 are 80/170/449
// words per minute) is the measure.
#include "platform/linux/speech_rate.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using platform::linux_impl::EspeakWordsPerMinute;
using platform::linux_impl::SpeechDispatcherRate;

TEST(SpeechRate, EspeakSpeedsAtTheEndsAndTheMiddle) {
  EXPECT_EQ(EspeakWordsPerMinute(-100), 80);
  EXPECT_EQ(EspeakWordsPerMinute(0), 170);
  EXPECT_EQ(EspeakWordsPerMinute(100), 449);
  EXPECT_EQ(EspeakWordsPerMinute(-50), 125);
}

TEST(SpeechRate, TheProgramsSpeedIsSpokenAtExactly160WordsAMinute) {
  const int rate = SpeechDispatcherRate(160);
  EXPECT_EQ(EspeakWordsPerMinute(rate), 160);
  EXPECT_LT(rate, 0);  // a little slower than the voice's own normal speed
  EXPECT_GT(rate, -20);
}

TEST(SpeechRate, EverySpeedInTheVoicesRangeIsMetWithinOneWordAMinute) {
  int previous = -100;
  for (int wpm = 80; wpm <= 449; ++wpm) {
    const int rate = SpeechDispatcherRate(wpm);
    EXPECT_LE(std::abs(EspeakWordsPerMinute(rate) - wpm), 1) << wpm;
    EXPECT_GE(rate, previous) << "faster speeds never give slower rates: " << wpm;
    previous = rate;
  }
}

TEST(SpeechRate, SpeedsBeyondTheRangeAreHeldAtItsEnds) {
  EXPECT_EQ(SpeechDispatcherRate(170), 0);
  EXPECT_EQ(SpeechDispatcherRate(0), -100);
  EXPECT_EQ(SpeechDispatcherRate(-5), -100);
  EXPECT_EQ(SpeechDispatcherRate(1000), 100);
  EXPECT_EQ(SpeechDispatcherRate(INT32_MAX), 100);
}

}  // namespace
