// The least a program does to play a song with GStreamer: a playbin given the file, set to
// PLAYING. The floor that tests/bench/play_latency.cpp holds the player's Enter against.
//
//   otopicco_playbin_minimal      reads lines from standard input:
//     play FILE   closes the song played last, then plays FILE from its beginning
//     stop        closes the song
#include <gst/gst.h>

#include <iostream>
#include <string>

namespace {

GstElement* playbin = nullptr;

void CloseSong() {
  if (playbin == nullptr) return;
  gst_element_set_state(playbin, GST_STATE_NULL);
  gst_object_unref(playbin);
  playbin = nullptr;
}

void PlaySong(const std::string& file) {
  CloseSong();
  gchar* uri = gst_filename_to_uri(file.c_str(), nullptr);
  if (uri == nullptr) return;
  playbin = gst_element_factory_make("playbin", nullptr);
  g_object_set(playbin, "uri", uri, nullptr);
  g_free(uri);
  gst_element_set_state(playbin, GST_STATE_PLAYING);
}

}  // namespace

int main(int argc, char** argv) {
  gst_init(&argc, &argv);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (line.rfind("play ", 0) == 0) PlaySong(line.substr(5));
    if (line == "stop") CloseSong();
  }
  CloseSong();
  return 0;
}
