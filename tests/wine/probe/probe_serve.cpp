// Reads commands line by line from standard input and answers each, closed by an end line.
#include "probe_serve.h"

#include <windows.h>

#include <string>

namespace probe_serve {
namespace {

void WriteOut(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// One line of standard input without its line end; false at the end of the input.
bool ReadLine(std::string& line) {
  line.clear();
  HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
  char c;
  DWORD got = 0;
  while (ReadFile(input, &c, 1, &got, nullptr) && got == 1) {
    if (c == '\n') return true;
    if (c != '\r') line += c;
  }
  return !line.empty();
}

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int size = static_cast<int>(utf8.size());
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
  std::wstring out(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, &out[0], n);
  return out;
}

}  // namespace

int Serve(Command run) {
  std::string line;
  while (ReadLine(line)) {
    int rc = 2;
    // The same splitting as the command line's, with the program's name in front.
    const std::wstring command_line = L"probe " + Wide(line);
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(command_line.c_str(), &argc);
    if (argv) {
      rc = run(argc, argv);
      LocalFree(argv);
    }
    WriteOut("end\t" + std::to_string(rc) + "\n");
  }
  return 0;
}

}  // namespace probe_serve
