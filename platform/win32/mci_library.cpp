// Loading the MCI functions for the media device.
#include "platform/win32/mci_library.h"

#include "platform/win32/library_function.h"

namespace platform::win32 {
namespace {

bool Load(MciLibrary& mci) {
  HMODULE library = LoadLibraryW(L"winmm.dll");
  return library && TakeFunction(library, "mciSendCommandW", mci.SendCommand) &&
         TakeFunction(library, "mciGetErrorStringW", mci.GetErrorString);
}

}  // namespace

const MciLibrary* Mci() {
  static MciLibrary mci{};
  static const bool loaded = Load(mci);
  return loaded ? &mci : nullptr;
}

}  // namespace platform::win32
