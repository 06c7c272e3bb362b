// Byte-level rules of Shift-JIS text that the program's own string handling needs.
#pragma once

#include <string>

namespace player {

// The first byte of a double-byte character; the byte after it may look like any ASCII
// character, a backslash or a capital letter among them.
inline bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Equal when only the case of single-byte letters differs.
bool SameTextIgnoringCase(const std::string& a, const std::string& b);

}  // namespace player
