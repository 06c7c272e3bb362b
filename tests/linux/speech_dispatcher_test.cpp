// The speech control on a real speech-dispatcher, inside a private session
// (scripts/linux-session.sh) whose test voice writes down what it is asked to say and takes
// LS_SPEECH_HOLD seconds to "say" each text.
#include "platform/linux/speech_dispatcher.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/exception.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/speech_rate.h"

namespace {

using namespace std::chrono_literals;
using platform::SpeechError;
using platform::linux_impl::SpeechDispatcherControl;
using platform::linux_impl::SpeechDispatcherFactory;
using platform::linux_impl::SpeechDispatcherRate;
using platform::linux_impl::SpeechFailure;

// One line of the test voice's log.
struct Said {
  std::string what;  // "speak" or "done"
  std::string rate, voice, language, text;
};

std::vector<Said> ReadLog() {
  std::vector<Said> lines;
  const char* path = std::getenv("LS_SPEECH_LOG");
  if (path == nullptr) return lines;
  std::ifstream log(path);
  std::string line;
  while (std::getline(log, line)) {
    std::vector<std::string> fields;
    std::stringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) fields.push_back(field);
    Said said;
    if (fields.size() >= 2) said.what = fields[1];
    if (fields.size() >= 6) {
      said.rate = fields[2].substr(5);
      said.voice = fields[3].substr(6);
      said.language = fields[4].substr(9);
      said.text = fields[5];
    }
    lines.push_back(said);
  }
  return lines;
}

std::vector<std::string> Spoken() {
  std::vector<std::string> texts;
  for (const Said& said : ReadLog())
    if (said.what == "speak") texts.push_back(said.text);
  return texts;
}

size_t Done() {
  size_t count = 0;
  for (const Said& said : ReadLog()) count += said.what == "done";
  return count;
}

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds limit = 10s) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(10ms);
  }
  return true;
}

void Session(const std::string& command) {
  const std::string line = std::string(PROJECT_SOURCE_DIR) + "/scripts/linux-session.sh " + command;
  ASSERT_EQ(std::system(line.c_str()), 0) << line;
}

class SpeechTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("OTOPICCO_SESSION") == nullptr)
      GTEST_SKIP() << "needs a session: scripts/linux-session.sh --speech log -- THIS_TEST";
    Session("speech-mode log");
    std::ofstream(std::getenv("LS_SPEECH_LOG"), std::ios::trunc);
  }
  void TearDown() override {
    if (std::getenv("OTOPICCO_SESSION") != nullptr) Session("speech-mode log");
  }

  static std::unique_ptr<platform::SpeechControl> Create() {
    SpeechDispatcherFactory factory;
    return factory.Create();
  }
  static int32_t FailureOfCreate() {
    try {
      Create();
    } catch (const SpeechError& error) {
      EXPECT_FALSE(error.Message().empty());
      return error.Code();
    }
    return 0;
  }
};

TEST_F(SpeechTest, SpeaksTheTextInJapaneseAtTheProgramsSpeed) {
  auto speech = Create();
  speech->SetSpeed(160);
  speech->Speak(u"1 東京の夜空");
  ASSERT_TRUE(WaitFor([] { return !Spoken().empty(); }));
  const Said said = ReadLog().front();
  EXPECT_EQ(said.text, "1 東京の夜空");
  EXPECT_EQ(said.language, "ja");
  EXPECT_EQ(said.rate, std::to_string(SpeechDispatcherRate(160)));
}

TEST_F(SpeechTest, SpeakReturnsAtOnceWhileTheVoiceSpeaks) {
  auto speech = Create();
  speech->Speak(u"ひとつめ");
  const auto start = std::chrono::steady_clock::now();
  speech->Speak(u"ふたつめ");
  speech->Speak(u"みっつめ");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 200ms);
}

TEST_F(SpeechTest, TextsWithoutSilenceInBetweenAreAllSpokenInOrder) {
  auto speech = Create();
  speech->Speak(u"1 さくら");
  speech->Speak(u"2 ふじ");
  speech->Speak(u"3 うみ");
  ASSERT_TRUE(WaitFor([] { return Done() == 3; }));
  EXPECT_EQ(Spoken(), (std::vector<std::string>{"1 さくら", "2 ふじ", "3 うみ"}));
}

TEST_F(SpeechTest, SilenceCutsOffTheTextAndDropsTheWaitingOnes) {
  auto speech = Create();
  speech->Speak(u"1 さくら");
  speech->Speak(u"2 ふじ");
  speech->Speak(u"3 うみ");
  ASSERT_TRUE(WaitFor([] { return !Spoken().empty(); }));
  speech->Silence();
  speech->Speak(u"4 やま");
  ASSERT_TRUE(WaitFor([] { return Done() >= 1 && Spoken().size() >= 2; }));
  EXPECT_EQ(Spoken(), (std::vector<std::string>{"1 さくら", "4 やま"}));
  const std::vector<Said> log = ReadLog();
  EXPECT_EQ(log[1].what, "speak") << "the first text was cut off, not finished";
}

TEST_F(SpeechTest, TextIsSpokenAsWrittenNeverAsMarkup) {
  auto speech = Create();
  speech->Speak(u"<b>A&amp;B</b> 'q' \"d\" 50% #1 \\ $HOME `date`");
  ASSERT_TRUE(WaitFor([] { return !Spoken().empty(); }));
  EXPECT_EQ(Spoken().front(), "<b>A&amp;B</b> 'q' \"d\" 50% #1 \\\\ $HOME `date`");
}

TEST_F(SpeechTest, AMessageWithABlankLineIsSpokenWholeInParts) {
  // speech-dispatcher's generic voices take a blank line as the end of a paragraph and speak
  // the paragraphs one after the other.
  auto speech = Create();
  speech->Speak(u"musicフォルダ内に\r\n\r\nつぎ.mp3 がありません。");
  const std::string whole = "musicフォルダ内に\\r\\n\\r\\nつぎ.mp3 がありません。";
  const auto joined = [] {
    std::string text;
    for (const std::string& part : Spoken()) text += part;
    return text;
  };
  EXPECT_TRUE(WaitFor([&] { return joined() == whole; })) << joined();
}

TEST_F(SpeechTest, NoServiceMeansNoSpeechControl) {
  Session("speech-mode none");
  EXPECT_EQ(FailureOfCreate(), static_cast<int32_t>(SpeechFailure::kUnreachable));
}

TEST_F(SpeechTest, AServiceWithoutAVoiceMeansNoSpeechControl) {
  Session("speech-mode novoice");
  EXPECT_EQ(FailureOfCreate(), static_cast<int32_t>(SpeechFailure::kNoVoice));
}

TEST_F(SpeechTest, AServiceThatCrashedIsStartedAgainAtTheNextTextWithTheSameSettings) {
  auto speech = Create();
  speech->SetSpeed(160);
  speech->Speak(u"まえ");
  ASSERT_TRUE(WaitFor([] { return Done() == 1; }));
  Session("speech-stop --kill");
  speech->Silence();  // writes to the dead connection: the program must live on
  speech->Speak(u"あと");
  ASSERT_TRUE(WaitFor([] { return Spoken().size() == 2; }));
  const Said after = ReadLog()[2];
  EXPECT_EQ(after.text, "あと");
  EXPECT_EQ(after.rate, std::to_string(SpeechDispatcherRate(160)));
  EXPECT_EQ(after.language, "ja");
}

TEST_F(SpeechTest, AServiceThatStaysAwayIsReportedOnceAndSpeechComesBackWithIt) {
  auto speech = Create();
  Session("speech-mode none");  // stopped, and it cannot be started again
  EXPECT_THROW(speech->Speak(u"いち"), SpeechError);
  EXPECT_NO_THROW(speech->Speak(u"に"));
  EXPECT_NO_THROW(speech->Silence());
  Session("speech-mode log");
  // Requests are skipped for a few seconds after a failed attempt; then speech comes back.
  EXPECT_TRUE(WaitFor(
      [&] {
        speech->Speak(u"さん");
        return WaitFor([] { return !Spoken().empty(); }, 300ms);
      },
      15s));
  EXPECT_EQ(Spoken().front(), "さん");
}

TEST_F(SpeechTest, TheOpenJTalkVoiceIsTakenWhereItIsInstalledAndEspeakElsewhere) {
  Session("speech-mode voice");
  auto with_open_jtalk = Create();
  EXPECT_EQ(static_cast<SpeechDispatcherControl&>(*with_open_jtalk).Module(), "openjtalk-generic");
  with_open_jtalk.reset();
  Session("speech-mode espeak");
  auto with_espeak = Create();
  EXPECT_NE(static_cast<SpeechDispatcherControl&>(*with_espeak).Module(), "openjtalk-generic");
}

}  // namespace
