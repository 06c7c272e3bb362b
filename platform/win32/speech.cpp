// Speech control over COM automation. Every failed call becomes a SpeechError that carries the
// failure code and the control's own description in Shift-JIS.
#include "platform/win32/speech.h"

#include <windows.h>

#include <oleauto.h>

#include <cstdio>

#include "platform/exception.h"
#include "platform/win32/sapi5_speech.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// {EEE78591-FE22-11D0-8BEF-0060081841DE}, the control's class.
const CLSID kDirectSpeechClass = {
    0xEEE78591, 0xFE22, 0x11D0, {0x8B, 0xEF, 0x00, 0x60, 0x08, 0x18, 0x41, 0xDE}};

constexpr DISPID kSpeak = 6;
constexpr DISPID kSpeed = 10;
constexpr DISPID kAudioReset = 36;  // the control's silence operation

std::string HexCode(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

// The strings the control hands back with a failure; freed however the call ends.
struct ExceptionInfo {
  EXCEPINFO info{};
  ~ExceptionInfo() {
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
  }
};

class Variant {
 public:
  Variant() { VariantInit(&value_); }
  ~Variant() { VariantClear(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT* get() { return &value_; }

 private:
  VARIANT value_;
};

[[noreturn]] void RaiseFailure(HRESULT hr, ExceptionInfo& exception, const wchar_t* what) {
  HRESULT code = hr;
  std::wstring description;
  if (hr == DISP_E_EXCEPTION) {
    if (exception.info.pfnDeferredFillIn) exception.info.pfnDeferredFillIn(&exception.info);
    if (FAILED(exception.info.scode)) code = exception.info.scode;
    if (exception.info.bstrDescription)
      description.assign(exception.info.bstrDescription,
                         SysStringLen(exception.info.bstrDescription));
  }
  if (!description.empty()) throw SpeechError(code, WideToSjis(description));
  throw SpeechError(code, WideToSjis(what) + " (HRESULT " + HexCode(code) + ")");
}

void Invoke(IDispatch& control, DISPID member, WORD flags, DISPPARAMS& parameters,
            const wchar_t* what) {
  ExceptionInfo exception;
  Variant result;
  UINT bad_argument = 0;
  const bool put = (flags & DISPATCH_PROPERTYPUT) != 0;
  const HRESULT hr = control.Invoke(member, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                    put ? nullptr : result.get(), &exception.info, &bad_argument);
  if (FAILED(hr)) RaiseFailure(hr, exception, what);
}

}  // namespace

Win32SpeechControl::Win32SpeechControl(ComPtr<IDispatch> control) : control_(std::move(control)) {}

void Win32SpeechControl::SetSpeed(int32_t speed) {
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = speed;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS parameters{&value, &named, 1, 1};
  Invoke(*control_.Get(), kSpeed, DISPATCH_PROPERTYPUT, parameters,
         L"音声合成の速さを設定できませんでした");
}

void Win32SpeechControl::Speak(const std::u16string& text) {
  Variant argument;
  argument.get()->vt = VT_BSTR;
  argument.get()->bstrVal = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                              static_cast<UINT>(text.size()));
  if (!argument.get()->bstrVal) throw SpeechError(E_OUTOFMEMORY, "メモリが足りません");
  DISPPARAMS parameters{argument.get(), nullptr, 1, 0};
  Invoke(*control_.Get(), kSpeak, DISPATCH_METHOD, parameters, L"音声合成で読み上げられませんでした");
}

void Win32SpeechControl::Silence() {
  DISPPARAMS parameters{nullptr, nullptr, 0, 0};
  Invoke(*control_.Get(), kAudioReset, DISPATCH_METHOD, parameters,
         L"音声合成を止められませんでした");
}

// The SAPI 4 control wherever it can be made, exactly as always; a SAPI 5 voice everywhere else.
std::unique_ptr<SpeechControl> Win32SpeechFactory::Create() {
  ComPtr<IDispatch> control;
  const HRESULT hr = CoCreateInstance(kDirectSpeechClass, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IDispatch, control.PutVoid());
  if (SUCCEEDED(hr) && control) return std::make_unique<Win32SpeechControl>(std::move(control));
  return CreateSapi5Speech();
}

}  // namespace platform::win32
