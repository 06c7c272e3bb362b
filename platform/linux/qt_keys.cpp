#include "platform/linux/qt_keys.h"

#include <QKeyEvent>

namespace platform::linux_impl {

KeyEvent ToKeyEvent(const QKeyEvent& event) {
  const Qt::KeyboardModifiers qt = event.modifiers();
  const bool keypad = qt.testFlag(Qt::KeypadModifier);
  KeyEvent key;
  key.modifiers.shift = qt.testFlag(Qt::ShiftModifier);
  key.modifiers.ctrl = qt.testFlag(Qt::ControlModifier);
  key.modifiers.alt = qt.testFlag(Qt::AltModifier);
  switch (event.key()) {
    case Qt::Key_Up: key.key = Key::Up; break;
    case Qt::Key_Down: key.key = Key::Down; break;
    case Qt::Key_Left: key.key = Key::Left; break;
    case Qt::Key_Right: key.key = Key::Right; break;
    case Qt::Key_Tab: key.key = Key::Tab; break;
    // Shift+Tab reaches Qt as a key of its own.
    case Qt::Key_Backtab:
      key.key = Key::Tab;
      key.modifiers.shift = true;
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter: key.key = Key::Enter; break;
    case Qt::Key_Space: key.key = Key::Space; break;
    case Qt::Key_Escape: key.key = Key::Escape; break;
    case Qt::Key_F4: key.key = Key::F4; break;
    case Qt::Key_8: key.key = keypad ? Key::Numpad8 : Key::Other; break;
    case Qt::Key_2: key.key = keypad ? Key::Numpad2 : Key::Other; break;
    case Qt::Key_Minus: key.key = keypad ? Key::NumpadMinus : Key::Other; break;
    case Qt::Key_Slash: key.key = keypad ? Key::NumpadDivide : Key::Other; break;
    case Qt::Key_O: key.key = Key::O; break;
    case Qt::Key_S: key.key = Key::S; break;
    default: key.key = Key::Other; break;
  }
  return key;
}

QKeySequence ShortcutText(const Shortcut& shortcut) {
  Qt::Key key = Qt::Key_unknown;
  switch (shortcut.key) {
    case Key::O: key = Qt::Key_O; break;
    case Key::S: key = Qt::Key_S; break;
    case Key::F4: key = Qt::Key_F4; break;
    case Key::Enter: key = Qt::Key_Return; break;
    case Key::Escape: key = Qt::Key_Escape; break;
    case Key::Space: key = Qt::Key_Space; break;
    case Key::Tab: key = Qt::Key_Tab; break;
    case Key::Up: key = Qt::Key_Up; break;
    case Key::Down: key = Qt::Key_Down; break;
    case Key::Left: key = Qt::Key_Left; break;
    case Key::Right: key = Qt::Key_Right; break;
    case Key::Numpad2: key = Qt::Key_2; break;
    case Key::Numpad8: key = Qt::Key_8; break;
    case Key::NumpadMinus: key = Qt::Key_Minus; break;
    case Key::NumpadDivide: key = Qt::Key_Slash; break;
    case Key::Other: return QKeySequence();
  }
  Qt::KeyboardModifiers mods;
  if (shortcut.modifiers.shift) mods |= Qt::ShiftModifier;
  if (shortcut.modifiers.ctrl) mods |= Qt::ControlModifier;
  if (shortcut.modifiers.alt) mods |= Qt::AltModifier;
  return QKeySequence(QKeyCombination(mods, key));
}

}  // namespace platform::linux_impl
