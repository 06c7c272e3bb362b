// The yardstick of the playback latency benchmark: a window that, on Enter, opens the MP3 named
// on its command line with MCI_OPEN and plays it with MCI_PLAY, and does nothing else. The device
// opened by the previous Enter is closed first, as the player closes its old song when it opens
// a new one, so every Enter costs the same.
#include <windows.h>
#include <mmsystem.h>

namespace {

const wchar_t* g_file = L"";
MCIDEVICEID g_device = 0;

void OpenAndPlay() {
  if (g_device != 0) {
    MCI_GENERIC_PARMS close{};
    mciSendCommandW(g_device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
    g_device = 0;
  }
  MCI_OPEN_PARMSW open{};
  open.lpstrElementName = g_file;
  if (mciSendCommandW(0, MCI_OPEN, MCI_WAIT | MCI_OPEN_ELEMENT, reinterpret_cast<DWORD_PTR>(&open)) != 0) return;
  g_device = open.wDeviceID;
  MCI_PLAY_PARMS play{};
  mciSendCommandW(g_device, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play));
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_KEYDOWN:
      if (w == VK_RETURN) OpenAndPlay();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc >= 2) g_file = argv[1];
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"MciMinimal";
  RegisterClassW(&window_class);
  HWND window = CreateWindowW(window_class.lpszClassName, L"mci_minimal", WS_OVERLAPPEDWINDOW, 100, 100, 320, 200,
                              nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  SetForegroundWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (g_device != 0) {
    MCI_GENERIC_PARMS close{};
    mciSendCommandW(g_device, MCI_CLOSE, MCI_WAIT, reinterpret_cast<DWORD_PTR>(&close));
  }
  return 0;
}
