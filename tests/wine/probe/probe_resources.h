// The "resources PID" command of probe.exe: what a process holds of the system, for the soak's
// check that nothing grows over a long run.
#pragma once

#include <windows.h>

namespace probe_resources {

// Writes one "resources" record for the process `pid`; returns the exit code (1 when the process
// cannot be opened).
int Report(DWORD pid);

}  // namespace probe_resources
