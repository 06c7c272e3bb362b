// A SAPI 5 voice (SpVoice) as the speech control: every current Windows has SAPI 5 and its
// voices, while the SAPI 4 control is found only on old PCs.
#pragma once

#include <memory>

#include "platform/speech_control.h"

namespace platform::win32 {

// A voice that has accepted a stop request, with a Japanese voice selected where the system has
// one. Raises SpeechError when SpVoice cannot be made or refuses that request: Wine's own
// SpVoice is made but answers E_NOTIMPL to everything and has no engine behind it.
std::unique_ptr<SpeechControl> CreateSapi5Speech();

}  // namespace platform::win32
