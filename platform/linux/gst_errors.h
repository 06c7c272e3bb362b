// What the player says when GStreamer cannot open a song, in the program's own words.
#pragma once

#include <glib.h>

#include <string>

namespace platform::linux_impl {

// The Japanese text (UTF-8) for an error that ended the opening of a song. `in_audio_output`
// says whether it came from the sound output rather than from the file.
std::string OpenFailureText(const GError* error, bool in_audio_output);

}  // namespace platform::linux_impl
