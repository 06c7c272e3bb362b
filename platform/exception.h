// The program's own errors. Every platform failure that the program reacts to arrives as one of
// these, carrying its message as Shift-JIS text for the default exception handler's box.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message_sjis) : std::runtime_error(message_sjis) {}
  std::string Message() const { return what(); }
};

// A failure of the media device (the open failed, or no device is open). The name is the one the
// program has always given it.
class EMCIDeviceError : public Exception {
 public:
  using Exception::Exception;
};

// A failure of the speech control: the failure code (an HRESULT on Windows, the speech
// service's own code elsewhere) and the control's own description.
class SpeechError : public Exception {
 public:
  SpeechError(int32_t code, const std::string& description_sjis)
      : Exception(description_sjis), code_(code) {}
  int32_t Code() const { return code_; }

 private:
  int32_t code_;
};

// A text file that could not be opened; the message names the file as it was asked for.
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace platform
