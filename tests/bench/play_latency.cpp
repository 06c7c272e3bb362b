// Enter to the first audible sample of the song, for the real player and, side by side, for
// otopicco_playbin_minimal (a playbin, its file, PLAYING: the floor for a GStreamer program), each
// playing the same files in the same private session (tests/bench/linux_play.sh runs it).
//
//   otopicco_play_latency RUNS PROGRAM MINIMAL FOLDER
//
// FOLDER's `music` holds two short songs. Every run starts alike: the last song has ended, Down
// moves the player to the other song and its announcement is said to its end. Then either the
// player gets Enter (the click that closes the last song and opens and plays the new one) or the
// minimal program is told to play that same file (it too closes the file it played last). The
// two kinds of run alternate, which goes first alternating too; one unmeasured run of each warms
// both up.
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

constexpr auto kOver = 400ms;  // an announcement or a song said or played to its end
const char* const kSongs[] = {"music/a.mp3", "music/b.mp3"};

double Ms(Clock::duration span) { return std::chrono::duration<double, std::milli>(span).count(); }

class Bench {
 public:
  Bench(const std::string& program, const std::string& minimal, const std::string& folder,
        const std::string& log)
      : folder_(folder) {
    if (!ear_.AwaitSamples(10s)) throw std::runtime_error("the sound output's monitor is silent");
    const auto started = Clock::now();
    player_ = std::make_unique<bench::ChildProgram>(std::vector<std::string>{program}, folder, log);
    if (!ear_.SoundAfter(started, 60s)) throw std::runtime_error("the player announced nothing");
    minimal_ = std::make_unique<bench::ChildProgram>(std::vector<std::string>{minimal}, folder,
                                                     log, true);
  }

  // Enter to the player, or the same song to the minimal program; the delay to its sound.
  double Run(bool player) {
    Over();
    const auto down = keyboard_.Type("Down");
    song_ = (song_ + 1) % 2;
    if (!ear_.SoundAfter(down, 10s)) throw std::runtime_error("Down was not announced");
    Over();
    if (player) return Heard(keyboard_.Type("Return"));
    const auto sent = Clock::now();
    minimal_->Send("play " + folder_ + "/" + kSongs[song_]);
    return Heard(sent);
  }

  bool PlayerRunning() { return player_->Running(); }

 private:
  void Over() {
    if (!ear_.QuietFor(kOver, 30s)) throw std::runtime_error("the sound never stops");
  }
  double Heard(Clock::time_point since) {
    const auto heard = ear_.SoundAfter(since, 10s);
    return heard ? Ms(*heard - since) : -1;
  }

  std::string folder_;
  bench::SinkListener ear_{std::getenv("LS_SINK")};
  bench::XKeys keyboard_;
  std::unique_ptr<bench::ChildProgram> player_;
  std::unique_ptr<bench::ChildProgram> minimal_;
  int song_ = 0;  // the song the player has the focus on: the first at start
};

int Run(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: %s RUNS PROGRAM MINIMAL FOLDER\n", argv[0]);
    return 2;
  }
  const char* session = std::getenv("LS_DIR");
  if (std::getenv("LS_SINK") == nullptr || session == nullptr) {
    std::fprintf(stderr, "run inside scripts/linux-session.sh\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  Bench bench(argv[2], argv[3], argv[4], std::string(session) + "/program.log");
  bench.Run(true);
  bench.Run(false);
  std::vector<double> player, minimal;
  int missed = 0;
  for (int run = 0; run < 2 * runs; ++run) {
    const bool is_player = (run / 2 + run) % 2 == 0;  // P M, M P, P M...
    const double ms = bench.Run(is_player);
    if (ms < 0)
      ++missed;
    else
      (is_player ? player : minimal).push_back(ms);
  }
  if (!bench.PlayerRunning()) throw std::runtime_error("the player ended during the runs");
  const double ratio = bench::Median(player) / bench::Median(minimal);
  std::printf("  player     %3zu runs  median %6.1f ms  p90 %6.1f\n", player.size(),
              bench::Median(player), bench::Percentile(player, 0.9));
  std::printf("  minimal    %3zu runs  median %6.1f ms  p90 %6.1f\n", minimal.size(),
              bench::Median(minimal), bench::Percentile(minimal, 0.9));
  std::printf("  ratio %.2fx (missed %d)  floor <= 1.2x: %s\n", ratio, missed,
              ratio <= 1.2 && missed == 0 ? "met" : "NOT met");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc, argv);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "otopicco_play_latency: %s\n", error.what());
    return 1;
  }
}
