// Message boxes and the alert sound.
#include "player/message_boxes.h"

#include "player/sjis.h"
#include "player/texts.h"

namespace player {

std::string ApplicationTitle(const std::string& program_name) {
  std::string name = program_name;
  const size_t dot = name.find('.');
  if (dot != std::string::npos) name.erase(dot);
  // Lower-case single-byte letters only: the second byte of a double-byte character may look
  // like a capital letter.
  for (size_t i = 0; i < name.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(name[i]);
    if (IsSjisLeadByte(c)) {
      ++i;
    } else if (i > 0 && c >= 'A' && c <= 'Z') {
      name[i] = static_cast<char>(c - 'A' + 'a');
    }
  }
  return name;
}

void ShowErrorBox(platform::WindowSystem& windows, const std::string& text) {
  windows.ShowMessageBox(texts::kErrorTitle, text, platform::BoxIcon::Error);
}

void ShowPlainBox(const platform::Services& services, const std::string& text) {
  services.windows.ShowMessageBox(ApplicationTitle(services.files.ProgramName().sjis), text,
                                  platform::BoxIcon::None);
}

void AlertTwice(platform::WindowSystem& windows) {
  windows.Beep();
  windows.Beep();
}

}  // namespace player
