// A stand-in for the speech control, registered only inside the test Wine prefix. It speaks
// nothing: it appends one line per call to the file named by OTOPICCO_SPEECH_LOG, so the
// end-to-end tests can see what the player said, in which order and when.
//
// Line format (tab-separated, UTF-8, one line per event, written with a single append):
//   <unix microseconds> TAB <buttons> TAB <event> [TAB <argument>]
// Events: create, speed <n>, speak <text>, silence, release, fail <event>, bad <details>.
// In texts, backslash, CR, LF and TAB are written as \\ \r \n \t so a line stays one line.
// <buttons> counts the push buttons in the calling thread's windows, message boxes left out, so
// a test can see whether the song buttons existed when the call came (the player's other windows
// add theirs once they exist).
//
// OTOPICCO_SPEECH_FAIL=create|speed|speak|silence makes that call fail the way the real
// control fails: creation with an error result, the others with DISP_E_EXCEPTION and an
// EXCEPINFO whose description starts with "speech double:".
// OTOPICCO_SPEECH_DELAY_MS=N makes every speak call take N milliseconds before it returns, as a
// slow engine or a loaded machine does, so that keys pile up behind the announcements.
#include <windows.h>
#include <ole2.h>

#include <cstdlib>
#include <string>

#include "../report_text.h"

namespace {

const CLSID kSpeechClass = {0xEEE78591, 0xFE22, 0x11D0, {0x8B, 0xEF, 0x00, 0x60, 0x08, 0x18, 0x41, 0xDE}};
const IID kIDirectSS = {0xEEE78590, 0xFE22, 0x11D0, {0x8B, 0xEF, 0x00, 0x60, 0x08, 0x18, 0x41, 0xDE}};

const DISPID kSpeak = 6;
const DISPID kSpeed = 10;
const DISPID kAudioReset = 36;

LONG g_objects = 0;
LONG g_locks = 0;

std::wstring Env(const wchar_t* name) {
  wchar_t buffer[2048];
  DWORD n = GetEnvironmentVariableW(name, buffer, ARRAYSIZE(buffer));
  if (n == 0 || n >= ARRAYSIZE(buffer)) return std::wstring();
  return std::wstring(buffer, n);
}

bool ShouldFail(const wchar_t* event) { return Env(L"OTOPICCO_SPEECH_FAIL") == event; }

// Comparable with the host's clock: Wine reads the system time from the Unix real-time clock.
unsigned long long UnixMicroseconds() {
  FILETIME ft;
  GetSystemTimePreciseAsFileTime(&ft);
  ULARGE_INTEGER t;
  t.LowPart = ft.dwLowDateTime;
  t.HighPart = ft.dwHighDateTime;
  const unsigned long long kEpochDifference = 116444736000000000ULL;  // 1601 to 1970 in 100 ns
  return (t.QuadPart - kEpochDifference) / 10;
}

BOOL CALLBACK CountButtonChildren(HWND child, LPARAM count) {
  wchar_t cls[64];
  if (GetClassNameW(child, cls, ARRAYSIZE(cls)) && lstrcmpiW(cls, L"Button") == 0) ++*reinterpret_cast<int*>(count);
  return TRUE;
}

// Buttons inside message boxes are not song buttons.
BOOL CALLBACK CountButtonsOfWindow(HWND window, LPARAM count) {
  wchar_t cls[64];
  if (GetClassNameW(window, cls, ARRAYSIZE(cls)) && lstrcmpW(cls, L"#32770") == 0) return TRUE;
  EnumChildWindows(window, CountButtonChildren, count);
  return TRUE;
}

int ButtonsOfThisThread() {
  int count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountButtonsOfWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

void Log(const char* event, const std::string& argument = std::string(), bool hasArgument = false) {
  std::wstring path = Env(L"OTOPICCO_SPEECH_LOG");
  if (path.empty()) return;
  std::string line = std::to_string(UnixMicroseconds()) + "\t" + std::to_string(ButtonsOfThisThread()) + "\t" + event;
  if (hasArgument) line += "\t" + Escaped(argument);
  line += "\n";
  // One append per line, file closed at once: a polling test never sees half a line.
  HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  FlushFileBuffers(file);
  CloseHandle(file);
}

HRESULT Refuse(const char* event, EXCEPINFO* info) {
  Log("fail", event, true);
  if (info) {
    ZeroMemory(info, sizeof(*info));
    info->bstrSource = SysAllocString(L"speech_double");
    std::wstring description = L"speech double: ";
    description += std::wstring(event, event + lstrlenA(event));
    description += L" refused on request";
    info->bstrDescription = SysAllocString(description.c_str());
    info->scode = E_FAIL;
  }
  return DISP_E_EXCEPTION;
}

class SpeechObject : public IDispatch {
 public:
  SpeechObject() { InterlockedIncrement(&g_objects); }
  virtual ~SpeechObject() { InterlockedDecrement(&g_objects); }

  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    // The real control's default interface is dual, so its IID may be asked for as well.
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, kIDirectSS)) {
      *out = static_cast<IDispatch*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    LONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
      Log("release");
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
    if (info) *info = nullptr;
    return DISP_E_BADINDEX;
  }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
      if (lstrcmpiW(names[i], L"Speak") == 0 && i == 0) ids[i] = kSpeak;
      else if (lstrcmpiW(names[i], L"Speed") == 0 && i == 0) ids[i] = kSpeed;
      else if (lstrcmpiW(names[i], L"AudioReset") == 0 && i == 0) ids[i] = kAudioReset;
      else { ids[i] = DISPID_UNKNOWN; result = DISP_E_UNKNOWNNAME; }
    }
    return result;
  }

  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* info,
                      UINT* badArgument) override {
    if (result) VariantInit(result);
    UINT argc = params ? params->cArgs : 0;
    switch (id) {
      case kSpeak:
        if (!(flags & DISPATCH_METHOD)) return Bad(id, flags, argc, DISP_E_MEMBERNOTFOUND);
        if (argc != 1) return Bad(id, flags, argc, DISP_E_BADPARAMCOUNT);
        return Speak(params->rgvarg[0], info, badArgument);
      case kSpeed:
        // A property put names its value DISPID_PROPERTYPUT, as automation requires.
        if (!(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF))) return Bad(id, flags, argc, DISP_E_MEMBERNOTFOUND);
        if (argc != 1) return Bad(id, flags, argc, DISP_E_BADPARAMCOUNT);
        if (params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
          return Bad(id, flags, argc, DISP_E_PARAMNOTOPTIONAL);
        return Speed(params->rgvarg[0], info, badArgument);
      case kAudioReset:
        if (!(flags & DISPATCH_METHOD)) return Bad(id, flags, argc, DISP_E_MEMBERNOTFOUND);
        if (argc != 0) return Bad(id, flags, argc, DISP_E_BADPARAMCOUNT);
        if (ShouldFail(L"silence")) return Refuse("silence", info);
        Log("silence");
        return S_OK;
      default:
        return Bad(id, flags, argc, DISP_E_MEMBERNOTFOUND);
    }
  }

 private:
  HRESULT Speak(VARIANT& argument, EXCEPINFO* info, UINT* badArgument) {
    VARIANT text;
    VariantInit(&text);
    if (FAILED(VariantChangeType(&text, &argument, 0, VT_BSTR))) {
      if (badArgument) *badArgument = 0;
      return Bad(kSpeak, DISPATCH_METHOD, 1, DISP_E_TYPEMISMATCH);
    }
    std::wstring wide = text.bstrVal ? std::wstring(text.bstrVal, SysStringLen(text.bstrVal)) : std::wstring();
    VariantClear(&text);
    if (ShouldFail(L"speak")) return Refuse("speak", info);
    const int delay = _wtoi(Env(L"OTOPICCO_SPEECH_DELAY_MS").c_str());
    if (delay > 0) Sleep(static_cast<DWORD>(delay));
    Log("speak", Utf8(wide), true);
    return S_OK;
  }

  HRESULT Speed(VARIANT& argument, EXCEPINFO* info, UINT* badArgument) {
    VARIANT value;
    VariantInit(&value);
    if (FAILED(VariantChangeType(&value, &argument, 0, VT_I4))) {
      if (badArgument) *badArgument = 0;
      return Bad(kSpeed, DISPATCH_PROPERTYPUT, 1, DISP_E_TYPEMISMATCH);
    }
    if (ShouldFail(L"speed")) return Refuse("speed", info);
    Log("speed", std::to_string(value.lVal), true);
    return S_OK;
  }

  HRESULT Bad(DISPID id, WORD flags, UINT argc, HRESULT why) {
    char details[128];
    wsprintfA(details, "dispid=%ld flags=%u args=%u hr=0x%08lX", static_cast<long>(id), flags, argc,
              static_cast<unsigned long>(why));
    Log("bad", details, true);
    return why;
  }

  LONG refs_ = 1;
};

class SpeechFactory : public IClassFactory {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
      *out = static_cast<IClassFactory*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  // The factory is a static object; it lives as long as the DLL.
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (ShouldFail(L"create")) {
      Log("fail", "create", true);
      return E_FAIL;
    }
    SpeechObject* object = new SpeechObject();
    HRESULT hr = object->QueryInterface(iid, out);
    if (SUCCEEDED(hr)) Log("create");
    object->Release();
    return hr;
  }
  STDMETHODIMP LockServer(BOOL lock) override {
    if (lock) InterlockedIncrement(&g_locks);
    else InterlockedDecrement(&g_locks);
    return S_OK;
  }
};

SpeechFactory g_factory;

}  // namespace

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsEqualCLSID(clsid, kSpeechClass)) return CLASS_E_CLASSNOTAVAILABLE;
  return g_factory.QueryInterface(iid, out);
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return (g_objects == 0 && g_locks == 0) ? S_OK : S_FALSE; }
