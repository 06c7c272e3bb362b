// The program's two kinds of message box: modal, centred on the screen, one "OK" button that
// Enter and Esc both press, the error icon or none.
#pragma once

#include <QString>

#include "platform/window_system.h"

class QMessageBox;

namespace platform::linux_impl {

// Builds the box; the caller runs it. Line breaks are the program's CR LF pairs.
void PrepareMessageBox(QMessageBox& box, const QString& title, const QString& text, BoxIcon icon);

}  // namespace platform::linux_impl
