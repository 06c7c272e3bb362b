// Splitting a help file into the lines of the help window.
#include "help/help_text.h"

#include "player/sjis.h"
#include "player/texts.h"

namespace help {

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const std::string::size_type end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string> HelpFileLines(const std::string& file) {
  if (file.size() <= kHelpShownBytes) return SplitLines(file);
  std::string::size_type cut = file.find_last_of("\r\n", kHelpShownBytes - 1);
  if (cut == std::string::npos) {
    // One endless line: cut it between two characters, never inside a double-byte one.
    cut = 0;
    while (cut < kHelpShownBytes) {
      const std::string::size_type next =
          cut + (player::IsSjisLeadByte(static_cast<unsigned char>(file[cut])) ? 2 : 1);
      if (next > kHelpShownBytes) break;
      cut = next;
    }
  }
  std::vector<std::string> lines = SplitLines(file.substr(0, cut));
  lines.push_back(texts::kHelpFileTooLong);
  return lines;
}

}  // namespace help
