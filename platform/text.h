// Text as the program keeps it: Shift-JIS (code page 932) byte strings, whose lengths and cuts
// count bytes. A name that came from the file system also keeps its native form, because
// Shift-JIS cannot hold every character a file name may have and a song must still open.
#pragma once

#include <string>

namespace platform {

// A file or folder name in both of its forms. `sjis` is what the program shows, counts and
// speaks; `native` is what the platform opens (UTF-8 of the system's own name on Windows,
// the raw bytes on Linux). For ASCII both forms are the same bytes.
struct PathName {
  std::string sjis;
  std::string native;

  static PathName Ascii(const std::string& text) { return PathName{text, text}; }
  bool empty() const { return sjis.empty() && native.empty(); }
};

// Joins two names with the given ASCII separator in both forms.
inline PathName Join(const PathName& head, const char* separator, const PathName& tail) {
  return PathName{head.sjis + separator + tail.sjis, head.native + separator + tail.native};
}

// The platform's own converter from Shift-JIS to UTF-16, for the speech control.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::u16string SjisToUtf16(const std::string& sjis) const = 0;
};

}  // namespace platform
