// Key to first audible sample of the announcement, through the program's own speech control and
// speech-dispatcher, heard on the session's sound output (run it in scripts/linux-session.sh).
// Each key is what a focus change does: silence, then speak "number title".
//
//   otopicco_speech_latency [KEYS [TARGET_MS [afresh]]]
//
// The first pass over the 20 songs hears each text for the first time; later passes hear texts
// again, as a child browsing up and down does. Both are reported beside the median of all keys.
// With "afresh", the Open JTalk voice's kept parts are thrown away before every key, so every
// text (its number too) is made from nothing: the slowest case there is.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "platform/linux/iconv_codec.h"
#include "platform/linux/speech_dispatcher.h"
#include "tests/bench/sink_listener.h"

namespace {

using namespace std::chrono_literals;
using platform::linux_impl::IconvCodec;

const char* const kTitles[] = {"東京の夜空",
                               "さくらさくら",
                               "かえるのうた",
                               "ふるさと",
                               "どんぐりころころ",
                               "きらきらぼし",
                               "森のくまさん",
                               "赤とんぼ",
                               "七つの子",
                               "春が来た",
                               "うみ",
                               "たなばたさま",
                               "チューリップ",
                               "ぶんぶんぶん",
                               "大きな栗の木の下で",
                               "むすんでひらいて",
                               "しゃぼん玉",
                               "雪",
                               "夕焼け小焼け",
                               "こいのぼり"};
constexpr int kSongs = 20;

std::u16string Utf16(const std::string& utf8) {
  return IconvCodec().SjisToUtf16(IconvCodec::Utf8ToSjis(utf8));
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<size_t>(fraction * values.size()))];
}

// The Open JTalk voice's kept parts (see platform/linux/speechd/openjtalk-speak).
void ForgetSpokenParts() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  if (runtime == nullptr) return;
  std::error_code ignored;
  for (const auto& entry :
       std::filesystem::directory_iterator(std::string(runtime) + "/otopicco-openjtalk", ignored)) {
    if (entry.path().extension() == ".raw") std::filesystem::remove(entry.path(), ignored);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int keys = argc > 1 ? std::atoi(argv[1]) : 100;
  const double target = argc > 2 ? std::atof(argv[2]) : 0;
  const bool afresh = argc > 3 && std::string(argv[3]) == "afresh";
  const char* sink = std::getenv("LS_SINK");
  if (sink == nullptr) {
    std::fprintf(stderr, "run inside scripts/linux-session.sh (LS_SINK is not set)\n");
    return 2;
  }
  platform::linux_impl::SpeechDispatcherControl speech;
  speech.SetSpeed(160);
  bench::SinkListener ear(sink);
  // Not counted: the service's and the voice's first start.
  speech.Speak(Utf16("0 じゅんび"));
  ear.SoundAfter(bench::SinkListener::Clock::now() - 1s, 20s);
  ear.QuietFor(500ms, 20s);

  std::vector<double> all, first_time, again;
  int missed = 0;
  for (int key = 0; key < keys; ++key) {
    const int song = key % kSongs;
    const std::u16string text = Utf16(std::to_string(song + 1) + " " + kTitles[song]);
    speech.Silence();
    ear.QuietFor(100ms, 5s);
    if (afresh) ForgetSpokenParts();
    const auto pressed = bench::SinkListener::Clock::now();
    speech.Silence();
    speech.Speak(text);
    const auto heard = ear.SoundAfter(pressed, 3s);
    if (!heard) {
      ++missed;
      continue;
    }
    const double ms = std::chrono::duration<double, std::milli>(*heard - pressed).count();
    all.push_back(ms);
    (key < kSongs ? first_time : again).push_back(ms);
    std::this_thread::sleep_for(300ms);  // the child listens a moment before the next key
  }
  speech.Silence();

  std::printf(
      "%-18s%s keys %3zu  median %6.1f ms  p90 %6.1f  min %6.1f  max %6.1f  "
      "first hearing %6.1f  heard before %6.1f  missed %d",
      speech.Module().c_str(), afresh ? " afresh" : "", all.size(), Median(all),
      Percentile(all, 0.9), all.empty() ? 0 : *std::min_element(all.begin(), all.end()),
      all.empty() ? 0 : *std::max_element(all.begin(), all.end()), Median(first_time),
      Median(again), missed);
  if (target > 0) {
    std::printf("  target <= %.0f ms: %s", target,
                Median(all) <= target && missed == 0 ? "met" : "NOT met");
  }
  std::printf("\n");
  return 0;
}
