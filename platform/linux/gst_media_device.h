// The media device of the Linux build: one GStreamer playbin per open song.
//
// Nothing polls: the device reads its pipeline's bus only when it is asked something (whether a
// song plays, to play, to stop), so an idle player costs nothing. GStreamer is initialised by the
// device itself when the first song is opened, unless the caller has done so before.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/media_device.h"

struct _GstElement;

namespace platform::linux_impl {

class GstMediaDevice : public MediaDevice {
 public:
  // Songs play on the desktop's own sound output.
  GstMediaDevice();
  // Songs play on the sink that `audio_sink` describes in gst-launch syntax ("fakesink
  // sync=true" plays in real time with no sound, for tests).
  explicit GstMediaDevice(std::string audio_sink);
  ~GstMediaDevice() override;
  GstMediaDevice(const GstMediaDevice&) = delete;
  GstMediaDevice& operator=(const GstMediaDevice&) = delete;

  void Open(const PathName& path) override;
  void Play() override;
  void Stop() override;
  bool IsPlaying() override;
  void Close() override;

  // For tests of the device itself: where the open song is, nothing when none is open.
  std::optional<int64_t> PositionMilliseconds();

 private:
  _GstElement* Prepare(const std::string& uri);
  bool Recover();
  void ReadBus();
  void RequireOpen() const;
  void Retire();
  void DisposeRetired();

  std::string audio_sink_;
  std::string uri_;  // of the open song
  _GstElement* pipeline_ = nullptr;
  _GstElement* retired_ = nullptr;  // the song closed by Open, quiet, taken down at the next Play
  bool playing_ = false;  // asked to play and not stopped since
  bool ended_ = false;    // the song played to its end
  bool failed_ = false;   // the device failed after the song was opened; nothing plays
};

}  // namespace platform::linux_impl
