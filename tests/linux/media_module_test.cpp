// The program's song player as the program has it: the GStreamer module, loaded when a song
// first needs it. This test links no GStreamer itself, as the program does not.
#include "platform/linux/media_module.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/exception.h"
#include "platform/linux/iconv_codec.h"
#include "tests/linux/temp_folder.h"

namespace {

using platform::EMCIDeviceError;
using platform::PathName;
using platform::linux_impl::IconvCodec;
using platform::linux_impl::MediaModule;

// The messages are Shift-JIS, as the program shows them; the paths here are ASCII, the same in both.
std::string Sjis(const std::string& utf8) { return IconvCodec::Utf8ToSjis(utf8); }

// The program's arguments as main() has them.
struct Arguments {
  explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {
    for (std::string& word : words_) pointers_.push_back(word.data());
    pointers_.push_back(nullptr);
    argc = static_cast<int>(words_.size());
    argv = pointers_.data();
  }
  std::vector<std::string> Left() const { return std::vector<std::string>(argv, argv + argc); }

  int argc;
  char** argv;

 private:
  std::vector<std::string> words_;
  std::vector<char*> pointers_;
};

std::string ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EMCIDeviceError& error) {
    return error.Message();
  }
  return "(no error)";
}

TEST(MediaModuleTest, TheModuleIsLoadedOnceAndItsDeviceAnswersThroughIt) {
  linux_tests::TempFolder songs;
  songs.Write("letter.mp3", "Dear teacher,\nthis is no song at all.\n");
  // GStreamer takes its own options out of the program's arguments, and leaves the rest.
  Arguments arguments({"otopicco", "--gst-debug-level=0", "--keep-me"});
  MediaModule media(GST_MODULE, &arguments.argc, &arguments.argv);
  EXPECT_FALSE(media.IsPlaying());
  media.Close();  // nothing is open before the module is loaded: nothing to do, nothing loaded
  EXPECT_EQ(arguments.Left(), (std::vector<std::string>{"otopicco", "--gst-debug-level=0",
                                                        "--keep-me"}));

  ASSERT_TRUE(media.Load());
  EXPECT_TRUE(media.Load());
  EXPECT_EQ(arguments.Left(), (std::vector<std::string>{"otopicco", "--keep-me"}));
  // The module's own error, raised across the module's edge as the program catches it.
  EXPECT_EQ(ErrorOf([&] { media.Open(PathName{"", songs / "letter.mp3"}); }),
            Sjis("再生できる音声のファイルではありません。"));
  EXPECT_FALSE(media.IsPlaying());
  EXPECT_NE(ErrorOf([&] { media.Play(); }), "(no error)");  // nothing is open
}

TEST(MediaModuleTest, WithoutItsModuleTheFirstSongSaysWhyAndTheProgramGoesOn) {
  linux_tests::TempFolder folder;
  const std::string not_a_module = folder.Write("otopicco-gstreamer.so", "no library\n");
  for (const std::string& module : {folder / "missing.so", not_a_module}) {
    SCOPED_TRACE(module);
    Arguments arguments({"otopicco"});
    MediaModule media(module, &arguments.argc, &arguments.argv);
    EXPECT_FALSE(media.Load());
    const std::string error = ErrorOf([&] { media.Open(PathName{"", folder / "song.mp3"}); });
    EXPECT_NE(error.find("GStreamer"), std::string::npos) << error;
    EXPECT_NE(error.find(module), std::string::npos) << error;
    EXPECT_EQ(ErrorOf([&] { media.Play(); }), error);
    EXPECT_EQ(ErrorOf([&] { media.Stop(); }), error);
    EXPECT_FALSE(media.IsPlaying());
    media.Close();
  }
}

}  // namespace
