// The program's speech speed for a SAPI 5 voice. The program asks for its speed in words per
// minute, the unit of the SAPI 4 control it has always spoken through (160: a calm reading pace).
// A SAPI 5 voice takes a rate from -10 to 10 instead: 0 is the voice's own normal pace, and each
// step makes it faster or slower by the tenth root of 3, so that 10 is three times as fast and
// -10 a third as fast.
#pragma once

#include <cstdint>

namespace platform::win32 {

// The words per minute that a voice's own normal pace (rate 0) stands for. SAPI 5 gives rate 0
// no words-per-minute figure; SAPI 4 engines' own normal speeds lie between about 150 and 200
// words per minute, and a SAPI 5 voice's normal pace is such an ordinary reading pace, so the
// middle of that range stands for it. Any value from 169 to 188 gives 160 the same rate, -1.
constexpr double kNormalWordsPerMinute = 175.0;

// The SAPI 5 rate nearest to `words_per_minute`: 10 * log3(words_per_minute / 175), rounded,
// kept within -10..10. A speed of 0 or less is the slowest rate.
int32_t Sapi5Rate(int32_t words_per_minute);

}  // namespace platform::win32
