// The Qt widgets of a form: the top-level window with its menu bar, and the client surface that
// is filled with the form's colour and carries the highlight outlines under the controls.
#pragma once

#include <QWidget>
#include <vector>

#include "platform/drawing.h"

class QAccessibleInterface;
class QMenuBar;
class QVBoxLayout;

namespace platform::linux_impl {

// What the top-level window reports to its form.
class FormWindowEvents {
 public:
  virtual ~FormWindowEvents() = default;
  virtual void WindowShown() = 0;
  virtual void WindowActivated() = 0;
  virtual void CloseRequested() = 0;
  virtual void ControlFocused(QWidget* control) = 0;
};

class FormSurface : public QWidget {
 public:
  FormSurface(QWidget* parent, Color background);
  // Shows the change at once: removed outlines are painted over with the background.
  void SetOutlines(const std::vector<Outline>& outlines);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor background_;
  std::vector<Outline> outlines_;
};

class FormWindow : public QWidget {
 public:
  FormWindow(FormWindowEvents& events, Color background);
  FormSurface* Surface() const { return surface_; }
  void SetMenuBar(QMenuBar* menu_bar);
  void SetClientSize(int width, int height);
  // Controls report their focus arrivals through the window.
  void Watch(QWidget* control);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  FormWindowEvents& events_;
  QVBoxLayout* layout_;
  FormSurface* surface_;
};

// Screen readers see a form as a window with its caption as the name, as they see any desktop
// window (a plain top-level widget would be an anonymous filler). For QAccessible::installFactory.
QAccessibleInterface* FormAccessible(const QString& class_name, QObject* object);

}  // namespace platform::linux_impl
