// Key to first audible sample of the announcement, through the real player: Down keys typed
// into its window on the session's X server, the announcement heard on the session's sound
// output (run it in scripts/linux-session.sh; tests/bench/linux_keys.sh does).
//
//   otopicco_key_latency VOICE KEYS TARGET_MS PROGRAM FOLDER SONGS
//
// Starts PROGRAM in FOLDER (whose `music` holds SONGS songs), waits for its first announcement,
// then types KEYS Down keys, each once the announcement before it has been said to its end (a
// child listening), and prints the median and 90th percentile beside TARGET_MS. Songs heard for
// the first time and songs heard again (browsing up and down) are also shown apart: a voice may
// keep what it has said.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

#include "tests/bench/child_program.h"
#include "tests/bench/sink_listener.h"
#include "tests/bench/stats.h"
#include "tests/bench/x_keys.h"

namespace {

using namespace std::chrono_literals;
using Clock = bench::SinkListener::Clock;

// Longer than any pause inside one announcement (0.15 s after its number).
constexpr auto kSaidToItsEnd = 400ms;

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

int Run(int argc, char** argv) {
  if (argc != 7) {
    std::fprintf(stderr, "usage: %s VOICE KEYS TARGET_MS PROGRAM FOLDER SONGS\n", argv[0]);
    return 2;
  }
  const std::string voice = argv[1];
  const int keys = std::atoi(argv[2]);
  const double target = std::atof(argv[3]);
  const int songs = std::atoi(argv[6]);
  const char* sink = std::getenv("LS_SINK");
  const char* session = std::getenv("LS_DIR");
  if (sink == nullptr || session == nullptr) {
    std::fprintf(stderr, "run inside scripts/linux-session.sh\n");
    return 2;
  }
  bench::SinkListener ear(sink);
  if (!ear.AwaitSamples(10s)) throw std::runtime_error("the sound output's monitor is silent");
  bench::XKeys keyboard;
  const auto started = Clock::now();
  bench::ChildProgram player({argv[4]}, argv[5], std::string(session) + "/program.log");
  if (!ear.SoundAfter(started, 60s)) throw std::runtime_error("the player announced nothing");
  ear.QuietFor(kSaidToItsEnd, 30s);

  std::vector<bool> heard_before(songs, false);
  heard_before[0] = true;  // the first song is announced at start
  std::vector<double> all, first_time, again;
  int focused = 0, missed = 0;
  for (int key = 0; key < keys; ++key) {
    if (!ear.QuietFor(kSaidToItsEnd, 20s)) throw std::runtime_error("the sound never stops");
    const int song = (focused + 1) % songs;  // Down wraps from the last song to the first
    const auto sent = keyboard.Type("Down");
    focused = song;
    const auto heard = ear.SoundAfter(sent, 5s);
    if (!heard) {
      ++missed;
      continue;
    }
    const double ms = Ms(*heard - sent);
    all.push_back(ms);
    (heard_before[song] ? again : first_time).push_back(ms);
    heard_before[song] = true;
  }
  if (!player.Running()) throw std::runtime_error("the player ended during the keys");

  std::printf("  %-10s %3zu keys  median %6.1f ms  p90 %6.1f  (first hearing %6.1f, heard before "
              "%6.1f, missed %d)  floor <= %.0f ms: %s\n",
              voice.c_str(), all.size(), bench::Median(all), bench::Percentile(all, 0.9),
              bench::Median(first_time), bench::Median(again), missed, target,
              bench::Median(all) <= target && missed == 0 ? "met" : "NOT met");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "otopicco_key_latency: %s\n", error.what());
    return 1;
  }
}
