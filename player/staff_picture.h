// The music staff shown at the foot of the player window (Image1): a treble clef and two groups of
// beamed eighth notes, drawn in black on no background so the window's yellow shows around it.
#pragma once

#include "platform/drawing.h"

namespace player {

// 482 x 107 units; built once, the same picture for the life of the program.
const platform::VectorPicture& StaffPicture();

}  // namespace player
