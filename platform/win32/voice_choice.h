// Which SAPI 5 voice reads the songs: a Japanese one where one is installed, because only a
// Japanese voice can read titles in kana and kanji; otherwise the system's default voice, which
// still reads the song numbers and titles in Latin letters. A pure decision over what the voice
// categories list, so that it is tested without Windows; the Windows side reads the tokens and
// selects the chosen one.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace platform::win32 {

// One voice as a voice category lists it.
struct VoiceToken {
  // As the category gives it: the token's registry path on Windows, its bare key name on Wine.
  std::u16string id;
  // Its Attributes\Language value: hexadecimal language ids separated by ";", such as "411" or
  // "411;409"; empty when the token has none.
  std::u16string language;
};

struct VoiceChoice {
  enum class Source {
    DefaultVoice,  // keep the voice SpVoice starts with; select nothing
    Desktop,       // the token at `index` of the desktop voice category
    OneCore,       // the token at `index` of the OneCore voice category
  };
  Source source = Source::DefaultVoice;
  std::size_t index = 0;
};

bool operator==(const VoiceChoice& a, const VoiceChoice& b);

// True when the Language value lists Japanese (411). Items are compared as numbers, so "0411"
// counts; an item that is no hexadecimal number is skipped.
bool ListsJapanese(const std::u16string& language);

// In this order: the default voice when it is Japanese (a teacher may have chosen one of several
// Japanese voices), the first Japanese voice of the desktop category, the first Japanese voice
// of the OneCore category, and otherwise the default voice. `default_id` is the desktop
// category's default token id, empty when it is not known; ids are compared ignoring ASCII
// letter case, as registry paths are.
VoiceChoice ChooseVoice(const std::vector<VoiceToken>& desktop,
                        const std::vector<VoiceToken>& one_core, const std::u16string& default_id);

}  // namespace platform::win32
