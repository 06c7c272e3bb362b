// The main menu of a form and the accelerator table that makes its shortcuts work.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_system.h"

namespace platform::win32 {

// A menu bar with the shortcut shown after a tab in each item's text ("\tCtrl+O"); the
// shortcuts are appended to `accelerators`.
HMENU BuildMenuBar(const std::vector<MenuSpec>& items, std::vector<ACCEL>& accelerators);

}  // namespace platform::win32
