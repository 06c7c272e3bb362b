// The yardstick of the launch benchmark: the least a talking window does before its first words.
// It sets its thread up as a single-threaded apartment, creates the speech control in-process
// through IDispatch (as the player does), opens one window and, when that window first gets the
// keyboard focus (as the player's first song button does), speaks the text of its command line
// once through the control's Speak. Nothing else: no menu, no controls, no files.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

namespace {

// {EEE78591-FE22-11D0-8BEF-0060081841DE}, the speech control's class.
const CLSID kSpeechClass = {0xEEE78591, 0xFE22, 0x11D0, {0x8B, 0xEF, 0x00, 0x60, 0x08, 0x18, 0x41, 0xDE}};
constexpr DISPID kSpeak = 6;

IDispatch* g_speech = nullptr;
const wchar_t* g_text = L"1";
bool g_spoken = false;

void SpeakOnce() {
  if (g_spoken || !g_speech) return;
  g_spoken = true;
  VARIANT argument;
  VariantInit(&argument);
  argument.vt = VT_BSTR;
  argument.bstrVal = SysAllocString(g_text);
  DISPPARAMS parameters{&argument, nullptr, 1, 0};
  VARIANT result;
  VariantInit(&result);
  g_speech->Invoke(kSpeak, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &parameters, &result, nullptr,
                   nullptr);
  VariantClear(&result);
  VariantClear(&argument);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_SETFOCUS:
      SpeakOnce();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR command_line, int show) {
  if (command_line && *command_line) g_text = command_line;
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
  if (FAILED(CoCreateInstance(kSpeechClass, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                              reinterpret_cast<void**>(&g_speech))))
    g_speech = nullptr;
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = L"BareTalker";
  RegisterClassW(&window_class);
  HWND window = CreateWindowW(window_class.lpszClassName, L"bare_talker", WS_OVERLAPPEDWINDOW, 100, 100, 320,
                              200, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (g_speech) g_speech->Release();
  CoUninitialize();
  return 0;
}
