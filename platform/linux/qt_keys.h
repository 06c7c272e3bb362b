// Qt's keys in the program's terms.
#pragma once

#include <QKeySequence>

#include "platform/keys.h"

class QKeyEvent;

namespace platform::linux_impl {

// The only place where a key event of Qt becomes one of the program's keys. The keypad is told
// apart by Qt's keypad modifier: with Num Lock on, keypad 8 and 2 come as the digits and become
// Numpad8 and Numpad2; with Num Lock off they come as the arrows and are Up and Down.
KeyEvent ToKeyEvent(const QKeyEvent& event);

// How a menu shows a shortcut beside its caption ("Ctrl+O"); empty for none.
QKeySequence ShortcutText(const Shortcut& shortcut);

}  // namespace platform::linux_impl
