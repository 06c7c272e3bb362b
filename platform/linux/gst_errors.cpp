// GStreamer's own error texts follow the user's locale and name elements; the player's texts are
// Japanese and speak of songs and files.
#include "platform/linux/gst_errors.h"

#include <gst/gst.h>

namespace platform::linux_impl {

std::string OpenFailureText(const GError* error, bool in_audio_output) {
  if (in_audio_output) return "音声を出力する装置を開けません。";
  if (error == nullptr) return "原因不明のエラー";
  if (error->domain == GST_RESOURCE_ERROR) {
    switch (error->code) {
      case GST_RESOURCE_ERROR_NOT_FOUND:
        return "ファイルが見つかりません。";
      case GST_RESOURCE_ERROR_OPEN_READ:
      case GST_RESOURCE_ERROR_OPEN_READ_WRITE:
      case GST_RESOURCE_ERROR_READ:
      case GST_RESOURCE_ERROR_NOT_AUTHORIZED:
        return "ファイルを読めません。";
      default:
        return "ファイルを開けません。";
    }
  }
  if ((error->domain == GST_STREAM_ERROR && error->code == GST_STREAM_ERROR_CODEC_NOT_FOUND) ||
      (error->domain == GST_CORE_ERROR && error->code == GST_CORE_ERROR_MISSING_PLUGIN)) {
    return "この音声を再生するためのデコーダーがありません。";
  }
  if (error->domain == GST_STREAM_ERROR) return "再生できる音声のファイルではありません。";
  return "原因不明のエラー";
}

}  // namespace platform::linux_impl
