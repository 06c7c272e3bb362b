#include "platform/linux/qt_alert_sound.h"

#include <canberra.h>
#include <dlfcn.h>

#include <QApplication>
#include <QMetaObject>
#include <QTimer>

namespace platform::linux_impl {

namespace {
constexpr int kPauseMs = 120;
}  // namespace

// libcanberra's calls that the sound needs. The library, with the sound decoders and the
// database it brings along, is loaded when the first alert sounds: most starts never need it,
// and loading it would hold back the first announcement.
struct AlertSound::Canberra {
  decltype(&ca_context_create) context_create;
  decltype(&ca_context_change_props) context_change_props;
  decltype(&ca_context_destroy) context_destroy;
  decltype(&ca_context_play_full) context_play_full;
  decltype(&ca_proplist_create) proplist_create;
  decltype(&ca_proplist_sets) proplist_sets;
  decltype(&ca_proplist_destroy) proplist_destroy;

  // Nothing when the library or one of its calls is missing.
  static std::unique_ptr<Canberra> Load() {
    void* library = dlopen("libcanberra.so.0", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return nullptr;
    auto calls = std::make_unique<Canberra>();
    const bool found = Find(library, "ca_context_create", calls->context_create) &&
                       Find(library, "ca_context_change_props", calls->context_change_props) &&
                       Find(library, "ca_context_destroy", calls->context_destroy) &&
                       Find(library, "ca_context_play_full", calls->context_play_full) &&
                       Find(library, "ca_proplist_create", calls->proplist_create) &&
                       Find(library, "ca_proplist_sets", calls->proplist_sets) &&
                       Find(library, "ca_proplist_destroy", calls->proplist_destroy);
    if (!found) return nullptr;
    return calls;  // the library stays loaded: its thread may still be finishing a sound
  }

  template <typename Call>
  static bool Find(void* library, const char* name, Call& call) {
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
  }
};

AlertSound::AlertSound() = default;

AlertSound::~AlertSound() {
  // Destroying the context ends its thread; a sound ending meanwhile posts to receiver_, which
  // is still there and drops the post when it goes.
  if (context_) canberra_->context_destroy(context_);
}

// Tried once, at the first alert; without the library the display's bell sounds.
ca_context* AlertSound::Context() {
  if (tried_) return context_;
  tried_ = true;
  canberra_ = Canberra::Load();
  if (!canberra_ || canberra_->context_create(&context_) != CA_SUCCESS) {
    context_ = nullptr;
    return nullptr;
  }
  canberra_->context_change_props(context_, CA_PROP_APPLICATION_NAME, "Otopicco",
                                  CA_PROP_APPLICATION_ID, "otopicco", nullptr);
  return context_;
}

void AlertSound::Play() {
  ++waiting_;
  if (!playing_) StartNext();
}

void AlertSound::StartNext() {
  while (waiting_ > 0) {
    if (ca_context* context = Context()) {
      ca_proplist* props = nullptr;
      canberra_->proplist_create(&props);
      canberra_->proplist_sets(props, CA_PROP_EVENT_ID, "bell");
      canberra_->proplist_sets(props, CA_PROP_EVENT_DESCRIPTION, "Alert");
      const int result =
          canberra_->context_play_full(context, 0, props, &AlertSound::OnFinished, this);
      canberra_->proplist_destroy(props);
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
