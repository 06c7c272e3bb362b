// Whether a song's sound output reaches a real output, and how far the song has reached it.
#pragma once

#include <gst/gst.h>

namespace platform::linux_impl {

// True when `sink` (a song's sound output, once it is ready to play) plays into nothing: where no
// sound output can be opened (no sound server, no sound card), autoaudiosink plays into a fake
// sink of its own, and the song would seem to play while nothing can be heard.
bool PlaysIntoNothing(GstElement* sink);

// Notes on `playbin` how far its song reaches `sink` (its sound output), from now on: a sound
// output that has broken down no longer tells where the song was.
void FollowReached(GstElement* playbin, GstElement* sink);
// The time in the song (nanoseconds) of the last sound handed to the output; 0 before any.
gint64 Reached(GstElement* playbin);

}  // namespace platform::linux_impl
