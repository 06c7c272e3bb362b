// The media device over MCI command messages (never command strings: a file name with quotes
// or blanks would be read as commands).
#pragma once

#include <windows.h>

#include "platform/media_device.h"

namespace platform::win32 {

class MciMediaDevice : public MediaDevice {
 public:
  MciMediaDevice();
  ~MciMediaDevice() override;
  MciMediaDevice(const MciMediaDevice&) = delete;
  MciMediaDevice& operator=(const MciMediaDevice&) = delete;

  void Open(const PathName& path) override;
  void Play() override;
  void Stop() override;
  bool IsPlaying() override;
  void Close() override;

 private:
  static LRESULT CALLBACK NotifyProc(HWND window, UINT message, WPARAM w, LPARAM l);
  bool Status(DWORD item, DWORD_PTR& value);
  void SeekToStart();
  void RequireDevice() const;

  HWND notify_window_ = nullptr;  // receives the notice Play asks for; it is not used
  UINT device_ = 0;
  // Where Stop halted the song, for the next Play to resume there (see Stop).
  bool has_resume_point_ = false;
  DWORD_PTR resume_point_ = 0;
  // The open song played to its end (its play notice said so).
  bool ended_ = false;
};

}  // namespace platform::win32
