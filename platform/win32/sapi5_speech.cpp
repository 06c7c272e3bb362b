// The speech control over ISpVoice. Every failed call becomes a SpeechError carrying the
// HRESULT and a description in Shift-JIS, as with the SAPI 4 control.
#include "platform/win32/sapi5_speech.h"

#include <windows.h>

#include <sapi.h>

#include <cstdio>
#include <string>

#include "platform/exception.h"
#include "platform/win32/com_ptr.h"
#include "platform/win32/sapi5_voices.h"
#include "platform/win32/speech_rate.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {
namespace {

// No text with this flag drops what is being spoken and what still waits.
constexpr DWORD kStop = SPF_PURGEBEFORESPEAK;
// Returns at once; a title such as "<Sakura>", "Tom & Jerry" or "&lt;" is read as written and
// never parsed as markup.
constexpr DWORD kSpeakAsWritten = SPF_ASYNC | SPF_IS_NOT_XML;

[[noreturn]] void RaiseFailure(HRESULT hr, const wchar_t* what) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
  throw SpeechError(static_cast<int32_t>(hr), WideToSjis(what) + " (HRESULT " + code + ")");
}

void Check(HRESULT hr, const wchar_t* what) {
  if (FAILED(hr)) RaiseFailure(hr, what);
}

class Sapi5Speech : public SpeechControl {
 public:
  explicit Sapi5Speech(ComPtr<ISpVoice> voice) : voice_(std::move(voice)) {}

  void SetSpeed(int32_t speed) override {
    Check(voice_->SetRate(Sapi5Rate(speed)), L"音声合成の速さを設定できませんでした");
  }

  void Speak(const std::u16string& text) override {
    Check(voice_->Speak(reinterpret_cast<const wchar_t*>(text.c_str()), kSpeakAsWritten, nullptr),
          L"音声合成で読み上げられませんでした");
  }

  void Silence() override { Stop(); }

 private:
  void Stop() { Check(voice_->Speak(nullptr, kStop, nullptr), L"音声合成を止められませんでした"); }

  ComPtr<ISpVoice> voice_;  // released with the control, that is with the player window
};

}  // namespace

std::unique_ptr<SpeechControl> CreateSapi5Speech() {
  ComPtr<ISpVoice> voice;
  const HRESULT made = CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_INPROC_SERVER, IID_ISpVoice,
                                        voice.PutVoid());
  if (FAILED(made) || !voice)
    RaiseFailure(FAILED(made) ? made : E_NOINTERFACE, L"SAPI 5 の音声を作成できません");
  // A voice is only worth having if it takes requests, and asking it to stop costs nothing.
  // Wine's own SpVoice is made but has no engine: it answers E_NOTIMPL here.
  Check(voice->Speak(nullptr, kStop, nullptr), L"SAPI 5 の音声が要求を受け付けません");
  SelectJapaneseVoice(*voice.Get());
  return std::make_unique<Sapi5Speech>(std::move(voice));
}

}  // namespace platform::win32
