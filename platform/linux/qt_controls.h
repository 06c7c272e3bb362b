// The controls the Qt forms hand to the program. Each one stays valid when its form goes first:
// it then finds the window gone and does nothing.
#pragma once

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <memory>

#include "platform/linux/qt_form_window.h"
#include "platform/window_system.h"

namespace platform::linux_impl {

class QtForm;

// A control's link to its form, which removes the control when the program lets go of it.
class ControlLink {
 public:
  ControlLink(QtForm& form, int id);
  ~ControlLink();
  ControlLink(const ControlLink&) = delete;
  ControlLink& operator=(const ControlLink&) = delete;
  bool FormAlive() const { return !window_.isNull(); }
  QtForm& Form() const { return form_; }
  int Id() const { return id_; }

 private:
  QtForm& form_;
  QPointer<FormWindow> window_;
  int id_;
};

class QtPushButton : public PushButton {
 public:
  QtPushButton(QtForm& form, QPushButton* button, int tag);
  void Attach(int id) { link_ = std::make_unique<ControlLink>(form_, id); }
  int Tag() const override { return tag_; }
  Bounds GetBounds() const override;
  void SetFocus() override;

 private:
  QtForm& form_;
  QPointer<QPushButton> button_;
  int tag_;
  std::unique_ptr<ControlLink> link_;
};

class QtGraphic : public Graphic {
 public:
  explicit QtGraphic(QWidget* widget) : widget_(widget) {}
  ~QtGraphic() override;
  void Move(int left, int top) override;

 private:
  QPointer<QWidget> widget_;
};

// The text and its font are laid out when the form is first shown (a long help text takes a
// while).
class QtMemo : public Memo {
 public:
  QtMemo(QtForm& form, QPlainTextEdit* edit, int id, FontSpec font)
      : edit_(edit), font_(font), link_(form, id) {}
  void SetLines(const std::vector<std::string>& lines) override;

 private:
  QPointer<QPlainTextEdit> edit_;
  FontSpec font_;
  ControlLink link_;
};

// A NUL byte shows as a blank, as Windows' Notepad shows it, so the text after it stays
// visible; the other bytes are converted as everywhere.
QString MemoText(const std::vector<std::string>& lines);

}  // namespace platform::linux_impl
