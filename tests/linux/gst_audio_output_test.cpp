// The song player on a desktop without any sound output it can open: a song must fail to open,
// so the player reports it, instead of seeming to play while nothing can be heard.
#include <gst/gst.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "platform/exception.h"
#include "platform/linux/gst_media_device.h"
#include "platform/linux/iconv_codec.h"
#include "tests/linux/temp_folder.h"
#include "tests/linux/tone_files.h"

namespace {

using platform::EMCIDeviceError;
using platform::PathName;
using platform::linux_impl::GstMediaDevice;
using platform::linux_impl::IconvCodec;

// Hides every sound output from GStreamer for one test (PulseAudio, PipeWire, ALSA, OSS...), as
// on a desktop whose sound server is not running and that has no sound card of its own.
class WithoutSoundOutputs {
 public:
  WithoutSoundOutputs() {
    gst_init(nullptr, nullptr);
    GList* sinks = gst_element_factory_list_get_elements(
        GST_ELEMENT_FACTORY_TYPE_SINK | GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO, GST_RANK_MARGINAL);
    for (GList* item = sinks; item != nullptr; item = item->next) {
      auto* feature = GST_PLUGIN_FEATURE(item->data);
      hidden_.push_back({GST_PLUGIN_FEATURE(gst_object_ref(feature)), gst_plugin_feature_get_rank(feature)});
      gst_plugin_feature_set_rank(feature, GST_RANK_NONE);
    }
    gst_plugin_feature_list_free(sinks);
  }
  ~WithoutSoundOutputs() {
    for (auto& [feature, rank] : hidden_) {
      gst_plugin_feature_set_rank(feature, rank);
      gst_object_unref(feature);
    }
  }
  WithoutSoundOutputs(const WithoutSoundOutputs&) = delete;
  WithoutSoundOutputs& operator=(const WithoutSoundOutputs&) = delete;
  size_t count() const { return hidden_.size(); }

 private:
  std::vector<std::pair<GstPluginFeature*, guint>> hidden_;
};

class AudioOutputTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    songs_ = new linux_tests::TempFolder;
    linux_tests::MakeToneMp3(*songs_ / "song.mp3", 2.0);
  }
  static void TearDownTestSuite() { delete songs_; }

  static PathName Song() { return PathName{"", *songs_ / "song.mp3"}; }
  static std::string ErrorOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const EMCIDeviceError& error) {
      return error.Message();
    }
    return "(no error)";
  }

  static linux_tests::TempFolder* songs_;
};

linux_tests::TempFolder* AudioOutputTest::songs_ = nullptr;

std::string Sjis(const std::string& utf8) { return IconvCodec::Utf8ToSjis(utf8); }

bool WaitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

TEST_F(AudioOutputTest, WithoutAnySoundOutputASongFailsToOpenAndNothingIsLeftOpen) {
  WithoutSoundOutputs hidden;
  ASSERT_GT(hidden.count(), 0u);
  GstMediaDevice device;  // the desktop's own sound output
  EXPECT_EQ(ErrorOf([&] { device.Open(Song()); }), Sjis("音声を出力する装置を開けません。"));
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_EQ(ErrorOf([&] { device.Play(); }), Sjis("開いている曲がありません。"));
}

TEST_F(AudioOutputTest, AnOutputChosenOnPurposeThatPlaysInSilenceStillOpens) {
  WithoutSoundOutputs hidden;
  GstMediaDevice device{"fakesink sync=true"};
  EXPECT_EQ(ErrorOf([&] { device.Open(Song()); }), "(no error)");
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
}

TEST_F(AudioOutputTest, ASongWhoseOutputFailedGoesOnFromThereWhenPlayedAgain) {
  // An output that breaks down after about half a second of sound, each time it is opened.
  GstMediaDevice device{"identity error-after=20 ! fakesink sync=true"};
  device.Open(Song());
  device.Play();
  ASSERT_TRUE(WaitFor([&] { return !device.IsPlaying(); })) << "the output never failed";
  const int64_t broke_at = device.PositionMilliseconds().value_or(0);
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
  // The new output breaks down after as much sound again: the song went on from where it broke.
  ASSERT_TRUE(WaitFor([&] { return !device.IsPlaying(); })) << "the song did not play again";
  EXPECT_GT(device.PositionMilliseconds().value_or(0), broke_at + 200)
      << "the song started again from its beginning (the first output broke at " << broke_at << " ms)";
}

}  // namespace
