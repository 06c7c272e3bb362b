// The help file, whatever it holds: its lines are its text cut at every kind of line end, no
// line holds a CR or an LF, every other byte (a NUL among them) reaches the help window's text,
// and the help window, once shown, shows exactly those lines (of a file longer than the help
// window takes, its first part and a line saying the rest is not shown).
//
// Input: the bytes of ReadMe_sapi.txt.
#include <string>
#include <vector>

#include "help/help_form.h"
#include "help/help_text.h"
#include "platform/linux/iconv_codec.h"
#include "tests/doubles/file_system_double.h"
#include "tests/doubles/media_double.h"
#include "tests/doubles/speech_double.h"
#include "tests/doubles/window_system_double.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// The text with every CR LF, lone CR and lone LF made one LF, less one LF at the very end.
std::string WithLfLineEnds(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  if (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

void CheckSplitting(const std::string& text, const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    FUZZ_CHECK(lines[i].find_first_of("\r\n") == std::string::npos, "no line holds a CR or an LF");
    if (i > 0) joined += '\n';
    joined += lines[i];
  }
  FUZZ_CHECK(joined == WithLfLineEnds(text),
             "the lines joined again are the text but for line ends");
  FUZZ_CHECK(lines.empty() == text.empty(), "only an empty file gives no line");
}

void CheckHelpWindow(const std::string& text, const std::vector<std::string>& lines) {
  doubles::EventLog log;
  doubles::WindowSystemDouble windows(log);
  doubles::SpeechFactoryDouble speech(log);
  doubles::MediaDouble media(log);
  doubles::FileSystemDouble files;
  const platform::linux_impl::IconvCodec codec;
  files.files["ReadMe_sapi.txt"] = text;
  const platform::Services services{windows, speech, media, files, codec};

  THelpF help(services);
  help.FormCreate();
  FUZZ_CHECK(files.files.size() == 1 && files.files["ReadMe_sapi.txt"] == text,
             "reading the help file leaves it as it was");
  FUZZ_CHECK(log.events.empty(), "reading the help file beeps, speaks and shows nothing");
  // The text reaches the window when the window is first shown.
  help.Show();
  FUZZ_CHECK(windows.Form(0).memo != nullptr && windows.Form(0).memo->lines == lines,
             "the help window shows the file's lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = help::HelpFileLines(text);
  // Past the limit the window shows the file's first part; within it, every line.
  if (text.size() <= help::kHelpShownBytes) CheckSplitting(text, lines);
  CheckHelpWindow(text, lines);
  return 0;
}
