// The Windows entry: sets the UI thread up as a single-threaded apartment with OLE services,
// creates the Win32 platform objects and hands them to the program.
#include <windows.h>

#include <ole2.h>

#include <exception>

#include "app/program.h"
#include "platform/win32/file_system.h"
#include "platform/win32/mci_device.h"
#include "platform/win32/speech.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/window_system.h"

namespace {

int RunOnThisThread(HINSTANCE instance) {
  using namespace platform::win32;
  Win32WindowSystem windows(instance);  // made first, gone last
  Win32TextCodec codec;
  Win32FileSystem files;
  Win32SpeechFactory speech;
  MciMediaDevice media;
  const platform::Services services{windows, speech, media, files, codec};
  return app::RunProgram(services);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // The common controls (only the folder tree uses one) are loaded when the tree is made.
  if (FAILED(OleInitialize(nullptr))) return 1;
  int result = 1;
  try {
    result = RunOnThisThread(instance);
  } catch (const std::exception& error) {
    // Only what escapes before the program's own exception handler is in place.
    MessageBoxW(nullptr, platform::win32::SjisToWide(error.what()).c_str(), L"Otopicco",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
  OleUninitialize();
  return result;
}
