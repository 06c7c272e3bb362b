// What the player says and draws when a song button takes the focus, and how the keypad moves
// the selection.
#pragma once

#include <cstdint>
#include <string>

#include "platform/drawing.h"

namespace player {

// The band drawn around a song button: two pixels outside it on every side, for a 4-pixel pen.
platform::Rect HighlightFrame(const platform::Bounds& button);
constexpr int kFramePenWidth = 4;

// The song number, one blank, the whole title (never cut as the caption is).
std::string AnnouncementText(int index, const std::string& file_name);

// One step up (-1) or down (+1) through 0..max_index, wrapping at both ends.
int32_t StepIndex(int32_t index, int32_t step, int32_t max_index);

}  // namespace player
