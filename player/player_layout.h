// The player window's layout: the window as stored, the column of song buttons, and how the
// window and the staff picture follow the number of songs. Every number of the window is here.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace player {

platform::FormSpec PlayerFormSpec();
platform::BevelSpec Bevel1Spec();
platform::BevelSpec Bevel2Spec();
platform::PictureSpec Image1Spec();

// Song index i sits 60 pixels below song i - 1, so 20 pixels lie between two buttons.
platform::Bounds SongButtonBounds(int index);
// The window's font changed to the 16-point bold monospaced face.
platform::FontSpec SongButtonFont();

// The window's outer size as the user sees it on Windows, frame, title bar and menu bar
// included: 320 wide and 60 × MaxIndex + 180 high, so the window grows by one button pitch a song.
constexpr int kWindowOuterWidth = 320;
int WindowOuterHeight(int32_t max_index);
// The client size that gives that outer size on Windows.
int WindowClientWidth();
int WindowClientHeight(int32_t max_index);

// Top of the staff picture and of its frame, 14 pixels below the last button.
int PictureTop(int32_t max_index);

}  // namespace player
