// Keys typed into the X display's focused window through the XTEST extension, the way xdotool
// types them, but from the benchmark's own process: the time a key leaves is known exactly,
// without a helper process's start in between.
#pragma once

#include <chrono>
#include <string>

typedef struct _XDisplay Display;

namespace bench {

class XKeys {
 public:
  using Clock = std::chrono::steady_clock;

  XKeys();  // the display of $DISPLAY; raises std::runtime_error without one
  ~XKeys();
  XKeys(const XKeys&) = delete;
  XKeys& operator=(const XKeys&) = delete;

  // Presses and releases the key named as in xdotool ("Down", "Return", "KP_Subtract"); returns
  // the time just before the press went to the X server.
  Clock::time_point Type(const std::string& key);

 private:
  Display* display_;
};

}  // namespace bench
