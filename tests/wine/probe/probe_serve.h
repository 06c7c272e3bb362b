// The probe as a long-lived helper: starting a Wine process for every question costs a few
// hundred milliseconds (seconds on a loaded machine), so the end-to-end suite keeps one probe
// running and writes its commands to the probe's standard input, one a line in UTF-8, with the
// same words as on the command line ("focus 0x1234"). Each answer is the command's usual output
// followed by the line "end<TAB><exit code>". The probe ends at the end of its input.
#pragma once

namespace probe_serve {

using Command = int (*)(int argc, wchar_t** argv);

int Serve(Command run);

}  // namespace probe_serve
