#include "platform/linux/media_module.h"

#include <dlfcn.h>

#include <utility>

#include "platform/exception.h"
#include "platform/linux/gst_module.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/posix_file_system.h"

namespace platform::linux_impl {

std::string GstModuleBeside(const PosixFileSystem& files) {
  return NativePath(files.Join(files.ProgramFolder(), NativeName(kGstModuleFile)));
}

MediaModule::MediaModule(std::string module, int* argc, char*** argv)
    : module_(std::move(module)), argc_(argc), argv_(argv) {}

// The module stays loaded: GStreamer cannot be unloaded once it has started its threads.
MediaModule::~MediaModule() = default;

bool MediaModule::Load() {
  if (device_) return true;
  // RTLD_NOW: a module that does not fit this program is refused here, with the reason, rather
  // than ending the program at the first call that misses.
  void* handle = dlopen(module_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    const char* reason = dlerror();
    failure_ = std::string("GStreamer の再生部品 (") + module_ + ") を読み込めません: " +
               (reason != nullptr ? reason : "");
    return false;
  }
  auto make = reinterpret_cast<MakeMediaDevice>(dlsym(handle, kGstModuleEntry));
  if (make == nullptr) {
    failure_ = std::string("GStreamer の再生部品 (") + module_ + ") が壊れています。";
    return false;
  }
  device_.reset(make(argc_, argv_));
  if (!device_) {
    failure_ = "GStreamer を初期化できません。";
    return false;
  }
  return true;
}

MediaDevice& MediaModule::Device() {
  if (!Load()) throw EMCIDeviceError(IconvCodec::Utf8ToSjis(failure_));
  return *device_;
}

void MediaModule::Open(const PathName& path) { Device().Open(path); }

void MediaModule::Play() { Device().Play(); }

void MediaModule::Stop() { Device().Stop(); }

// Before the module is loaded no song has been opened: none plays, none needs closing.
bool MediaModule::IsPlaying() { return device_ && device_->IsPlaying(); }

void MediaModule::Close() {
  if (device_) device_->Close();
}

}  // namespace platform::linux_impl
