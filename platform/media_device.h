// The media device that plays songs. Contract of the five operations:
// - Open closes an open file first (ignoring how that goes), then opens FileName positioned at its
//   start; a failure raises EMCIDeviceError with the system's text for the error.
// - Play seeks to the start when the song has played to its end, then plays on from the current
//   position and returns at once. With nothing open it raises EMCIDeviceError.
// - Stop halts playback and keeps the file open at that position (a later Play resumes there).
//   With nothing open it raises EMCIDeviceError.
// - Mode is the device mode: see MediaMode; never Playing while nothing is open.
// - Close ends playback and frees the device; it is also run when the device is destroyed.
// Other device errors of Play, Stop and Close are kept as the last error code, not raised.
#pragma once

#include "platform/text.h"

namespace platform {

enum class MediaMode : int {
  NotReady = 0,
  Stopped = 1,
  Playing = 2,
  Recording = 3,
  Seeking = 4,
  Paused = 5,
  Open = 6,
};

class MediaDevice {
 public:
  virtual ~MediaDevice() = default;
  // Only records the path for the next Open.
  virtual void SetFileName(const PathName& path) = 0;
  virtual void Open() = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  virtual MediaMode Mode() = 0;
  virtual void Close() = 0;
};

}  // namespace platform
