// The few shell functions the folder tree calls, taken from shell32.dll when the first tree is
// filled rather than imported with the program: only the folder dialog needs the shell, and
// under Wine loading it with the program holds up the first announcement.
#pragma once

#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>

namespace platform::win32 {

struct ShellLibrary {
  decltype(&::SHGetDesktopFolder) GetDesktopFolder;
  decltype(&::SHGetSpecialFolderLocation) GetSpecialFolderLocation;
  decltype(&::SHBindToParent) BindToParent;
  decltype(&::SHGetFileInfoW) GetFileInfo;
  decltype(&::ILCombine) Combine;
};

// Loads shell32 on the first call and keeps it; nothing when it or one of the functions is
// missing.
const ShellLibrary* Shell();

}  // namespace platform::win32
