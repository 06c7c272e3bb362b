// The fonts the three windows share: their own text and the big bold captions of the buttons that
// close a window (ＯＫ, おわる). Pixel heights are at 96 pixels per inch.
#pragma once

#include "platform/drawing.h"

namespace player {

// 9 points.
inline constexpr platform::FontSpec kWindowFont{platform::FontRole::Proportional, 12, false};
// 12 points, bold.
inline constexpr platform::FontSpec kBigButtonFont{platform::FontRole::Proportional, 16, true};

}  // namespace player
