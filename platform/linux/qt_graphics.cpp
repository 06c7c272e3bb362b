#include "platform/linux/qt_graphics.h"

#include <QPainter>
#include <QPainterPath>

namespace platform::linux_impl {

namespace {
void Place(QWidget* widget, const Bounds& bounds) {
  widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  widget->setFocusPolicy(Qt::NoFocus);
}

QPointF At(const VectorPicture::Point& p) { return QPointF(p.x, p.y); }

void DrawShape(QPainter& painter, const VectorPicture::Shape& shape) {
  const auto& pts = shape.points;
  switch (shape.kind) {
    case VectorPicture::Kind::Line:
      if (pts.size() >= 2) {
        painter.setPen(QPen(Qt::black, shape.stroke, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawLine(At(pts[0]), At(pts[1]));
      }
      break;
    case VectorPicture::Kind::Bezier:
      if (pts.size() >= 4) {
        QPainterPath path(At(pts[0]));
        path.cubicTo(At(pts[1]), At(pts[2]), At(pts[3]));
        painter.setPen(QPen(Qt::black, shape.stroke, Qt::SolidLine, Qt::FlatCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
      }
      break;
    case VectorPicture::Kind::FilledEllipse:
      if (pts.size() >= 2) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(At(pts[0]), At(pts[1])));
      }
      break;
    case VectorPicture::Kind::FilledPolygon: {
      QPolygonF polygon;
      for (const auto& p : pts) polygon << At(p);
      painter.setPen(Qt::NoPen);
      painter.setBrush(Qt::black);
      painter.drawPolygon(polygon);
      break;
    }
  }
}
}  // namespace

PictureWidget::PictureWidget(QWidget* parent, const PictureSpec& spec)
    : QWidget(parent), picture_(spec.picture) {
  Place(this, spec.bounds);
}

void PictureWidget::paintEvent(QPaintEvent*) {
  if (!picture_ || picture_->width <= 0 || picture_->height <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(static_cast<qreal>(width()) / picture_->width,
                static_cast<qreal>(height()) / picture_->height);
  for (const auto& shape : picture_->shapes) DrawShape(painter, shape);
}

BevelWidget::BevelWidget(QWidget* parent, const BevelSpec& spec)
    : QWidget(parent), shape_(spec.shape) {
  Place(this, spec.bounds);
}

// Etched and lowered: the shadow colour with the highlight one pixel below and to the right.
void BevelWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor shadow = palette().color(QPalette::Dark);
  const QColor light = palette().color(QPalette::Light);
  const int right = width() - 1, bottom = height() - 1;
  switch (shape_) {
    case BevelShape::TopLine:
      painter.setPen(shadow);
      painter.drawLine(0, 0, right, 0);
      painter.setPen(light);
      painter.drawLine(0, 1, right, 1);
      break;
    case BevelShape::Box:
      painter.setPen(shadow);
      painter.drawRect(0, 0, right - 1, bottom - 1);
      painter.setPen(light);
      painter.drawLine(1, 1, right - 2, 1);
      painter.drawLine(1, 1, 1, bottom - 2);
      painter.drawLine(0, bottom, right, bottom);
      painter.drawLine(right, 0, right, bottom);
      break;
  }
}

}  // namespace platform::linux_impl
