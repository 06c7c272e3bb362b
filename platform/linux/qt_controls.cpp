#include "platform/linux/qt_controls.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/linux/qt_fonts.h"
#include "platform/linux/qt_form.h"
#include "platform/linux/qt_text.h"

namespace platform::linux_impl {

ControlLink::ControlLink(QtForm& form, int id) : form_(form), window_(form.Window()), id_(id) {}

ControlLink::~ControlLink() {
  if (window_) form_.RemoveControl(id_);
}

QtPushButton::QtPushButton(QtForm& form, QPushButton* button, int tag)
    : form_(form), button_(button), tag_(tag) {}

Bounds QtPushButton::GetBounds() const {
  if (!button_) return Bounds{0, 0, 0, 0};
  const QRect r = button_->geometry();
  return Bounds{r.x(), r.y(), r.width(), r.height()};
}

void QtPushButton::SetFocus() {
  if (link_ && link_->FormAlive()) form_.GiveFocus(link_->Id());
}

QtGraphic::~QtGraphic() { delete widget_.data(); }

void QtGraphic::Move(int left, int top) {
  if (widget_) widget_->move(left, top);
}

QString MemoText(const std::vector<std::string>& lines) {
  QString text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += QLatin1Char('\n');
    QString line = FromSjis(lines[i]);
    line.replace(QChar(u'\0'), QLatin1Char(' '));
    text += line;
  }
  return text;
}

void QtMemo::SetLines(const std::vector<std::string>& lines) {
  if (!link_.FormAlive()) return;
  link_.Form().Prepare([edit = edit_, font = font_, lines] {
    if (!edit) return;
    edit->setFont(FontFor(font));
    edit->setPlainText(MemoText(lines));
  });
}

}  // namespace platform::linux_impl
