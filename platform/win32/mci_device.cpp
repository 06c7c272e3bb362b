// Opens, plays, stops and closes one song at a time through winmm's MCI command messages.
#include "platform/win32/mci_device.h"

#include <mmsystem.h>

#include "platform/exception.h"
#include "platform/win32/mci_library.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

constexpr wchar_t kNotifyClass[] = L"OtopiccoMciNotify";

HWND CreateNotifyWindow(WNDPROC procedure) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.lpszClassName = kNotifyClass;
  RegisterClassExW(&window_class);  // fails harmlessly when a second device registers again
  return CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance,
                         nullptr);
}

// Every MCI command goes through here; without winmm the device cannot be opened at all.
MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, void* parameters) {
  const MciLibrary* mci = Mci();
  if (!mci) return MCIERR_CANNOT_LOAD_DRIVER;
  return mci->SendCommand(device, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
}

std::string ErrorText(DWORD error) {
  const MciLibrary* mci = Mci();
  if (!mci) return WideToSjis(L"winmm.dll を読み込めません");
  wchar_t text[4096] = L"";
  if (mci->GetErrorString(error, text, 4096) && text[0] != L'\0') return WideToSjis(text);
  return WideToSjis(L"原因不明のエラー");
}

}  // namespace

MciMediaDevice::MciMediaDevice() : notify_window_(CreateNotifyWindow(&NotifyProc)) {
  if (notify_window_)
    SetWindowLongPtrW(notify_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

LRESULT CALLBACK MciMediaDevice::NotifyProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == MM_MCINOTIFY && w == MCI_NOTIFY_SUCCESSFUL) {
    auto* self = reinterpret_cast<MciMediaDevice*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    // Wine quirk: its notice names device 0 instead of the device that played.
    const UINT device = static_cast<UINT>(l);
    if (self && self->device_ != 0 && (device == self->device_ || device == 0))
      self->ended_ = true;
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

MciMediaDevice::~MciMediaDevice() {
  Close();
  if (notify_window_) {
    SetWindowLongPtrW(notify_window_, GWLP_USERDATA, 0);
    DestroyWindow(notify_window_);
  }
}

void MciMediaDevice::Open(const PathName& path) {
  if (device_ != 0) Close();
  const std::wstring element = WidePath(path);
  MCI_OPEN_PARMSW parameters{};
  parameters.lpstrElementName = element.c_str();
  const DWORD error = Send(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, &parameters);
  if (error != 0) throw EMCIDeviceError(ErrorText(error));
  device_ = parameters.wDeviceID;
  has_resume_point_ = false;
  ended_ = false;
}

void MciMediaDevice::Play() {
  RequireDevice();
  MCI_PLAY_PARMS play{};
  play.dwCallback = reinterpret_cast<DWORD_PTR>(notify_window_);
  DWORD flags = MCI_NOTIFY;
  DWORD_PTR position = 0;
  DWORD_PTR length = 0;
  DWORD_PTR mode = 0;
  const bool known = Status(MCI_STATUS_POSITION, position) && Status(MCI_STATUS_LENGTH, length);
  // Wine quirk: after a song has played to its end Wine reads the position where that play
  // began, not the length; the play notice tells that it ended.
  if (ended_ || (known && position == length)) {
    SeekToStart();
  } else if (Status(MCI_STATUS_MODE, mode) && LOWORD(mode) == MCI_MODE_PLAY) {
    // Already playing: it plays on. Wine quirk: a second MCI_PLAY there starts the song anew.
    return;
  } else if (has_resume_point_ && known && position != resume_point_) {
    // The device lost the place where Stop halted it (Wine, see Stop): play on from there.
    flags |= MCI_FROM;
    play.dwFrom = static_cast<DWORD>(resume_point_);
  }
  has_resume_point_ = false;
  ended_ = false;
  // A device that refuses to play after a successful open is not reported: nothing plays.
  Send(device_, MCI_PLAY, flags, &play);
}

void MciMediaDevice::SeekToStart() {
  MCI_SEEK_PARMS seek{};
  // When the seek fails the play that follows starts where the device is.
  Send(device_, MCI_SEEK, MCI_WAIT | MCI_SEEK_TO_START, &seek);
}

void MciMediaDevice::Stop() {
  RequireDevice();
  // Wine 8 quirk: MCI_STOP on an MP3 rewinds it (the position reads 0 afterwards and the next
  // MCI_PLAY starts from the beginning), while Windows keeps the position. Its MCI_SEEK cannot
  // go to a position (only to the start), and MCI_PLAY after MCI_PAUSE starts anew as well.
  // A stopped song must resume where it stopped on both, so the position is noted here and the
  // next Play starts from it when the device has lost it.
  DWORD_PTR position = 0;
  has_resume_point_ = Status(MCI_STATUS_POSITION, position);
  resume_point_ = position;
  ended_ = false;
  MCI_GENERIC_PARMS stop{};
  // A device error of the stop is not reported.
  Send(device_, MCI_STOP, MCI_WAIT, &stop);
}

bool MciMediaDevice::IsPlaying() {
  DWORD_PTR mode = 0;
  if (device_ == 0 || !Status(MCI_STATUS_MODE, mode)) return false;
  // Some drivers return the mode as MAKEMCIRESOURCE(mode, resource id): the mode is the low word.
  return LOWORD(mode) == MCI_MODE_PLAY;
}

void MciMediaDevice::Close() {
  if (device_ == 0) return;
  MCI_GENERIC_PARMS close{};
  // However the close goes, this device is done with the file.
  Send(device_, MCI_CLOSE, MCI_WAIT, &close);
  device_ = 0;
  has_resume_point_ = false;
}

bool MciMediaDevice::Status(DWORD item, DWORD_PTR& value) {
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  const DWORD error = Send(device_, MCI_STATUS, MCI_WAIT | MCI_STATUS_ITEM, &status);
  if (error != 0) return false;
  value = status.dwReturn;
  return true;
}

void MciMediaDevice::RequireDevice() const {
  if (device_ == 0) throw EMCIDeviceError(WideToSjis(L"MCI デバイスがありません"));
}

}  // namespace platform::win32
