// Owners of GDI objects and the translation of the program's colours and fonts into GDI terms.
#pragma once

#include <windows.h>

#include "platform/drawing.h"

namespace platform::win32 {

// Deletes one GDI object (font, pen, brush) when it goes.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() {
    if (handle_) DeleteObject(handle_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle get() const { return handle_; }

 private:
  Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;

inline COLORREF ToColorRef(Color color) { return RGB(color.red, color.green, color.blue); }

inline RECT ToRect(const Bounds& bounds) {
  return RECT{bounds.left, bounds.top, bounds.left + bounds.width, bounds.top + bounds.height};
}

// A font that a control's window uses: a base class listed before the control's window, so the
// font is made before that window and freed after it.
struct OwnedFont {
  explicit OwnedFont(HFONT handle) : font(handle) {}
  GdiObject<HFONT> font;
};

// The face of the font role in the Shift-JIS character set, whose character height (not cell
// height) is the given number of pixels.
HFONT CreateSpecFont(const FontSpec& spec);

// Selects an object into a device context for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace platform::win32
