// The application's default exception handler: an error that escapes a handler is shown in a
// box titled with the application title, and the program goes on.
#pragma once

#include <exception>
#include <string>

#include "platform/services.h"

namespace app {

// The message with a "." appended when its last byte sorts after "." (so a sentence that ends
// in a full stop of its own gets none).
std::string ExceptionBoxText(const std::string& message);

void ShowException(const platform::Services& services, const std::exception& error);

}  // namespace app
