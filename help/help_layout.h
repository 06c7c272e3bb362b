// The help window's layout as the form designer stored it: every number of the window is here.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace help {

platform::FormSpec HelpFormSpec();
// The text box, holding the given lines.
platform::MemoSpec Memo1Spec(std::vector<std::string> lines);
// "おわる", the default button; the form gives it its click.
platform::PushButtonSpec Button1Spec();

}  // namespace help
