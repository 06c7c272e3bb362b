// Painting of a form: its colour, the program's own painting, the window-less controls, and
// the rectangles the program draws at once.
#include "platform/win32/form.h"

#include <algorithm>

#include "platform/win32/graphics.h"
#include "platform/win32/window_system.h"

namespace platform::win32 {

void Win32Form::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);  // fills the background first (WM_ERASEBKGND)
  paint_dc_ = dc;
  system_.Guard([&] { events_.OnPaint(); });
  paint_dc_ = nullptr;
  for (GraphicItem* graphic : graphics_) graphic->Paint(dc);
  EndPaint(window_, &paint);
}

void Win32Form::DrawRectangle(const Rect& rect, Color pen_colour, int pen_width) {
  // Inside OnPaint on the paint surface, clipped to what is being painted; otherwise at once
  // on the window, with nothing invalidated.
  HDC dc = paint_dc_ ? paint_dc_ : GetDC(window_);
  if (!dc) return;
  {
    Pen pen(CreatePen(PS_SOLID, pen_width, ToColorRef(pen_colour)));
    Selection pen_selection(dc, pen.get());
    Selection brush_selection(dc, GetStockObject(HOLLOW_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  }
  if (!paint_dc_) ReleaseDC(window_, dc);
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
