// The program's speech speed in speech-dispatcher's terms.
#pragma once

#include <cstdint>

namespace platform::linux_impl {

// The speech-dispatcher rate (-100 to 100) that speaks `words_per_minute` words a minute.
//
// The program's speed is the Windows speech control's speed, in words per minute (160 is the
// program's normal speed: a little slower than a voice's own default of about 170). A
// speech-dispatcher rate has no unit of its own: each voice module maps it to its engine. The one
// mapping that is stated in words per minute is espeak-ng's (Debian's espeak-ng.conf: -100, 0
// and +100 are 80, 170 and 449 words per minute, straight lines in between, whole words per
// minute), so the rate chosen is the one at which espeak-ng speaks closest to the given speed.
// The Open JTalk voice scales its own normal speed by the same words per minute over 170, so the
// rate means the same pace with either voice. Speeds beyond espeak-ng's range are held at its
// ends.
int SpeechDispatcherRate(int32_t words_per_minute);

// Words per minute at which espeak-ng speaks a speech-dispatcher rate (the module's own sums).
int EspeakWordsPerMinute(int rate);

}  // namespace platform::linux_impl
