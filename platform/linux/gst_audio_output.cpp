// Whether a song's sound output reaches a real output, and how far the song has reached it.
#include "platform/linux/gst_audio_output.h"

#include <atomic>

namespace platform::linux_impl {
namespace {

bool MadeBy(GstElement* element, const char* factory_name) {
  GstElementFactory* factory = gst_element_get_factory(element);
  return factory != nullptr &&
         g_strcmp0(gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)), factory_name) == 0;
}

// The time in the song of the last piece of sound handed to the output, kept on the pipeline.
constexpr char kReached[] = "otopicco-reached";

GstPadProbeReturn NoteReached(GstPad*, GstPadProbeInfo* info, gpointer reached) {
  const GstBuffer* buffer = GST_PAD_PROBE_INFO_BUFFER(info);
  if (buffer != nullptr && GST_BUFFER_PTS_IS_VALID(buffer))
    static_cast<std::atomic<gint64>*>(reached)->store(static_cast<gint64>(GST_BUFFER_PTS(buffer)));
  return GST_PAD_PROBE_OK;
}

}  // namespace

void FollowReached(GstElement* playbin, GstElement* sink) {
  auto* reached = new std::atomic<gint64>(0);
  g_object_set_data_full(G_OBJECT(playbin), kReached, reached,
                         [](gpointer data) { delete static_cast<std::atomic<gint64>*>(data); });
  GstPad* pad = gst_element_get_static_pad(sink, "sink");
  if (pad == nullptr) return;
  gst_pad_add_probe(pad, GST_PAD_PROBE_TYPE_BUFFER, &NoteReached, reached, nullptr);
  gst_object_unref(pad);
}

gint64 Reached(GstElement* playbin) {
  const auto* reached = static_cast<std::atomic<gint64>*>(g_object_get_data(G_OBJECT(playbin), kReached));
  return reached != nullptr ? reached->load() : 0;
}

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
