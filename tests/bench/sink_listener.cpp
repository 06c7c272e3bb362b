#include "tests/bench/sink_listener.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace bench {
namespace {

constexpr size_t kBlock = 220;  // 5 ms
constexpr int kLoud = 328;      // -40 dBFS
constexpr const char* kFormat = "--format=s16le";

// Starts `argv` with standard input from `in` and standard output to `out` (-1: unchanged).
pid_t Start(const std::vector<std::string>& argv, int in, int out) {
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    if (in >= 0) dup2(in, 0);
    if (out >= 0) dup2(out, 1);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    execvp(args[0], args.data());
    _exit(127);
  }
  return pid;
}

void End(pid_t pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
}

}  // namespace

SinkListener::SinkListener(const std::string& sink) {
  const int zero = open("/dev/zero", O_RDONLY);
  keeper_ = Start({"pacat", "--playback", "--raw", kFormat, "--rate=44100", "--channels=1",
                   "--latency-msec=20", "--client-name=bench-silence"},
                  zero, -1);
  close(zero);
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) throw std::runtime_error("pipe failed");
  recorder_ = Start({"parec", "-d", sink + ".monitor", "--raw", kFormat, "--rate=44100",
                     "--channels=1", "--latency-msec=5", "--client-name=bench-ear"},
                    -1, pipe_fds[1]);
  close(pipe_fds[1]);
  samples_fd_ = pipe_fds[0];
  reader_ = std::thread([this] { Read(); });
}

SinkListener::~SinkListener() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    running_ = false;
  }
  End(recorder_);
  End(keeper_);
  reader_.join();
  close(samples_fd_);
}

void SinkListener::Read() {
  std::vector<int16_t> block(kBlock);
  size_t filled = 0;
  for (;;) {
    const ssize_t count = read(samples_fd_, reinterpret_cast<char*>(block.data()) + filled,
                               kBlock * sizeof(int16_t) - filled);
    if (count <= 0) return;
    filled += static_cast<size_t>(count);
    if (filled < kBlock * sizeof(int16_t)) continue;
    filled = 0;
    const auto now = Clock::now();
    const bool loud =
        std::any_of(block.begin(), block.end(), [](int16_t s) { return s > kLoud || s < -kLoud; });
    std::lock_guard<std::mutex> lock(mutex_);
    if (!loud && samples_) continue;
    samples_ = true;
    if (loud) loud_.push_back(now);
    heard_.notify_all();
  }
}

bool SinkListener::AwaitSamples(std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(mutex_);
  return heard_.wait_for(lock, limit, [this] { return samples_; });
}

std::optional<SinkListener::Clock::time_point> SinkListener::SoundAfter(
    Clock::time_point since, std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(mutex_);
  std::optional<Clock::time_point> found;
  heard_.wait_until(lock, since + limit, [&] {
    const auto it = std::lower_bound(loud_.begin(), loud_.end(), since);
    if (it != loud_.end()) found = *it;
    return found.has_value();
  });
  return found;
}

bool SinkListener::QuietFor(std::chrono::milliseconds span, std::chrono::milliseconds limit) {
  const auto deadline = Clock::now() + limit;
  for (;;) {
    Clock::time_point last;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      last = loud_.empty() ? Clock::time_point{} : loud_.back();
    }
    const auto now = Clock::now();
    if (now - last >= span) return true;
    if (now > deadline) return false;
    std::this_thread::sleep_for(last + span - now);
  }
}

}  // namespace bench
