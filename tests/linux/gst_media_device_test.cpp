// The song player on GStreamer, with real MP3 files and a sink that plays in real time without
// sound (the program itself plays on the desktop's output).
#include "platform/linux/gst_media_device.h"

#include <gst/gst.h>
#include <gtest/gtest.h>
#include <limits.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "platform/exception.h"
#include "platform/linux/iconv_codec.h"
#include "tests/linux/temp_folder.h"
#include "tests/linux/tone_files.h"

namespace {

using platform::EMCIDeviceError;
using platform::PathName;
using platform::linux_impl::GstMediaDevice;
using platform::linux_impl::IconvCodec;

constexpr char kSilentRealTimeSink[] = "fakesink sync=true";

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

size_t OpenDescriptors() {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
    (void)entry;
    ++count;
  }
  return count;
}

class MediaDeviceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    songs_ = new linux_tests::TempFolder;
    linux_tests::MakeToneMp3(*songs_ / "long.mp3", 4.0);
    linux_tests::MakeToneMp3(*songs_ / "short.mp3", 0.6, 660);
  }
  static void TearDownTestSuite() { delete songs_; }

  static PathName Song(const std::string& name) { return PathName{"", *songs_ / name}; }
  int64_t Position() { return device.PositionMilliseconds().value_or(-1); }
  bool PositionReaches(int64_t milliseconds) {
    return WaitFor([&] { return Position() >= milliseconds; }, std::chrono::seconds(5));
  }
  std::string ErrorOpening(const PathName& path) {
    try {
      device.Open(path);
    } catch (const EMCIDeviceError& error) {
      return error.Message();
    }
    return "(opened)";
  }

  static linux_tests::TempFolder* songs_;
  GstMediaDevice device{kSilentRealTimeSink};
};

linux_tests::TempFolder* MediaDeviceTest::songs_ = nullptr;

std::string Sjis(const std::string& utf8) { return IconvCodec::Utf8ToSjis(utf8); }

TEST_F(MediaDeviceTest, OpenedSongWaitsAtItsStartAndPlaysWhenAsked) {
  device.Open(Song("long.mp3"));
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_EQ(Position(), 0);
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
  EXPECT_TRUE(PositionReaches(300));
}

TEST_F(MediaDeviceTest, StopKeepsThePositionAndPlayResumesThere) {
  device.Open(Song("long.mp3"));
  device.Play();
  ASSERT_TRUE(PositionReaches(500));
  device.Stop();
  EXPECT_FALSE(device.IsPlaying());
  const int64_t stopped_at = Position();
  // A stopped song must not move on while time passes.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_NEAR(Position(), stopped_at, 30);
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
  EXPECT_GE(Position(), stopped_at - 30) << "resumed, not restarted";
  EXPECT_TRUE(PositionReaches(stopped_at + 200));
}

TEST_F(MediaDeviceTest, PlayingThePlayingSongAgainDoesNotRestartIt) {
  device.Open(Song("long.mp3"));
  device.Play();
  ASSERT_TRUE(PositionReaches(500));
  device.Play();
  EXPECT_GE(Position(), 480);
  EXPECT_TRUE(device.IsPlaying());
}

TEST_F(MediaDeviceTest, ASongThatPlayedToItsEndStartsAgainFromItsBeginning) {
  device.Open(Song("short.mp3"));
  device.Play();
  ASSERT_TRUE(WaitFor([&] { return !device.IsPlaying(); }, std::chrono::seconds(5)))
      << "the end of the song is noticed";
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
  EXPECT_LT(Position(), 300);
  EXPECT_TRUE(WaitFor([&] { return !device.IsPlaying(); }, std::chrono::seconds(5)))
      << "and plays to its end again";
}

TEST_F(MediaDeviceTest, StopAfterTheEndStillRestartsFromTheBeginning) {
  device.Open(Song("short.mp3"));
  device.Play();
  ASSERT_TRUE(WaitFor([&] { return !device.IsPlaying(); }, std::chrono::seconds(5)));
  device.Stop();
  device.Play();
  EXPECT_TRUE(device.IsPlaying());
  EXPECT_LT(Position(), 300);
}

TEST_F(MediaDeviceTest, OpeningAnotherSongEndsTheOneThatPlays) {
  device.Open(Song("long.mp3"));
  device.Play();
  ASSERT_TRUE(PositionReaches(300));
  device.Open(Song("short.mp3"));
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_EQ(Position(), 0);
}

// A child picks song after song all day: every song closed must let go of everything its
// playback held, or the player runs out of file descriptors and songs stop opening.
TEST_F(MediaDeviceTest, SongsOpenedOneAfterAnotherLeaveNothingBehind) {
  device.Open(Song("short.mp3"));
  device.Play();
  device.Close();
  const size_t before = OpenDescriptors();
  for (int i = 0; i < 10; ++i) {
    device.Open(Song(i % 2 ? "short.mp3" : "long.mp3"));
    device.Play();
    device.Stop();
  }
  device.Close();
  EXPECT_EQ(OpenDescriptors(), before);
}

TEST_F(MediaDeviceTest, CloseEndsTheSongAndLeavesNothingOpen) {
  device.Close();  // nothing open: nothing happens
  device.Open(Song("long.mp3"));
  device.Play();
  device.Close();
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_THROW(device.Play(), EMCIDeviceError);
  EXPECT_THROW(device.Stop(), EMCIDeviceError);
}

TEST_F(MediaDeviceTest, NothingOpenNothingPlays) {
  EXPECT_FALSE(device.IsPlaying());
  EXPECT_THROW(device.Play(), EMCIDeviceError);
  EXPECT_THROW(device.Stop(), EMCIDeviceError);
}

TEST_F(MediaDeviceTest, FilesThatAreNoSongsFailToOpenAndLeaveNothingOpen) {
  std::string noise;
  for (size_t i = 0; i < 20000; ++i) noise += static_cast<char>((i * 7919 + 13) % 251);
  songs_->Write("noise.mp3", noise);
  songs_->Write("empty.mp3", "");
  songs_->Write("letter.mp3", "Dear teacher,\nthis is no song at all.\n");
  struct Case {
    const char* name;
    const char* text;
  };
  for (const Case& bad : {Case{"missing.mp3", "ファイルが見つかりません。"},
                          Case{"noise.mp3", "再生できる音声のファイルではありません。"},
                          Case{"empty.mp3", "再生できる音声のファイルではありません。"},
                          Case{"letter.mp3", "再生できる音声のファイルではありません。"}}) {
    device.Open(Song("long.mp3"));
    device.Play();
    EXPECT_EQ(ErrorOpening(Song(bad.name)), Sjis(bad.text)) << bad.name;
    EXPECT_FALSE(device.IsPlaying()) << bad.name << ": the previous song ended";
    EXPECT_THROW(device.Play(), EMCIDeviceError) << bad.name;
  }
}

TEST_F(MediaDeviceTest, NamesWithQuotesPercentAmpersandAndBlanksOpenByTheirOwnBytes) {
  for (const std::string name : {"it's \"50%\" & more #1?.mp3", "%20 %41.mp3",
                                 "\x82\xa0\x83\x81 not utf-8.mp3", "東京の夜空.mp3"}) {
    const std::string copy = *songs_ / name;
    std::ifstream from(*songs_ / "short.mp3", std::ios::binary);
    std::ofstream(copy, std::ios::binary) << from.rdbuf();
    device.Open(PathName{"", copy});
    device.Play();
    EXPECT_TRUE(PositionReaches(100)) << name;
  }
}

TEST_F(MediaDeviceTest, RelativePathsStartAtTheWorkingFolder) {
  char previous[PATH_MAX];
  ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
  ASSERT_EQ(chdir(songs_->path().c_str()), 0);
  std::string error;
  try {
    device.Open(PathName::Ascii("short.mp3"));
  } catch (const EMCIDeviceError& e) {
    error = e.Message();
  }
  ASSERT_EQ(chdir(previous), 0);
  EXPECT_EQ(error, "");
}

// Hides every MP3 decoder from GStreamer for one test, as on a system without them.
class WithoutMp3Decoders {
 public:
  WithoutMp3Decoders() {
    gst_init(nullptr, nullptr);  // the device starts GStreamer only when it opens a song
    GstCaps* mp3 = gst_caps_from_string("audio/mpeg, mpegversion=(int)1, layer=(int)3");
    GList* decoders =
        gst_element_factory_list_get_elements(GST_ELEMENT_FACTORY_TYPE_DECODER, GST_RANK_NONE);
    for (GList* item = decoders; item != nullptr; item = item->next) {
      auto* factory = GST_ELEMENT_FACTORY(item->data);
      if (!gst_element_factory_can_sink_any_caps(factory, mp3)) continue;
      hidden_.push_back({GST_PLUGIN_FEATURE(gst_object_ref(factory)),
                         gst_plugin_feature_get_rank(GST_PLUGIN_FEATURE(factory))});
      gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(factory), GST_RANK_NONE);
    }
    gst_plugin_feature_list_free(decoders);
    gst_caps_unref(mp3);
  }
  ~WithoutMp3Decoders() {
    for (auto& [feature, rank] : hidden_) {
      gst_plugin_feature_set_rank(feature, rank);
      gst_object_unref(feature);
    }
  }
  size_t count() const { return hidden_.size(); }

 private:
  std::vector<std::pair<GstPluginFeature*, guint>> hidden_;
};

TEST_F(MediaDeviceTest, ASongWithoutADecoderFailsToOpen) {
  WithoutMp3Decoders hidden;
  ASSERT_GT(hidden.count(), 0u);
  EXPECT_EQ(ErrorOpening(Song("long.mp3")),
            Sjis("この音声を再生するためのデコーダーがありません。"));
  EXPECT_FALSE(device.IsPlaying());
}

}  // namespace
