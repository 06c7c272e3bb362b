// The media device that plays songs, one file at a time.
//
// Contract:
// - Open(path) closes the file that is open (ignoring how that goes, and so ending its song at
//   once), then opens the file at path, positioned at its start. A failure raises
//   EMCIDeviceError with the system's text for it; nothing is open afterwards.
// - Play() returns at once and the song plays on from the current position; a song that has
//   played to its end starts again from the beginning. With nothing open it raises
//   EMCIDeviceError. A device error after a successful open is not raised (nothing plays).
// - Stop() halts playback and keeps the file open at that position, so a later Play resumes
//   there. With nothing open it raises EMCIDeviceError; other device errors are not raised.
// - IsPlaying() is true while a song plays; never while nothing is open, and not once the song
//   has reached its end.
// - Close() ends playback and frees the device; nothing happens when nothing is open. It also
//   runs when the device is destroyed.
#pragma once

#include "platform/text.h"

namespace platform {

class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  virtual void Open(const PathName& path) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual bool IsPlaying() = 0;
  virtual void Close() = 0;
};

}  // namespace platform
