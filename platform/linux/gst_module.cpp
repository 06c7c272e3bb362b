// The entry of the GStreamer module (see gst_module.h).
#include "platform/linux/gst_module.h"

#include <gst/gst.h>

#include <new>
#include <type_traits>

#include "platform/linux/gst_media_device.h"

extern "C" __attribute__((visibility("default"))) platform::MediaDevice* otopicco_make_media_device(
    int* argc, char*** argv) {
  GError* error = nullptr;
  if (!gst_init_check(argc, argv, &error)) {
    g_clear_error(&error);
    return nullptr;
  }
  return new (std::nothrow) platform::linux_impl::GstMediaDevice();
}

static_assert(std::is_same_v<decltype(&otopicco_make_media_device),
                             platform::linux_impl::MakeMediaDevice>,
              "the entry is called through MakeMediaDevice");
