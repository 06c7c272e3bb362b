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

// A failure of the media device (the open failed, or no device is open).
class EMCIDeviceError : public Exception {
 public:
  using Exception::Exception;
};

// A failure of the speech control: the failure code and the control's own description.
class SpeechError : public Exception {
 public:
  SpeechError(int32_t hresult, const std::string& description_sjis)
      : Exception(description_sjis), hresult_(hresult) {}
  int32_t HResult() const { return hresult_; }

 private:
  int32_t hresult_;
};

// A text file that could not be opened; the message names the file as it was asked for.
class EFOpenError : public Exception {
 public:
  using Exception::Exception;
};

}  // namespace platform
