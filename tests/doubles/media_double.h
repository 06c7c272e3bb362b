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
  std::string open_file;             // empty while nothing is open
  bool playing = false;

  void SetFileName(const platform::PathName& path) override { file_name_ = path.native; }
  void Open() override {
    Close();
    log_.Add("open " + file_name_);
    if (unplayable.count(file_name_)) throw platform::EMCIDeviceError("cannot open");
    open_file = file_name_;
  }
  void Play() override {
    if (open_file.empty()) throw platform::EMCIDeviceError("no device");
    log_.Add("play " + open_file);
    playing = true;
  }
  void Stop() override {
    if (open_file.empty()) throw platform::EMCIDeviceError("no device");
    log_.Add("stop");
    playing = false;
  }
  platform::MediaMode Mode() override {
    if (open_file.empty()) return platform::MediaMode::NotReady;
    return playing ? platform::MediaMode::Playing : platform::MediaMode::Stopped;
  }
  void Close() override {
    if (!open_file.empty()) log_.Add("close " + open_file);
    open_file.clear();
    playing = false;
  }
  // The song reaches its end by itself.
  void End() { playing = false; }

 private:
  EventLog& log_;
  std::string file_name_;
};

}  // namespace doubles
