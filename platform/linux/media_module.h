// The media device of the Linux program: the one the GStreamer module makes (gst_module.h),
// loaded the first time it is needed. Until then nothing can be open, so nothing plays.
#pragma once

#include <memory>
#include <string>

#include "platform/media_device.h"

namespace platform::linux_impl {

class PosixFileSystem;

// Where the module is: beside the program, in the build as in the installed package.
std::string GstModuleBeside(const PosixFileSystem& files);

class MediaModule : public MediaDevice {
 public:
  // `module` is the module's path; `argc` and `argv` are the program's arguments, for
  // GStreamer's own options (--gst-debug and the like), and must outlive the device.
  MediaModule(std::string module, int* argc, char*** argv);
  ~MediaModule() override;
  MediaModule(const MediaModule&) = delete;
  MediaModule& operator=(const MediaModule&) = delete;

  // Loads the module and makes its device, unless that is done; false when it cannot be (the
  // first song's opening then says why).
  bool Load();

  void Open(const PathName& path) override;
  void Play() override;
  void Stop() override;
  bool IsPlaying() override;
  void Close() override;

 private:
  // The module's device; raises EMCIDeviceError with the reason when it cannot be made.
  MediaDevice& Device();

  std::string module_;
  int* argc_;
  char*** argv_;
  std::unique_ptr<MediaDevice> device_;
  std::string failure_;  // why the module could not be loaded, in UTF-8
};

}  // namespace platform::linux_impl
