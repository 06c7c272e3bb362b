// The voice choice: Japanese first, the system's default voice otherwise.
#include "platform/win32/voice_choice.h"

#include <cstdint>
#include <optional>

namespace platform::win32 {
namespace {

constexpr uint32_t kJapanese = 0x411;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::optional<uint32_t> HexNumber(const std::u16string& item) {
  std::size_t begin = 0;
  std::size_t end = item.size();
  while (begin < end && IsBlank(item[begin])) ++begin;
  while (end > begin && IsBlank(item[end - 1])) --end;
  // A language id has at most 4 hexadecimal digits; 8 keep any longer item from overflowing.
  if (begin == end || end - begin > 8) return std::nullopt;
  uint32_t value = 0;
  for (std::size_t i = begin; i < end; ++i) {
    const char16_t c = item[i];
    uint32_t digit;
    if (c >= u'0' && c <= u'9') {
      digit = static_cast<uint32_t>(c - u'0');
    } else if (c >= u'a' && c <= u'f') {
      digit = static_cast<uint32_t>(c - u'a' + 10);
    } else if (c >= u'A' && c <= u'F') {
      digit = static_cast<uint32_t>(c - u'A' + 10);
    } else {
      return std::nullopt;
    }
    value = value * 16 + digit;
  }
  return value;
}

char16_t AsciiLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool SameId(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::optional<std::size_t> FirstJapanese(const std::vector<VoiceToken>& tokens) {
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (ListsJapanese(tokens[i].language)) return i;
  }
  return std::nullopt;
}

bool DefaultIsJapanese(const std::vector<VoiceToken>& desktop, const std::u16string& default_id) {
  if (default_id.empty()) return false;
  for (const VoiceToken& token : desktop) {
    if (SameId(token.id, default_id)) return ListsJapanese(token.language);
  }
  return false;
}

}  // namespace

bool operator==(const VoiceChoice& a, const VoiceChoice& b) {
  if (a.source != b.source) return false;
  return a.source == VoiceChoice::Source::DefaultVoice || a.index == b.index;
}

bool ListsJapanese(const std::u16string& language) {
  std::size_t start = 0;
  while (start <= language.size()) {
    std::size_t end = language.find(u';', start);
    if (end == std::u16string::npos) end = language.size();
    if (HexNumber(language.substr(start, end - start)) == kJapanese) return true;
    start = end + 1;
  }
  return false;
}

VoiceChoice ChooseVoice(const std::vector<VoiceToken>& desktop,
                        const std::vector<VoiceToken>& one_core, const std::u16string& default_id) {
  using Source = VoiceChoice::Source;
  if (DefaultIsJapanese(desktop, default_id)) return {Source::DefaultVoice, 0};
  if (const auto i = FirstJapanese(desktop)) return {Source::Desktop, *i};
  if (const auto i = FirstJapanese(one_core)) return {Source::OneCore, *i};
  return {Source::DefaultVoice, 0};
}

}  // namespace platform::win32
