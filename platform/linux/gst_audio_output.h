// Whether a song's sound output reaches a real output.
#pragma once

#include <gst/gst.h>

namespace platform::linux_impl {

// True when `sink` (a song's sound output, once it is ready to play) plays into nothing: where no
// sound output can be opened (no sound server, no sound card), autoaudiosink plays into a fake
// sink of its own, and the song would seem to play while nothing can be heard.
bool PlaysIntoNothing(GstElement* sink);

}  // namespace platform::linux_impl
