// The player window's stored layout: what it is before start-up sizes it to the songs.
#pragma once

#include "platform/window_system.h"

namespace player {

platform::FormSpec PlayerFormSpec();
platform::BevelSpec Bevel1Spec();
platform::BevelSpec Bevel2Spec();
platform::PictureSpec Image1Spec();
// Song buttons share the window's font, changed to a 16-point bold monospaced face.
platform::FontSpec SongButtonFont();

}  // namespace player
