// The program entry shared by every platform: the platform's main creates its objects, hands
// them in here and returns what this returns as the process's exit code.
#pragma once

#include "platform/services.h"

namespace app {

// Creates the player window, the help window and the folder dialog in that order, runs the
// message loop and destroys the windows in reverse order. The component-object runtime must
// already be set up for this thread as a single-threaded apartment.
int RunProgram(const platform::Services& services);

}  // namespace app
