// The logging ISpVoice of the stand-in.
#include "voice.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "../call_log.h"

namespace voice_double {
namespace {

LONG g_voices = 0;

void Log(const char* event, const std::vector<std::string>& arguments = {}) {
  call_log::Write(L"OTOPICCO_VOICE_LOG", event, arguments);
}

bool ShouldFail(const wchar_t* event) { return call_log::Env(L"OTOPICCO_VOICE_FAIL") == event; }

HRESULT Refuse(const char* event) {
  Log("fail", {event});
  return E_FAIL;
}

// A slow engine, or a loaded machine, takes a while to accept each text.
void TakeTimeToAccept() {
  const int delay = _wtoi(call_log::Env(L"OTOPICCO_VOICE_DELAY_MS").c_str());
  if (delay > 0) Sleep(static_cast<DWORD>(delay));
}

HRESULT Unexpected(const char* method) {
  Log("call", {method});
  return E_NOTIMPL;
}

std::string FlagNames(DWORD flags) {
  static const struct {
    DWORD bit;
    const char* name;
  } kNames[] = {{SPF_ASYNC, "ASYNC"},           {SPF_PURGEBEFORESPEAK, "PURGEBEFORESPEAK"},
                {SPF_IS_FILENAME, "IS_FILENAME"}, {SPF_IS_XML, "IS_XML"},
                {SPF_IS_NOT_XML, "IS_NOT_XML"},   {SPF_PERSIST_XML, "PERSIST_XML"},
                {SPF_NLP_SPEAK_PUNC, "NLP_SPEAK_PUNC"}, {SPF_PARSE_SAPI, "PARSE_SAPI"},
                {SPF_PARSE_SSML, "PARSE_SSML"}};
  if (flags == 0) return "DEFAULT";
  std::string names;
  for (const auto& flag : kNames) {
    if (!(flags & flag.bit)) continue;
    if (!names.empty()) names += "|";
    names += flag.name;
    flags &= ~flag.bit;
  }
  if (flags) {
    char rest[16];
    wsprintfA(rest, "0x%lX", static_cast<unsigned long>(flags));
    names += names.empty() ? rest : std::string("|") + rest;
  }
  return names;
}

std::string TokenId(ISpObjectToken* token) {
  wchar_t* id = nullptr;
  if (FAILED(token->GetId(&id)) || !id) return "?";
  std::string text = Utf8(id);
  CoTaskMemFree(id);
  return text;
}

class Voice : public ISpVoice {
 public:
  Voice() { InterlockedIncrement(&g_voices); }
  virtual ~Voice() { InterlockedDecrement(&g_voices); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ISpNotifySource) ||
        IsEqualIID(iid, IID_ISpEventSource) || IsEqualIID(iid, IID_ISpVoice)) {
      *out = static_cast<ISpVoice*>(this);
      AddRef();
      return S_OK;
    }
    return E_NOINTERFACE;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0) {
      Log("release");
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // ISpNotifySource
  STDMETHODIMP SetNotifySink(ISpNotifySink*) override { return Unexpected("SetNotifySink"); }
  STDMETHODIMP SetNotifyWindowMessage(HWND, UINT, WPARAM, LPARAM) override {
    return Unexpected("SetNotifyWindowMessage");
  }
  STDMETHODIMP SetNotifyCallbackFunction(SPNOTIFYCALLBACK*, WPARAM, LPARAM) override {
    return Unexpected("SetNotifyCallbackFunction");
  }
  STDMETHODIMP SetNotifyCallbackInterface(ISpNotifyCallback*, WPARAM, LPARAM) override {
    return Unexpected("SetNotifyCallbackInterface");
  }
  STDMETHODIMP SetNotifyWin32Event() override { return Unexpected("SetNotifyWin32Event"); }
  STDMETHODIMP WaitForNotifyEvent(DWORD) override { return Unexpected("WaitForNotifyEvent"); }
  STDMETHODIMP_(HANDLE) GetNotifyEventHandle() override {
    Unexpected("GetNotifyEventHandle");
    return nullptr;
  }

  // ISpEventSource
  STDMETHODIMP SetInterest(ULONGLONG, ULONGLONG) override { return Unexpected("SetInterest"); }
  STDMETHODIMP GetEvents(ULONG, SPEVENT*, ULONG*) override { return Unexpected("GetEvents"); }
  STDMETHODIMP GetInfo(SPEVENTSOURCEINFO*) override { return Unexpected("GetInfo"); }

  // ISpVoice: what the player uses.
  STDMETHODIMP SetVoice(ISpObjectToken* token) override {
    if (ShouldFail(L"voice")) return Refuse("voice");
    if (token) {
      Log("voice", {TokenId(token)});
    } else {
      Log("voice");
    }
    return S_OK;
  }
  STDMETHODIMP Speak(LPCWSTR text, DWORD flags, ULONG* stream) override {
    if (stream) *stream = 0;
    if (ShouldFail(text ? L"speak" : L"stop")) return Refuse(text ? "speak" : "stop");
    if (text) {
      TakeTimeToAccept();
      Log("speak", {FlagNames(flags), Utf8(text)});
    } else {
      Log("speak", {FlagNames(flags)});
    }
    if (stream && text) *stream = ++streams_;
    return S_OK;
  }
  STDMETHODIMP SetRate(LONG rate) override {
    if (ShouldFail(L"rate")) return Refuse("rate");
    Log("rate", {std::to_string(rate)});
    rate_ = rate;
    return S_OK;
  }
  STDMETHODIMP GetRate(LONG* rate) override {
    Log("call", {"GetRate"});
    if (!rate) return E_POINTER;
    *rate = rate_;
    return S_OK;
  }

  // ISpVoice: the rest of the vtable, which the player has no use for.
  STDMETHODIMP SetOutput(IUnknown*, WINBOOL) override { return Unexpected("SetOutput"); }
  STDMETHODIMP GetOutputObjectToken(ISpObjectToken**) override { return Unexpected("GetOutputObjectToken"); }
  STDMETHODIMP GetOutputStream(ISpStreamFormat**) override { return Unexpected("GetOutputStream"); }
  STDMETHODIMP Pause() override { return Unexpected("Pause"); }
  STDMETHODIMP Resume() override { return Unexpected("Resume"); }
  STDMETHODIMP GetVoice(ISpObjectToken**) override { return Unexpected("GetVoice"); }
  STDMETHODIMP SpeakStream(IStream*, DWORD, ULONG*) override { return Unexpected("SpeakStream"); }
  STDMETHODIMP GetStatus(SPVOICESTATUS*, LPWSTR*) override { return Unexpected("GetStatus"); }
  STDMETHODIMP Skip(LPCWSTR, LONG, ULONG*) override { return Unexpected("Skip"); }
  STDMETHODIMP SetPriority(SPVPRIORITY) override { return Unexpected("SetPriority"); }
  STDMETHODIMP GetPriority(SPVPRIORITY*) override { return Unexpected("GetPriority"); }
  STDMETHODIMP SetAlertBoundary(SPEVENTENUM) override { return Unexpected("SetAlertBoundary"); }
  STDMETHODIMP GetAlertBoundary(SPEVENTENUM*) override { return Unexpected("GetAlertBoundary"); }
  STDMETHODIMP SetVolume(USHORT) override { return Unexpected("SetVolume"); }
  STDMETHODIMP GetVolume(USHORT*) override { return Unexpected("GetVolume"); }
  STDMETHODIMP WaitUntilDone(ULONG) override { return Unexpected("WaitUntilDone"); }
  STDMETHODIMP SetSyncSpeakTimeout(ULONG) override { return Unexpected("SetSyncSpeakTimeout"); }
  STDMETHODIMP GetSyncSpeakTimeout(ULONG*) override { return Unexpected("GetSyncSpeakTimeout"); }
  STDMETHODIMP_(HANDLE) SpeakCompleteEvent() override {
    Unexpected("SpeakCompleteEvent");
    return nullptr;
  }
  STDMETHODIMP IsUISupported(LPCWSTR, void*, ULONG, WINBOOL*) override { return Unexpected("IsUISupported"); }
  STDMETHODIMP DisplayUI(HWND, LPCWSTR, LPCWSTR, void*, ULONG) override { return Unexpected("DisplayUI"); }

 private:
  LONG refs_ = 1;
  LONG rate_ = 0;
  ULONG streams_ = 0;
};

}  // namespace

ISpVoice* NewVoice() {
  if (call_log::Env(L"OTOPICCO_VOICE_LOG").empty()) return nullptr;
  if (ShouldFail(L"create")) {
    Refuse("create");
    return nullptr;
  }
  Log("create");
  return new Voice();
}

bool VoicesAlive() { return g_voices != 0; }

}  // namespace voice_double
