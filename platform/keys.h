// Keys as the program knows them. Each platform turns its own key events into these in exactly
// one function; keys the program has no use for arrive as Key::Other.
#pragma once

namespace platform {

enum class Key {
  Other,
  Up,
  Down,
  Left,
  Right,
  Tab,
  Enter,
  Space,
  Escape,
  F4,
  // The keypad with Num Lock on. With Num Lock off, keypad 8 and 2 arrive as Up and Down, as
  // they do on Windows, and then act as those keys in every respect.
  Numpad2,
  Numpad8,
  NumpadMinus,
  NumpadDivide,
  // Letters that menu shortcuts use.
  O,
  S,
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool operator==(const Modifiers& o) const {
    return shift == o.shift && ctrl == o.ctrl && alt == o.alt;
  }
  bool None() const { return !shift && !ctrl && !alt; }
};

// One key going down (auto-repeats included) or coming up, with the modifiers held meanwhile.
struct KeyEvent {
  Key key = Key::Other;
  Modifiers modifiers;
};

// A menu shortcut: the key with exactly these modifiers. Key::Other means none.
struct Shortcut {
  Key key = Key::Other;
  Modifiers modifiers;
  bool operator==(const Shortcut& o) const { return key == o.key && modifiers == o.modifiers; }
};

inline Shortcut Ctrl(Key key) { return Shortcut{key, Modifiers{false, true, false}}; }

}  // namespace platform
