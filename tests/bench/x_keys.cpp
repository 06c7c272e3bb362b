#include "tests/bench/x_keys.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdexcept>

namespace bench {

XKeys::XKeys() : display_(XOpenDisplay(nullptr)) {
  if (display_ == nullptr) throw std::runtime_error("cannot open the X display ($DISPLAY)");
  int event_base, error_base, major, minor;
  if (!XTestQueryExtension(display_, &event_base, &error_base, &major, &minor)) {
    XCloseDisplay(display_);
    throw std::runtime_error("the X server has no XTEST extension");
  }
}

XKeys::~XKeys() { XCloseDisplay(display_); }

XKeys::Clock::time_point XKeys::Type(const std::string& key) {
  const KeySym symbol = XStringToKeysym(key.c_str());
  const KeyCode code = symbol == NoSymbol ? 0 : XKeysymToKeycode(display_, symbol);
  if (code == 0) throw std::runtime_error("no key " + key + " on the X server's keyboard");
  const auto sent = Clock::now();
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XFlush(display_);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  XFlush(display_);
  return sent;
}

}  // namespace bench
