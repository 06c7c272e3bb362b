// The one place where Windows' key messages become the program's keys.
#pragma once

#include <windows.h>

#include <string>

#include "platform/keys.h"

namespace platform::win32 {

// A WM_KEYDOWN, WM_SYSKEYDOWN, WM_KEYUP or WM_SYSKEYUP as the program knows it: the key and the
// modifiers held while it went down or came up.
KeyEvent TranslateKey(const MSG& message);

// How a menu shows a shortcut beside its caption ("Ctrl+O").
std::wstring ShortcutText(const Shortcut& shortcut);

}  // namespace platform::win32
