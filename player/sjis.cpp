// Shift-JIS aware comparing.
#include "player/sjis.h"

namespace player {

namespace {
char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::string::size_type i = 0; i < a.size(); ++i) {
    if (IsSjisLeadByte(static_cast<unsigned char>(a[i]))) {
      // A double-byte character compares exactly, both of its bytes. A first byte left alone
      // at the end (a name cut after a byte count) compares as itself.
      if (a[i] != b[i]) return false;
      if (i + 1 < a.size()) {
        if (a[i + 1] != b[i + 1]) return false;
        ++i;
      }
    } else if (FoldCase(a[i]) != FoldCase(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace player
