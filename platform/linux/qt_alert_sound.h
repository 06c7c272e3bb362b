// The desktop's alert sound, the "bell" of its sound theme, played through libcanberra (the
// freedesktop event-sound library desktops play their own sounds with). Sounds asked for in a
// row play one after the other, so two are heard as two.
#pragma once

#include <QObject>
#include <memory>

struct ca_context;

namespace platform::linux_impl {

class AlertSound {
 public:
  AlertSound();
  ~AlertSound();
  AlertSound(const AlertSound&) = delete;
  AlertSound& operator=(const AlertSound&) = delete;

  // Returns at once; the sound plays after those still waiting.
  void Play();
  // Alert sounds asked for and not yet finished.
  int Waiting() const { return waiting_; }

 private:
  void StartNext();
  void Finished();
  static void OnFinished(ca_context* context, uint32_t id, int error, void* self);
  struct Canberra;
  ca_context* Context();

  std::unique_ptr<Canberra> canberra_;
  bool tried_ = false;
  ca_context* context_ = nullptr;
  int waiting_ = 0;
  bool playing_ = false;
  QObject receiver_;  // where canberra's thread posts the end of a sound
};

}  // namespace platform::linux_impl
