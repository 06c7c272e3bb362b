// The two kinds of message box every window of the program shows: the error box titled "エラー"
// with the stop icon, and the plain box titled with the application title.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace player {

// The program file's name without folder, up to its first ".", every character after the first
// in lower case: "Otopicco.exe" gives "Otopicco".
std::string ApplicationTitle(const std::string& program_file_name);

void ShowErrorBox(platform::WindowSystem& windows, const std::string& text);
void ShowPlainBox(platform::WindowSystem& windows, const std::string& text);

// The system's alert sound twice in a row, the start of every failure the program reports.
void AlertTwice(platform::WindowSystem& windows);

}  // namespace player
