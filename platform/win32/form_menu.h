// The main menu of a form. Its shortcuts are the navigation rules' to match; the menu only shows
// them beside the captions.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_system.h"

namespace platform::win32 {

// A menu bar with each shortcut shown after a tab in its item's text ("\tCtrl+O"); nothing for
// no items.
HMENU BuildMenuBar(const std::vector<MenuSpec>& items);

}  // namespace platform::win32
