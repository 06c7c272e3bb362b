// A function taken from a library loaded at run time, for the libraries the program loads only
// when it first needs them.
#pragma once

#include <windows.h>

namespace platform::win32 {

// Sets `function` to the library's export of that name; false when it has none.
template <typename Function>
bool TakeFunction(HMODULE library, const char* name, Function& function) {
  // Through void (*)(), the one function type every other may be cast from without a warning.
  function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
  return function != nullptr;
}

}  // namespace platform::win32
