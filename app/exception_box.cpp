// The default exception handler's box.
#include "app/exception_box.h"

#include "player/message_boxes.h"

namespace app {

std::string ExceptionBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void ShowException(platform::WindowSystem& windows, const std::exception& error) {
  windows.ShowMessageBox(player::ApplicationTitle(windows.ProgramFileName().sjis),
                         ExceptionBoxText(error.what()), platform::BoxIcon::Error);
}

}  // namespace app
