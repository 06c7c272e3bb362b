// Keeps a Wine session's virtual desktop up between the programs a benchmark starts one after
// another. Wine ends the desktop (explorer.exe) soon after the last program that uses it has
// gone, and the next program would then wait for a new one; on Windows the desktop is simply
// there. This program only holds one window that is never shown, so it takes no activation and
// no focus from the programs measured, and waits until its session ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  if (!CreateWindowW(L"STATIC", L"desktop_keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance,
                     nullptr))
    return 1;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
