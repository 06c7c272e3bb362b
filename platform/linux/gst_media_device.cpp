// Opens, plays, stops and closes one song at a time with a GStreamer playbin.
#include "platform/linux/gst_media_device.h"

#include <gst/gst.h>

#include <utility>

#include "platform/exception.h"
#include "platform/linux/gst_audio_output.h"
#include "platform/linux/gst_errors.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/posix_file_system.h"

namespace platform::linux_impl {
namespace {

// How long a song may take to be ready to play: typefinding, decoder and sound output together
// take milliseconds; a file on a sleeping network share may take seconds.
constexpr GstClockTime kOpenTimeout = 15 * GST_SECOND;

[[noreturn]] void Fail(const std::string& utf8_text) {
  throw EMCIDeviceError(IconvCodec::Utf8ToSjis(utf8_text));
}

// Only the end of a song, errors and the end of a state change matter to the device; everything
// else (tags, buffering, clock and stream notices) is dropped in the streaming thread, so an
// unread bus never piles up messages while a song plays. A dropped message is the handler's to
// let go of: each one holds its sender, and a kept state-change notice would keep the whole
// pipeline of a closed song alive, its descriptors and memory with it.
GstBusSyncReply KeepUseful(GstBus*, GstMessage* message, gpointer) {
  switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
    case GST_MESSAGE_ERROR:
    case GST_MESSAGE_ASYNC_DONE:
      return GST_BUS_PASS;
    default:
      gst_message_unref(message);
      return GST_BUS_DROP;
  }
}

std::string AbsolutePath(const std::string& native) {
  if (!native.empty() && native[0] == '/') return native;
  gchar* folder = g_get_current_dir();
  std::string path = std::string(folder) + "/" + native;
  g_free(folder);
  return path;
}

// The file's own bytes as a URI: quotes, blanks, "%", "&", "#" and bytes that are no UTF-8 are
// escaped, so the name can never be read as anything but the name.
std::string FileUri(const PathName& path) {
  GError* error = nullptr;
  gchar* uri = g_filename_to_uri(AbsolutePath(NativePath(path)).c_str(), nullptr, &error);
  if (uri == nullptr) {
    g_clear_error(&error);
    Fail("ファイルの名前を扱えません。");
  }
  std::string text = uri;
  g_free(uri);
  return text;
}

// Waits until the song is ready to play (prerolled) or has failed; raises with the reason.
void AwaitPreroll(GstElement* playbin, GstElement* sink, GstStateChangeReturn change) {
  GstBus* bus = gst_element_get_bus(playbin);
  const GstClockTime wait = change == GST_STATE_CHANGE_ASYNC ? kOpenTimeout : 0;
  GstMessage* message = gst_bus_timed_pop_filtered(
      bus, wait, static_cast<GstMessageType>(GST_MESSAGE_ASYNC_DONE | GST_MESSAGE_ERROR));
  gst_object_unref(bus);
  if (message == nullptr) {
    if (change == GST_STATE_CHANGE_SUCCESS || change == GST_STATE_CHANGE_NO_PREROLL) return;
    Fail(change == GST_STATE_CHANGE_ASYNC ? "ファイルを開く準備が時間内に終わりませんでした。"
                                          : "原因不明のエラー");
  }
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    const bool in_output = gst_object_has_as_ancestor(GST_MESSAGE_SRC(message), GST_OBJECT(sink));
    const std::string text = OpenFailureText(error, in_output);
    g_clear_error(&error);
    gst_message_unref(message);
    Fail(text);
  }
  gst_message_unref(message);
}

void Dispose(GstElement* pipeline) {
  gst_element_set_state(pipeline, GST_STATE_NULL);
  gst_object_unref(pipeline);
}

}  // namespace

GstMediaDevice::GstMediaDevice() : GstMediaDevice("autoaudiosink") {}

GstMediaDevice::GstMediaDevice(std::string audio_sink) : audio_sink_(std::move(audio_sink)) {}

GstMediaDevice::~GstMediaDevice() { Close(); }

void GstMediaDevice::Open(const PathName& path) {
  Retire();
  if (!gst_is_initialized()) gst_init(nullptr, nullptr);
  try {
    const std::string uri = FileUri(path);
    pipeline_ = Prepare(uri);
    uri_ = uri;
  } catch (...) {
    DisposeRetired();
    throw;
  }
}

// A pipeline for the song at `uri`, ready to play at its start; raises with the reason when the
// song cannot be played, leaving nothing behind.
GstElement* GstMediaDevice::Prepare(const std::string& uri) {
  GstElement* playbin = gst_element_factory_make("playbin", nullptr);
  if (playbin == nullptr) Fail("GStreamer の再生部品 (playbin) がありません。");
  GError* error = nullptr;
  GstElement* sink = gst_parse_bin_from_description(audio_sink_.c_str(), TRUE, &error);
  if (sink == nullptr) {
    g_clear_error(&error);
    gst_object_unref(playbin);
    Fail("音声を出力する装置を開けません。");
  }
  // Songs only: cover pictures and video tracks are never decoded.
  gst_util_set_object_arg(G_OBJECT(playbin), "flags", "audio+soft-volume");
  g_object_set(playbin, "uri", uri.c_str(), "audio-sink", sink, nullptr);
  FollowReached(playbin, sink);
  GstBus* bus = gst_element_get_bus(playbin);
  gst_bus_set_sync_handler(bus, &KeepUseful, nullptr, nullptr);
  gst_object_unref(bus);
  try {
    AwaitPreroll(playbin, sink, gst_element_set_state(playbin, GST_STATE_PAUSED));
    if (PlaysIntoNothing(sink)) Fail("音声を出力する装置を開けません。");
    gint audio_streams = 0;
    g_object_get(playbin, "n-audio", &audio_streams, nullptr);
    if (audio_streams == 0) Fail("このファイルには音声がありません。");
  } catch (...) {
    Dispose(playbin);
    throw;
  }
  return playbin;
}

// The song's sound output failed while it played (the sound server went away, the sound card
// was unplugged): the song goes on from where it broke off in a new pipeline, once an output
// can be opened again. Until then nothing plays, as with any failure of a device while playing.
bool GstMediaDevice::Recover() {
  // The broken output lets go of its sound server first: a new output would otherwise share the
  // dead connection and find no sound server either.
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  GstElement* fresh = nullptr;
  try {
    fresh = Prepare(uri_);
  } catch (const EMCIDeviceError&) {
    return false;
  }
  const gint64 broke_at = Reached(pipeline_);
  Dispose(pipeline_);
  pipeline_ = fresh;
  playing_ = ended_ = failed_ = false;
  if (broke_at > 0) {
    gst_element_seek_simple(pipeline_, GST_FORMAT_TIME,
                            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            broke_at);
  }
  return true;
}

// Taking a pipeline down (its sound stream, its threads) takes milliseconds that the next song
// need not wait for: the song goes quiet now and is taken down once the next one plays.
void GstMediaDevice::Retire() {
  DisposeRetired();
  if (pipeline_ == nullptr) return;
  if (IsPlaying()) gst_element_set_state(pipeline_, GST_STATE_PAUSED);
  retired_ = pipeline_;
  pipeline_ = nullptr;
  playing_ = ended_ = failed_ = false;
}

void GstMediaDevice::DisposeRetired() {
  if (retired_ == nullptr) return;
  Dispose(retired_);
  retired_ = nullptr;
}

void GstMediaDevice::Play() {
  RequireOpen();
  ReadBus();
  if (failed_ && !Recover()) return;
  if (ended_) {
    // Played to its end: the song starts again from its beginning.
    gst_element_seek_simple(pipeline_, GST_FORMAT_TIME,
                            static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                            0);
    ended_ = false;
  }
  // A device that fails now reports it on the bus, and IsPlaying says no; nothing is raised.
  gst_element_set_state(pipeline_, GST_STATE_PLAYING);
  playing_ = true;
  DisposeRetired();
}

void GstMediaDevice::Stop() {
  RequireOpen();
  ReadBus();
  // Paused, not stopped: the song keeps its position for the next Play.
  gst_element_set_state(pipeline_, GST_STATE_PAUSED);
  playing_ = false;
}

bool GstMediaDevice::IsPlaying() {
  if (pipeline_ == nullptr) return false;
  ReadBus();
  return playing_ && !ended_ && !failed_;
}

void GstMediaDevice::Close() {
  DisposeRetired();
  if (pipeline_ == nullptr) return;
  Dispose(pipeline_);
  pipeline_ = nullptr;
  playing_ = ended_ = failed_ = false;
}

std::optional<int64_t> GstMediaDevice::PositionMilliseconds() {
  if (pipeline_ == nullptr) return std::nullopt;
  gint64 position = 0;
  if (!gst_element_query_position(pipeline_, GST_FORMAT_TIME, &position)) return std::nullopt;
  return position / GST_MSECOND;
}

void GstMediaDevice::ReadBus() {
  GstBus* bus = gst_element_get_bus(pipeline_);
  while (GstMessage* message = gst_bus_pop(bus)) {
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) ended_ = true;
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) failed_ = true;
    gst_message_unref(message);
  }
  gst_object_unref(bus);
}

void GstMediaDevice::RequireOpen() const {
  if (pipeline_ == nullptr) Fail("開いている曲がありません。");
}

}  // namespace platform::linux_impl
