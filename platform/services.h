// The platform objects the program's windows are built on, handed in by each platform's main.
#pragma once

#include "platform/file_system.h"
#include "platform/media_device.h"
#include "platform/speech_control.h"
#include "platform/text.h"
#include "platform/window_system.h"

namespace platform {

struct Services {
  WindowSystem& windows;
  SpeechFactory& speech;
  MediaDevice& media;
  FileSystem& files;
  const TextCodec& codec;
};

}  // namespace platform
