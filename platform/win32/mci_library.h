// The two MCI functions the media device calls, taken from winmm.dll when the first song is
// opened rather than imported with the program: nothing plays before the first announcement,
// and under Wine loading winmm (with the audio compression manager it brings) with the program
// holds that announcement up.
#pragma once

#include <windows.h>

#include <mmsystem.h>

namespace platform::win32 {

struct MciLibrary {
  decltype(&::mciSendCommandW) SendCommand;
  decltype(&::mciGetErrorStringW) GetErrorString;
};

// Loads winmm on the first call and keeps it; nothing when it or one of the functions is
// missing.
const MciLibrary* Mci();

}  // namespace platform::win32
