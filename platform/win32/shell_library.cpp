// Loading the shell's functions for the folder tree.
#include "platform/win32/shell_library.h"

#include "platform/win32/library_function.h"

namespace platform::win32 {
namespace {

bool Load(ShellLibrary& shell) {
  HMODULE library = LoadLibraryW(L"shell32.dll");
  return library && TakeFunction(library, "SHGetDesktopFolder", shell.GetDesktopFolder) &&
         TakeFunction(library, "SHGetSpecialFolderLocation", shell.GetSpecialFolderLocation) &&
         TakeFunction(library, "SHBindToParent", shell.BindToParent) &&
         TakeFunction(library, "SHGetFileInfoW", shell.GetFileInfo) &&
         TakeFunction(library, "ILCombine", shell.Combine);
}

}  // namespace

const ShellLibrary* Shell() {
  static ShellLibrary shell{};
  static const bool loaded = Load(shell);
  return loaded ? &shell : nullptr;
}

}  // namespace platform::win32
