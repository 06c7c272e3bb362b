#include "platform/linux/qt_key_repeat.h"

#include <QGuiApplication>

// Xlib after Qt: its macros (Bool, Status, CursorShape...) would break Qt's headers.
#include <X11/XKBlib.h>

namespace platform::linux_impl {

void AskForKeyUpOnlyWhenLetGo() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (x11 == nullptr || x11->display() == nullptr) return;
  Bool supported = False;
  XkbSetDetectableAutoRepeat(x11->display(), True, &supported);
}

}  // namespace platform::linux_impl
