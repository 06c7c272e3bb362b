// Controls without a window of their own in the program's sense: the staff picture and the
// bevels. They are drawn over the form's colour and let the mouse through.
#pragma once

#include <QWidget>

#include "platform/window_system.h"

namespace platform::linux_impl {

// The vector picture stretched to the widget, black strokes, transparent around them.
class PictureWidget : public QWidget {
 public:
  PictureWidget(QWidget* parent, const PictureSpec& spec);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const VectorPicture* picture_;
};

// A lowered, etched bevel: a line along the top edge, or a box.
class BevelWidget : public QWidget {
 public:
  BevelWidget(QWidget* parent, const BevelSpec& spec);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  BevelShape shape_;
};

}  // namespace platform::linux_impl
