// The two kinds of message box every window of the program shows: the error box titled "エラー"
// with the stop icon, and the plain box titled with the application title.
#pragma once

#include <string>

#include "platform/services.h"

namespace player {

// The program file's name up to its first ".", every character after the first in lower case:
// "OTOPICCO.EXE" gives "Otopicco".
std::string ApplicationTitle(const std::string& program_name);

void ShowErrorBox(platform::WindowSystem& windows, const std::string& text);
void ShowPlainBox(const platform::Services& services, const std::string& text);

// The system's alert sound twice in a row, the start of every failure the program reports.
void AlertTwice(platform::WindowSystem& windows);

}  // namespace player
