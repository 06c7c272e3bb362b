// Painting of the bevels (etched edges) and of the vector pictures, stretched to their bounds
// in black without a background, so the form's colour shows around the strokes.
#include "platform/win32/graphics.h"

#include <vector>

#include "platform/win32/form.h"
#include "platform/win32/gdi.h"

namespace platform::win32 {

GraphicItem::GraphicItem(Win32Form& form, const Bounds& bounds) : bounds_(bounds), form_(&form) {
  form_->AddGraphic(*this);
}

GraphicItem::~GraphicItem() {
  if (form_) form_->RemoveGraphic(*this);
}

void GraphicItem::Move(int left, int top) {
  if (form_) form_->Invalidate(bounds_);
  bounds_.left = left;
  bounds_.top = top;
  if (form_) form_->Invalidate(bounds_);
}

Win32Bevel::Win32Bevel(Win32Form& form, const BevelSpec& spec)
    : GraphicItem(form, spec.bounds), shape_(spec.shape) {}

void Win32Bevel::Paint(HDC dc) const {
  RECT area = ToRect(bounds_);
  UINT edges = BF_RECT;
  switch (shape_) {
    case BevelShape::TopLine:
      edges = BF_TOP;
      break;
    case BevelShape::Box:
      edges = BF_RECT;
      break;
  }
  DrawEdge(dc, &area, EDGE_ETCHED, edges);
}

Win32Picture::Win32Picture(Win32Form& form, const PictureSpec& spec)
    : GraphicItem(form, spec.bounds), picture_(spec.picture) {}

namespace {

// Maps the picture's units onto the control's pixels.
class Stretch {
 public:
  Stretch(const VectorPicture& picture, const Bounds& bounds)
      : picture_(picture), bounds_(bounds) {}
  POINT Map(const VectorPicture::Point& point) const {
    return POINT{bounds_.left + MulDiv(point.x, bounds_.width, picture_.width),
                 bounds_.top + MulDiv(point.y, bounds_.height, picture_.height)};
  }
  std::vector<POINT> Map(const std::vector<VectorPicture::Point>& points) const {
    std::vector<POINT> mapped;
    for (const auto& point : points) mapped.push_back(Map(point));
    return mapped;
  }
  int Width(int stroke) const {
    const int width = MulDiv(stroke, bounds_.width + bounds_.height, picture_.width + picture_.height);
    return width < 1 ? 1 : width;
  }

 private:
  const VectorPicture& picture_;
  const Bounds& bounds_;
};

void PaintShape(HDC dc, const VectorPicture::Shape& shape, const Stretch& stretch) {
  const std::vector<POINT> points = stretch.Map(shape.points);
  const int count = static_cast<int>(points.size());
  switch (shape.kind) {
    case VectorPicture::Kind::Line: {
      if (count < 2) return;
      Pen pen(CreatePen(PS_SOLID, stretch.Width(shape.stroke), RGB(0, 0, 0)));
      Selection selection(dc, pen.get());
      MoveToEx(dc, points[0].x, points[0].y, nullptr);
      LineTo(dc, points[1].x, points[1].y);
      return;
    }
    case VectorPicture::Kind::Bezier: {
      if (count < 4) return;
      Pen pen(CreatePen(PS_SOLID, stretch.Width(shape.stroke), RGB(0, 0, 0)));
      Selection selection(dc, pen.get());
      PolyBezier(dc, points.data(), 4);
      return;
    }
    case VectorPicture::Kind::FilledEllipse: {
      if (count < 2) return;
      Selection pen(dc, GetStockObject(BLACK_PEN));
      Selection brush(dc, GetStockObject(BLACK_BRUSH));
      Ellipse(dc, points[0].x, points[0].y, points[1].x, points[1].y);
      return;
    }
    case VectorPicture::Kind::FilledPolygon: {
      if (count < 3) return;
      Selection pen(dc, GetStockObject(BLACK_PEN));
      Selection brush(dc, GetStockObject(BLACK_BRUSH));
      Polygon(dc, points.data(), count);
      return;
    }
  }
}

}  // namespace

void Win32Picture::Paint(HDC dc) const {
  if (!picture_ || picture_->width <= 0 || picture_->height <= 0) return;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, bounds_.left, bounds_.top, bounds_.left + bounds_.width,
                    bounds_.top + bounds_.height);
  const Stretch stretch(*picture_, bounds_);
  for (const VectorPicture::Shape& shape : picture_->shapes) PaintShape(dc, shape, stretch);
  RestoreDC(dc, saved);
}

}  // namespace platform::win32
