// The program's two colours: the yellow of every window and the blue frame around the song that
// has just been chosen.
#pragma once

#include "platform/drawing.h"

namespace player {

inline constexpr platform::Color kYellow{255, 255, 0};
inline constexpr platform::Color kBlue{0, 0, 255};

}  // namespace player
