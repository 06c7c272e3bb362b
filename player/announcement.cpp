// The announcement's text, the frame's geometry and the selection's wrap-around.
#include "player/announcement.h"

#include "player/song_list.h"

namespace player {

platform::Rect HighlightFrame(const platform::Bounds& button) {
  return platform::Rect{button.left - 2, button.top - 2, button.left + button.width + 2,
                        button.top + button.height + 2};
}

std::string AnnouncementText(int index, const std::string& file_name) {
  return std::to_string(index + 1) + " " + TitleOf(file_name);
}

int32_t StepIndex(int32_t index, int32_t step, int32_t max_index) {
  const int32_t next = index + step;
  if (next < 0) return max_index;
  if (next > max_index) return 0;
  return next;
}

}  // namespace player
