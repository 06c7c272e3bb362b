// The default exception handler's box.
#include "app/exception_box.h"

#include "player/message_boxes.h"

namespace app {

std::string ExceptionBoxText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void ShowException(const platform::Services& services, const std::exception& error) {
  services.windows.ShowMessageBox(player::ApplicationTitle(services.files.ProgramName().sjis),
                                  ExceptionBoxText(error.what()), platform::BoxIcon::Error);
}

}  // namespace app
