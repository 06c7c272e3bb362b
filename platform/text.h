// Text as the program keeps it: Shift-JIS (code page 932) byte strings, whose lengths and cuts
// count bytes. A name that came from the file system also keeps its native form, because
// Shift-JIS cannot hold every character a file name may have and a song must still open.
#pragma once

#include <string>

namespace platform {

// A file or folder name or path in both of its forms. `sjis` is what the program shows, counts
// and speaks (with the platform converter's replacement for what Shift-JIS cannot hold);
// `native` is what the platform opens (UTF-8 of the system's own name on Windows, the system's
// own bytes on Linux). For ASCII both forms are the same bytes.
struct PathName {
  std::string sjis;
  std::string native;

  static PathName Ascii(const std::string& text) { return PathName{text, text}; }
  bool empty() const { return sjis.empty() && native.empty(); }
  bool operator==(const PathName& o) const { return sjis == o.sjis && native == o.native; }
};

// The platform's own converter from Shift-JIS to UTF-16, for the speech control.
class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::u16string SjisToUtf16(const std::string& sjis) const = 0;
};

}  // namespace platform
