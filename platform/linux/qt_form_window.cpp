#include "platform/linux/qt_form_window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace platform::linux_impl {

namespace {
QColor ToQColor(const Color& color) { return QColor(color.red, color.green, color.blue); }

// The area an outline's pen covers, for repainting only that.
QRect OutlineArea(const Outline& outline) {
  const int reach = outline.pen_width / 2 + 2;
  return QRect(QPoint(outline.rect.left, outline.rect.top),
               QPoint(outline.rect.right, outline.rect.bottom))
      .adjusted(-reach, -reach, reach, reach);
}
}  // namespace

FormSurface::FormSurface(QWidget* parent, Color background)
    : QWidget(parent), background_(ToQColor(background)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void FormSurface::SetOutlines(const std::vector<Outline>& outlines) {
  QRegion changed;
  for (const Outline& outline : outlines_) changed += OutlineArea(outline);
  outlines_ = outlines;
  for (const Outline& outline : outlines_) changed += OutlineArea(outline);
  update(changed);
}

// The pen is centred on the rectangle's edges and its corners are square, as a Windows
// rectangle drawn with a wide pen; the inside is left alone.
void FormSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), background_);
  painter.setBrush(Qt::NoBrush);
  for (const Outline& outline : outlines_) {
    painter.setPen(QPen(ToQColor(outline.pen), outline.pen_width, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    const Rect& r = outline.rect;
    painter.drawRect(QRectF(r.left, r.top, r.right - r.left, r.bottom - r.top));
  }
}

FormWindow::FormWindow(FormWindowEvents& events, Color background)
    : QWidget(nullptr), events_(events), layout_(new QVBoxLayout(this)),
      surface_(new FormSurface(this, background)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  layout_->setSpacing(0);
  // The window is exactly the client area plus the menu bar: the user cannot resize it.
  layout_->setSizeConstraint(QLayout::SetFixedSize);
  layout_->addWidget(surface_);
}

void FormWindow::SetMenuBar(QMenuBar* menu_bar) { layout_->setMenuBar(menu_bar); }

void FormWindow::SetClientSize(int width, int height) {
  surface_->setFixedSize(width, height);
  layout_->activate();
}

void FormWindow::Watch(QWidget* control) { control->installEventFilter(this); }

bool FormWindow::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) events_.WindowActivated();
  return handled;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn && watched->isWidgetType())
    events_.ControlFocused(static_cast<QWidget*>(watched));
  return QWidget::eventFilter(watched, event);
}

// The form decides what closing means (a quit request, hiding, ending a modal showing).
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  events_.CloseRequested();
}

void FormWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  events_.WindowShown();
}

QAccessibleInterface* FormAccessible(const QString&, QObject* object) {
  if (auto* window = dynamic_cast<FormWindow*>(object))
    return new QAccessibleWidget(window, QAccessible::Window);
  return nullptr;
}

}  // namespace platform::linux_impl
