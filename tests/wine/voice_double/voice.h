// A stand-in for SAPI 5's SpVoice, registered only inside the test Wine prefix in place of
// Wine's own. It speaks nothing: every call of the whole ISpVoice vtable is logged (see
// ../call_log.h) to the file named by OTOPICCO_VOICE_LOG. Without that variable no voice is made
// at all, so a stand-in left registered by accident leaves a program as speechless as Wine's own.
//
// Events and their arguments:
//   create                          the program made the voice
//   voice <token id>                SetVoice with a token (its id as the category gave it)
//   voice                           SetVoice(NULL): back to the default voice
//   rate <n>                        SetRate
//   speak <flags>                   Speak(NULL, flags): a stop request when flags hold PURGEBEFORESPEAK
//   speak <flags> <text>            Speak(text, flags)
//   call <method>                   any other method; it answers E_NOTIMPL
//   fail <event>                    the call was refused on request (below)
//   release                         the last reference went
// <flags> are SPF_ names without the prefix joined by "|" ("ASYNC|IS_NOT_XML"), DEFAULT for 0.
//
// OTOPICCO_VOICE_FAIL=create|stop|speak|rate|voice makes that call fail with E_FAIL, the way a
// voice whose engine is broken answers. OTOPICCO_VOICE_DELAY_MS=N makes every text take N
// milliseconds before Speak returns, as a slow engine or a loaded machine does.
#pragma once

#include <windows.h>

#include <sapi.h>

namespace voice_double {

// A new voice with one reference, or nullptr when the test named no log or asked creation to fail.
ISpVoice* NewVoice();
// True while voices made by NewVoice are alive.
bool VoicesAlive();

}  // namespace voice_double
