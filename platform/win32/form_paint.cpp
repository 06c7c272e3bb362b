// Painting of a form: its colour, the outlines the program keeps on it, and the window-less
// controls.
#include "platform/win32/form.h"

#include <algorithm>

#include "platform/win32/graphics.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {
namespace {

void DrawOutline(HDC dc, const Rect& rect, Color colour, int pen_width) {
  Pen pen(CreatePen(PS_SOLID, pen_width, ToColorRef(colour)));
  if (!pen.get()) return;
  Selection pen_selection(dc, pen.get());
  Selection brush_selection(dc, GetStockObject(HOLLOW_BRUSH));
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

bool Holds(const std::vector<Outline>& outlines, const Outline& outline) {
  return std::find(outlines.begin(), outlines.end(), outline) != outlines.end();
}

}  // namespace

void Win32Form::Paint() {
  // A repaint is always whole: the outlines are forgotten and the program sets them again from
  // nothing, so what the window shows is exactly what the program listed.
  InvalidateRect(window_, nullptr, TRUE);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);  // fills the background first (WM_ERASEBKGND)
  outlines_.clear();
  paint_dc_ = dc;
  system_.Guard([&] { events_.OnPaint(); });
  paint_dc_ = nullptr;
  for (GraphicItem* graphic : graphics_) graphic->Paint(dc);
  EndPaint(window_, &paint);
}

void Win32Form::SetOutlines(const std::vector<Outline>& outlines) {
  // Inside OnPaint on the paint surface; otherwise at once on the window, with nothing
  // invalidated, so a focus move shows its frames without waiting for a repaint.
  HDC dc = paint_dc_ ? paint_dc_ : GetDC(window_);
  if (dc) {
    for (const Outline& old : outlines_)
      if (!Holds(outlines, old)) DrawOutline(dc, old.rect, background_colour_, old.pen_width);
    for (const Outline& outline : outlines)
      DrawOutline(dc, outline.rect, outline.pen, outline.pen_width);
    if (!paint_dc_) ReleaseDC(window_, dc);
  }
  outlines_ = outlines;
}

void Win32Form::AddGraphic(GraphicItem& graphic) {
  graphics_.push_back(&graphic);
  Invalidate(graphic.GetBounds());
}

void Win32Form::RemoveGraphic(GraphicItem& graphic) {
  graphics_.erase(std::remove(graphics_.begin(), graphics_.end(), &graphic), graphics_.end());
  Invalidate(graphic.GetBounds());
}

void Win32Form::Invalidate(const Bounds& bounds) {
  const RECT area = ToRect(bounds);
  InvalidateRect(window_, &area, TRUE);
}

}  // namespace platform::win32
