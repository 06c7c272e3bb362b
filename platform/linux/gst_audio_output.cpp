// Whether a song's sound output reaches a real output.
#include "platform/linux/gst_audio_output.h"

namespace platform::linux_impl {
namespace {

bool MadeBy(GstElement* element, const char* factory_name) {
  GstElementFactory* factory = gst_element_get_factory(element);
  return factory != nullptr &&
         g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), factory_name) == 0;
}

}  // namespace

bool PlaysIntoNothing(GstElement* sink) {
  if (!GST_IS_BIN(sink)) return false;
  bool nowhere = false;
  GstIterator* elements = gst_bin_iterate_recurse(GST_BIN(sink));
  GValue item = G_VALUE_INIT;
  bool more = true;
  while (more) {
    switch (gst_iterator_next(elements, &item)) {
      case GST_ITERATOR_OK: {
        auto* element = GST_ELEMENT(g_value_get_object(&item));
        GstObject* parent = gst_object_get_parent(GST_OBJECT(element));
        if (parent != nullptr) {
          nowhere = nowhere || (MadeBy(element, "fakesink") && GST_IS_ELEMENT(parent) &&
                                MadeBy(GST_ELEMENT(parent), "autoaudiosink"));
          gst_object_unref(parent);
        }
        g_value_reset(&item);
        break;
      }
      case GST_ITERATOR_RESYNC:
        nowhere = false;
        gst_iterator_resync(elements);
        break;
      default:
        more = false;
        break;
    }
  }
  g_value_unset(&item);
  gst_iterator_free(elements);
  return nowhere;
}

}  // namespace platform::linux_impl
