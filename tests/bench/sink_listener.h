// Listens to a PulseAudio sink's monitor and notes when sound is heard, for latency figures:
// the time a block of samples arrives here is (within a few milliseconds) the time the sink
// played it. A silent stream is kept playing meanwhile, since a null sink's monitor delivers
// nothing while no stream plays.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace bench {

class SinkListener {
 public:
  using Clock = std::chrono::steady_clock;

  explicit SinkListener(const std::string& sink);
  ~SinkListener();
  SinkListener(const SinkListener&) = delete;
  SinkListener& operator=(const SinkListener&) = delete;

  // Waits until the monitor delivers samples (it starts a while after the listener); false if
  // none came within `limit`.
  bool AwaitSamples(std::chrono::milliseconds limit);
  // When the first sound at or after `since` was heard; nothing if none within `limit`.
  std::optional<Clock::time_point> SoundAfter(Clock::time_point since,
                                              std::chrono::milliseconds limit);
  // Waits until nothing has been heard for `span`; false if that takes longer than `limit`.
  bool QuietFor(std::chrono::milliseconds span, std::chrono::milliseconds limit);

 private:
  void Read();

  pid_t keeper_ = -1;
  pid_t recorder_ = -1;
  int samples_fd_ = -1;
  std::thread reader_;
  std::mutex mutex_;
  std::condition_variable heard_;
  std::vector<Clock::time_point> loud_;  // arrival of each block with sound in it
  bool samples_ = false;                  // a first block has arrived
  bool running_ = true;
};

}  // namespace bench
