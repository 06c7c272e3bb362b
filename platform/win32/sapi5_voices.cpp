// The voice categories as VoiceToken lists, and the selection of the chosen voice.
#include "platform/win32/sapi5_voices.h"

#include <string>
#include <vector>

#include "platform/win32/com_ptr.h"
#include "platform/win32/voice_choice.h"

namespace platform::win32 {
namespace {

const wchar_t kDesktopVoices[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech\\Voices";
// The voices that Windows 10 and 11 install with a language's speech pack. Desktop SAPI 5 can
// read them through a category pointed at their key; Wine has no such key.
const wchar_t kOneCoreVoices[] = L"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Speech_OneCore\\Voices";

// A string that SAPI allocated for the caller; freed however the reading ends.
class TaskString {
 public:
  TaskString() = default;
  ~TaskString() { CoTaskMemFree(text_); }
  TaskString(const TaskString&) = delete;
  TaskString& operator=(const TaskString&) = delete;
  wchar_t** Put() { return &text_; }
  std::u16string Text() const {
    return text_ ? std::u16string(reinterpret_cast<const char16_t*>(text_)) : std::u16string();
  }

 private:
  wchar_t* text_ = nullptr;
};

// The voices of one category, in its order, and each one's id and languages.
struct Category {
  std::vector<ComPtr<ISpObjectToken>> tokens;
  std::vector<VoiceToken> voices;
  std::u16string default_id;
};

std::u16string LanguageOf(ISpObjectToken& token) {
  ComPtr<ISpDataKey> attributes;
  if (FAILED(token.OpenKey(L"Attributes", attributes.Put())) || !attributes) return u"";
  TaskString language;
  if (FAILED(attributes->GetStringValue(L"Language", language.Put()))) return u"";
  return language.Text();
}

// The languages are read here, not asked of the category as a required attribute: Wine's
// categories ignore that filter and would hand out any voice as a Japanese one.
Category ReadCategory(const wchar_t* category_id) {
  Category category;
  ComPtr<ISpObjectTokenCategory> source;
  if (FAILED(CoCreateInstance(CLSID_SpObjectTokenCategory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ISpObjectTokenCategory, source.PutVoid())) ||
      !source || FAILED(source->SetId(category_id, FALSE)))
    return category;
  TaskString default_id;
  if (SUCCEEDED(source->GetDefaultTokenId(default_id.Put()))) category.default_id = default_id.Text();
  ComPtr<IEnumSpObjectTokens> tokens;
  if (FAILED(source->EnumTokens(nullptr, nullptr, tokens.Put())) || !tokens) return category;
  for (;;) {
    ComPtr<ISpObjectToken> token;
    if (tokens->Next(1, token.Put(), nullptr) != S_OK || !token) break;
    TaskString id;
    if (FAILED(token->GetId(id.Put()))) continue;
    category.voices.push_back(VoiceToken{id.Text(), LanguageOf(*token.Get())});
    category.tokens.push_back(std::move(token));
  }
  return category;
}

}  // namespace

void SelectJapaneseVoice(ISpVoice& voice) {
  const Category desktop = ReadCategory(kDesktopVoices);
  const Category one_core = ReadCategory(kOneCoreVoices);
  const VoiceChoice choice = ChooseVoice(desktop.voices, one_core.voices, desktop.default_id);
  // A voice that refuses to be selected leaves the default voice speaking: its failure is not
  // worth a silent program.
  switch (choice.source) {
    case VoiceChoice::Source::DefaultVoice:
      return;
    case VoiceChoice::Source::Desktop:
      voice.SetVoice(desktop.tokens[choice.index].Get());
      return;
    case VoiceChoice::Source::OneCore:
      voice.SetVoice(one_core.tokens[choice.index].Get());
      return;
  }
}

}  // namespace platform::win32
