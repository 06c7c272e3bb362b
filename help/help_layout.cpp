// The help window as stored: a yellow window with the help text above a big "おわる" button.
#include "help/help_layout.h"

#include "player/colours.h"
#include "player/texts.h"
#include "player/window_fonts.h"

namespace help {

platform::FormSpec HelpFormSpec() {
  platform::FormSpec spec;
  spec.caption = texts::kHelpCaption;
  spec.left = 494;
  spec.top = 154;
  spec.client_width = 410;
  spec.client_height = 417;
  spec.border = platform::Border::Sizeable;
  spec.background = player::kYellow;
  spec.font = player::kWindowFont;
  return spec;
}

platform::MemoSpec Memo1Spec(std::vector<std::string> lines) {
  return platform::MemoSpec{platform::Bounds{14, 7, 385, 361},
                            platform::FontSpec{platform::FontRole::Proportional, 15, false},
                            std::move(lines)};
}

platform::PushButtonSpec Button1Spec() {
  platform::PushButtonSpec spec;
  spec.bounds = platform::Bounds{152, 373, 81, 41};
  spec.caption = texts::kHelpClose;
  spec.font = player::kBigButtonFont;
  spec.is_default = true;
  return spec;
}

}  // namespace help
