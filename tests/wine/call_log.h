// One line per call of a speech stand-in, appended to the file the test names, so that the
// end-to-end tests see what the player asked for, in which order and when.
//
// Line format (tab-separated, UTF-8, written with a single append):
//   <unix microseconds> TAB <buttons> TAB <event> [TAB <argument>]...
// <buttons> counts the push buttons in the calling thread's windows, message boxes left out, so
// a test can see whether the song buttons existed when the call came. Arguments are written
// with report_text.h's escapes, so a line stays one line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "report_text.h"

namespace call_log {

inline std::wstring Env(const wchar_t* name) {
  wchar_t buffer[2048];
  const DWORD n = GetEnvironmentVariableW(name, buffer, ARRAYSIZE(buffer));
  if (n == 0 || n >= ARRAYSIZE(buffer)) return std::wstring();
  return std::wstring(buffer, n);
}

// Comparable with the host's clock: Wine reads the system time from the Unix real-time clock.
inline unsigned long long UnixMicroseconds() {
  FILETIME ft;
  GetSystemTimePreciseAsFileTime(&ft);
  ULARGE_INTEGER t;
  t.LowPart = ft.dwLowDateTime;
  t.HighPart = ft.dwHighDateTime;
  const unsigned long long kEpochDifference = 116444736000000000ULL;  // 1601 to 1970 in 100 ns
  return (t.QuadPart - kEpochDifference) / 10;
}

inline BOOL CALLBACK CountButtonChildren(HWND child, LPARAM count) {
  wchar_t cls[64];
  if (GetClassNameW(child, cls, ARRAYSIZE(cls)) && lstrcmpiW(cls, L"Button") == 0)
    ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Buttons inside message boxes are not song buttons.
inline BOOL CALLBACK CountButtonsOfWindow(HWND window, LPARAM count) {
  wchar_t cls[64];
  if (GetClassNameW(window, cls, ARRAYSIZE(cls)) && lstrcmpW(cls, L"#32770") == 0) return TRUE;
  EnumChildWindows(window, CountButtonChildren, count);
  return TRUE;
}

inline int ButtonsOfThisThread() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountButtonsOfWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Appends one line to the file named by the environment variable `log_variable`; nothing when
// it is unset.
inline void Write(const wchar_t* log_variable, const char* event,
                  const std::vector<std::string>& arguments = {}) {
  const std::wstring path = Env(log_variable);
  if (path.empty()) return;
  std::string line = std::to_string(UnixMicroseconds()) + "\t" +
                     std::to_string(ButtonsOfThisThread()) + "\t" + event;
  for (const std::string& argument : arguments) line += "\t" + Escaped(argument);
  line += "\n";
  // One append per line, file closed at once: a polling test never sees half a line.
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
}

}  // namespace call_log
