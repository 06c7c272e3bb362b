// Key codes as the program names them. The values are the 16-bit virtual-key codes that the key
// handlers are given.
#pragma once

#include <cstdint>

namespace platform {

using KeyCode = uint16_t;

namespace keys {
constexpr KeyCode Enter = 13;
constexpr KeyCode Left = 37;
constexpr KeyCode Up = 38;
constexpr KeyCode Right = 39;
constexpr KeyCode Down = 40;
constexpr KeyCode Numpad2 = 98;
constexpr KeyCode Numpad8 = 104;
constexpr KeyCode NumpadMinus = 109;
constexpr KeyCode NumpadDivide = 111;
}  // namespace keys

// A menu shortcut as a form designer stores it: the key code plus 16384 when Ctrl is held.
using ShortCut = uint16_t;
constexpr ShortCut kCtrl = 16384;

}  // namespace platform
