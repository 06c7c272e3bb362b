// The song player of the Linux program lives in a module of its own, otopicco-gstreamer.so beside
// the program, which links GStreamer. The program loads it when a song first needs it, or once
// its first announcement has been made: GStreamer and the dozen libraries it brings along would
// otherwise be loaded before the program can show its window and speak.
#pragma once

#include "platform/media_device.h"

namespace platform::linux_impl {

inline constexpr char kGstModuleFile[] = "otopicco-gstreamer.so";

// The module's one entry, by this name: initialises GStreamer with the program's arguments (it
// takes its own options out of them) and makes a media device that plays on the desktop's sound
// output, which the caller owns. Returns nullptr when GStreamer cannot be initialised.
inline constexpr char kGstModuleEntry[] = "otopicco_make_media_device";
using MakeMediaDevice = MediaDevice* (*)(int* argc, char*** argv);

}  // namespace platform::linux_impl
