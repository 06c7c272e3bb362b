// How long the program's own path takes from a Down key reaching the player window to the speak
// call returning, through the navigation rules, with a speech control that returns at once.
#include <benchmark/benchmark.h>

#include "platform/linux/iconv_codec.h"
#include "player/mp3_form.h"
#include "tests/doubles/file_system_double.h"
#include "tests/doubles/media_double.h"
#include "tests/doubles/window_system_double.h"

namespace {

class SilentSpeech : public platform::SpeechControl {
 public:
  void SetSpeed(int32_t) override {}
  void Speak(const std::u16string& text) override { benchmark::DoNotOptimize(text.data()); }
  void Silence() override {}
};

class SilentSpeechFactory : public platform::SpeechFactory {
 public:
  std::unique_ptr<platform::SpeechControl> Create() override { return std::make_unique<SilentSpeech>(); }
};

void FocusToSpeak(benchmark::State& state) {
  doubles::EventLog log;
  doubles::WindowSystemDouble windows(log);
  SilentSpeechFactory speech;
  doubles::MediaDouble media(log);
  doubles::FileSystemDouble files;
  files.folders["music"];
  const char* names[] = {"\x82\xb3\x82\xad\x82\xe7.mp3", "Umi no uta.mp3", "kaeru no uta.mp3"};
  for (const char* name : names) files.AddFile("music", name);
  platform::linux_impl::IconvCodec codec;
  platform::Services services{windows, speech, media, files, codec};
  TMp3Form form(services);
  form.FormCreate();
  doubles::FormDouble& window = windows.Form(0);
  window.Activate();
  for (auto _ : state) {
    window.KeyDown(platform::Key::Down);
    state.PauseTiming();
    log.Clear();  // the double's drawing log would otherwise grow for the whole run
    state.ResumeTiming();
  }
}
BENCHMARK(FocusToSpeak)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
