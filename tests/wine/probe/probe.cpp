// Inspection helper for the end-to-end tests, run in the same Wine prefix as the player. It prints
// what the windows show as UTF-8 lines of tab-separated key=value fields (backslash, tab, CR and
// LF in texts written as \\ \t \r \n). Commands:
//   windows                 top-level windows: class, title, rectangle, style, visibility, process
//   children HWND           child controls in tab (Z) order, rectangles in the parent's client area
//   boxes                   visible message boxes: title, text, icon, buttons
//   press HWND              presses the OK (default) button of a message box
//   close HWND              asks a window to close, as its title bar's close button does
//   focus HWND              the focused and the active window of HWND's thread
//   foreground              the desktop's foreground window, and the X11 window that Wine shows
//                           it in (0 when it has none): X delivers keys to the X input focus
//   rect HWND               outer rectangle and client area on the screen
//   pixel X Y [X Y ...]     colours of screen pixels
//   clientpixel HWND X Y [X Y ...]   colours of pixels given in HWND's client coordinates
//   font HWND | menu HWND   the control's font or the window's menu bar, read by probe_hook.dll
//   tree HWND               the nodes of a tree view (SysTreeView32), read by probe_hook.dll
//   selection HWND          the selection (caret) of an EDIT control, in characters
//   resources PID           GDI and USER objects, windows, handles and memory of a process
//   serve                   answers commands read from standard input, one a line, each answer
//                           closed by an "end<TAB>exit code" line (see probe_serve.h)
// Exit code 0 on success, 1 on a bad window or a failed query, 2 on bad usage.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "probe_query.h"
#include "probe_resources.h"
#include "probe_serve.h"
#include "../report_text.h"

namespace {

void Write(const std::string& text) {
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

std::string Hex(unsigned long long value) {
  char buffer[32];
  wsprintfA(buffer, "0x%I64x", value);
  return buffer;
}

std::string HandleText(HWND window) { return Hex(reinterpret_cast<ULONG_PTR>(window)); }

std::wstring ClassOf(HWND window) {
  wchar_t cls[256] = L"";
  GetClassNameW(window, cls, ARRAYSIZE(cls));
  return cls;
}

// WM_GETTEXT crosses processes, so the texts of another program's windows can be read directly,
// however long (a help text of a megabyte).
std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 3000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 3000,
                      &copied);
  text.resize(copied < length ? copied : length);
  return text;
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string SizeText(const RECT& r) { return std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top); }

std::string ProcessName(DWORD pid) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
  if (!process) return "?";
  wchar_t path[MAX_PATH] = L"";
  DWORD size = ARRAYSIZE(path);
  std::wstring name = L"?";
  if (QueryFullProcessImageNameW(process, 0, path, &size)) {
    name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name = name.substr(slash + 1);
  }
  CloseHandle(process);
  return Escaped(name);
}

BOOL CALLBACK PrintTopLevel(HWND window, LPARAM) {
  RECT r;
  GetWindowRect(window, &r);
  DWORD pid = 0;
  DWORD tid = GetWindowThreadProcessId(window, &pid);
  Write("window\thwnd=" + HandleText(window) + "\tclass=" + Escaped(ClassOf(window)) + "\ttitle=" +
        Escaped(TextOf(window)) + "\trect=" + RectText(r) + "\tsize=" + SizeText(r) +
        "\tvisible=" + (IsWindowVisible(window) ? "1" : "0") + "\tminimized=" + (IsIconic(window) ? "1" : "0") +
        "\tstyle=" + Hex(static_cast<ULONG>(GetWindowLongW(window, GWL_STYLE))) +
        "\texstyle=" + Hex(static_cast<ULONG>(GetWindowLongW(window, GWL_EXSTYLE))) + "\tpid=" + std::to_string(pid) +
        "\ttid=" + std::to_string(tid) + "\texe=" + ProcessName(pid) + "\n");
  return TRUE;
}

HWND ParseWindow(const wchar_t* text) {
  HWND window = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(wcstoull(text, nullptr, 0)));
  return IsWindow(window) ? window : nullptr;
}

RECT RectInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int Children(HWND parent) {
  int order = 0;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT r = RectInParent(child);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    Write("control\torder=" + std::to_string(order++) + "\thwnd=" + HandleText(child) + "\tclass=" +
          Escaped(ClassOf(child)) + "\ttext=" + Escaped(TextOf(child)) + "\tleft=" + std::to_string(r.left) +
          "\ttop=" + std::to_string(r.top) + "\twidth=" + std::to_string(r.right - r.left) +
          "\theight=" + std::to_string(r.bottom - r.top) + "\tstyle=" + Hex(static_cast<ULONG>(style)) +
          "\tvisible=" + (IsWindowVisible(child) ? "1" : "0") + "\ttabstop=" + ((style & WS_TABSTOP) ? "1" : "0") +
          "\tenabled=" + (IsWindowEnabled(child) ? "1" : "0") +
          "\tid=" + std::to_string(GetDlgCtrlID(child)) + "\n");
  }
  return 0;
}

BOOL CALLBACK PrintBox(HWND window, LPARAM) {
  if (ClassOf(window) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  std::string text, buttons;
  bool icon = false;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    std::wstring cls = ClassOf(child);
    LONG style = GetWindowLongW(child, GWL_STYLE);
    if (lstrcmpiW(cls.c_str(), L"Static") == 0) {
      if ((style & SS_TYPEMASK) == SS_ICON) {
        // An icon control with an empty picture is hidden by the box when it shows no icon.
        if (IsWindowVisible(child) && SendMessageW(child, STM_GETICON, 0, 0)) icon = true;
      } else if (IsWindowVisible(child)) {
        if (!text.empty()) text += "\\n";
        text += Escaped(TextOf(child));
      }
    } else if (lstrcmpiW(cls.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
      if (!buttons.empty()) buttons += "|";
      buttons += Escaped(TextOf(child));
    }
  }
  RECT r;
  GetWindowRect(window, &r);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  Write("box\thwnd=" + HandleText(window) + "\ttitle=" + Escaped(TextOf(window)) + "\ttext=" + text +
        "\ticon=" + (icon ? "1" : "0") + "\tbuttons=" + buttons + "\trect=" + RectText(r) + "\tpid=" +
        std::to_string(pid) + "\texe=" + ProcessName(pid) + "\n");
  return TRUE;
}

int Press(HWND box) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(box, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, 3000, &result);
  WORD id = HIWORD(result) == DC_HASDEFID ? LOWORD(result) : IDOK;
  HWND button = GetDlgItem(box, id);
  // Posted, not sent: the box's owner may answer only after the nested dialog loop has ended.
  if (!PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button))) return 1;
  Write("pressed\thwnd=" + HandleText(box) + "\tid=" + std::to_string(id) + "\n");
  return 0;
}

std::string Described(const char* key, HWND window) {
  if (!window) return std::string("\t") + key + "=none";
  return std::string("\t") + key + "=" + HandleText(window) + "\t" + key + "_class=" + Escaped(ClassOf(window)) +
         "\t" + key + "_text=" + Escaped(TextOf(window));
}

int Focus(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
  Write("focus" + Described("focus", info.hwndFocus) + Described("active", info.hwndActive) + "\n");
  return 0;
}

int Foreground() {
  HWND window = GetForegroundWindow();
  // Wine's X11 driver keeps each window's X11 window in this property.
  HANDLE xwindow = window ? GetPropW(window, L"__wine_x11_whole_window") : nullptr;
  Write("foreground" + Described("foreground", window) + "\txwindow=" + Hex(reinterpret_cast<ULONG_PTR>(xwindow)) +
        "\n");
  return 0;
}

int Rect(HWND window) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  Write("rect\touter=" + RectText(outer) + "\touter_size=" + SizeText(outer) + "\tclient_origin=" +
        std::to_string(origin.x) + "," + std::to_string(origin.y) + "\tclient_size=" + SizeText(client) + "\n");
  return 0;
}

// EM_GETSEL with null pointers answers in its result, which crosses processes.
int Selection(HWND edit) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 3000, &result)) return 1;
  Write("selection\tstart=" + std::to_string(LOWORD(result)) + "\tend=" + std::to_string(HIWORD(result)) + "\n");
  return 0;
}

int Pixels(HWND window, int argc, wchar_t** argv) {
  HDC screen = GetDC(nullptr);
  for (int i = 0; i + 1 < argc; i += 2) {
    POINT p = {_wtoi(argv[i]), _wtoi(argv[i + 1])};
    if (window) ClientToScreen(window, &p);
    COLORREF c = GetPixel(screen, p.x, p.y);
    char rgb[16];
    wsprintfA(rgb, "%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    Write("pixel\tx=" + std::string(Utf8(argv[i])) + "\ty=" + Utf8(argv[i + 1]) + "\trgb=" +
          (c == CLR_INVALID ? std::string("invalid") : std::string(rgb)) + "\n");
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

std::string g_reply;
bool g_replied = false;

LRESULT CALLBACK ReplyProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COPYDATA) {
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lparam);
    if (data->dwData == probe_query::kReplyTag) {
      g_reply.assign(static_cast<const char*>(data->lpData), data->cbData);
      g_replied = true;
      return TRUE;
    }
  }
  return DefWindowProcW(window, message, wparam, lparam);
}

std::wstring HookPath() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, ARRAYSIZE(path));
  std::wstring dir(path, n);
  return dir.substr(0, dir.find_last_of(L"\\/") + 1) + L"probe_hook.dll";
}

int Query(HWND target, LPARAM kind) {
  // A serving probe asks many times: each query waits for its own answer.
  g_reply.clear();
  g_replied = false;
  HMODULE hook = LoadLibraryW(HookPath().c_str());
  FARPROC found = hook ? GetProcAddress(hook, "InspectGetMessageHook") : nullptr;
  // GetProcAddress returns a generic function pointer; cast through void* to the hook's type.
  HOOKPROC proc = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(found));
  if (!proc) {
    Write("error\tprobe_hook.dll not found beside probe.exe\n");
    return 1;
  }
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ReplyProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"OtopiccoInspectReply";
  RegisterClassW(&wc);
  HWND reply = CreateWindowW(wc.lpszClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, wc.hInstance, nullptr);
  DWORD thread = GetWindowThreadProcessId(target, nullptr);
  HHOOK handle = SetWindowsHookExW(WH_GETMESSAGE, proc, hook, thread);
  if (!handle) {
    Write("error\tSetWindowsHookEx failed\n");
    return 1;
  }
  PostMessageW(target, RegisterWindowMessageW(probe_query::kMessageName), reinterpret_cast<WPARAM>(reply), kind);
  ULONGLONG deadline = GetTickCount64() + 5000;
  while (!g_replied && GetTickCount64() < deadline) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  UnhookWindowsHookEx(handle);
  DestroyWindow(reply);
  if (!g_replied) {
    Write("error\tno answer from the window's thread\n");
    return 1;
  }
  Write(g_reply);
  return 0;
}

int Usage() {
  Write("usage: probe windows|boxes|foreground|children H|press H|close H|focus H|rect H|font H|menu H|tree H|selection H|resources PID|pixel X Y..|clientpixel H X Y..|serve\n");
  return 2;
}

int Run(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  std::wstring command = argv[1];
  if (command == L"windows") return EnumWindows(PrintTopLevel, 0) ? 0 : 1;
  if (command == L"boxes") return EnumWindows(PrintBox, 0) ? 0 : 1;
  if (command == L"pixel") return Pixels(nullptr, argc - 2, argv + 2);
  if (command == L"foreground") return Foreground();
  if (argc < 3) return Usage();
  if (command == L"resources") return probe_resources::Report(static_cast<DWORD>(wcstoul(argv[2], nullptr, 10)));
  HWND window = ParseWindow(argv[2]);
  if (!window) {
    Write("error\tno such window\n");
    return 1;
  }
  if (command == L"children") return Children(window);
  if (command == L"press") return Press(window);
  if (command == L"close") return PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == L"focus") return Focus(window);
  if (command == L"rect") return Rect(window);
  if (command == L"selection") return Selection(window);
  if (command == L"clientpixel") return Pixels(window, argc - 3, argv + 3);
  if (command == L"font") return Query(window, probe_query::kFont);
  if (command == L"menu") return Query(window, probe_query::kMenu);
  if (command == L"tree") return Query(window, probe_query::kTree);
  return Usage();
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  int result = argc == 2 && std::wstring(argv[1]) == L"serve" ? probe_serve::Serve(Run) : Run(argc, argv);
  LocalFree(argv);
  return result;
}
