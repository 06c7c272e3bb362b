#include "platform/linux/qt_alert_sound.h"

#include <canberra.h>

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

namespace platform::linux_impl {

namespace {
constexpr int kPauseMs = 120;
}  // namespace

AlertSound::AlertSound() {
  if (ca_context_create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return;
  }
  ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Otopicco", CA_PROP_APPLICATION_ID,
                          "otopicco", nullptr);
}

AlertSound::~AlertSound() {
  // Destroying the context ends its thread; a sound ending meanwhile posts to receiver_, which
  // is still there and drops the post when it goes.
  if (context_) ca_context_destroy(context_);
}

void AlertSound::Play() {
  ++waiting_;
  if (!playing_) StartNext();
}

void AlertSound::StartNext() {
  while (waiting_ > 0) {
    if (context_) {
      ca_proplist* props = nullptr;
      ca_proplist_create(&props);
      ca_proplist_sets(props, CA_PROP_EVENT_ID, "bell");
      ca_proplist_sets(props, CA_PROP_EVENT_DESCRIPTION, "Alert");
      const int result = ca_context_play_full(context_, 0, props, &AlertSound::OnFinished, this);
      ca_proplist_destroy(props);
      if (result == CA_SUCCESS) {
        playing_ = true;
        return;
      }
    }
    // No sound server or no sound theme: the display's own bell.
    QApplication::beep();
    --waiting_;
  }
  playing_ = false;
}

// A short pause between two sounds, so that a bell that fades out is not heard as one with the
// next.
void AlertSound::Finished() {
  if (waiting_ > 0) --waiting_;
  if (waiting_ == 0) {
    playing_ = false;
    return;
  }
  QTimer::singleShot(kPauseMs, &receiver_, [this] { StartNext(); });
}

// Runs on canberra's own thread.
void AlertSound::OnFinished(ca_context*, uint32_t, int, void* self) {
  auto* sound = static_cast<AlertSound*>(self);
  QMetaObject::invokeMethod(&sound->receiver_, [sound] { sound->Finished(); }, Qt::QueuedConnection);
}

}  // namespace platform::linux_impl
