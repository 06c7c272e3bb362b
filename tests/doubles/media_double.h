// A media device that records its calls and follows the device's states: nothing open, stopped,
// playing, ended. Files listed in `unplayable` fail to open.
#pragma once

#include <set>

#include "platform/exception.h"
#include "platform/media_device.h"
#include "tests/doubles/event_log.h"

namespace doubles {

class MediaDouble : public platform::MediaDevice {
 public:
  explicit MediaDouble(EventLog& log) : log_(log) {}
  std::set<std::string> unplayable;  // native paths

  void Open(const platform::PathName& path) override {
    Close();
    log_.Add("open " + path.native);
    if (unplayable.count(path.native)) throw platform::EMCIDeviceError("cannot open");
    open_file_ = path.native;
  }
  void Play() override {
    if (open_file_.empty()) throw platform::EMCIDeviceError("no device");
    log_.Add("play " + open_file_);
    playing_ = true;
  }
  void Stop() override {
    if (open_file_.empty()) throw platform::EMCIDeviceError("no device");
    log_.Add("stop");
    playing_ = false;
  }
  bool IsPlaying() override { return playing_; }
  void Close() override {
    if (!open_file_.empty()) log_.Add("close " + open_file_);
    open_file_.clear();
    playing_ = false;
  }
  // The song reaches its end by itself.
  void End() { playing_ = false; }

 private:
  EventLog& log_;
  std::string open_file_;  // empty while nothing is open
  bool playing_ = false;
};

}  // namespace doubles
