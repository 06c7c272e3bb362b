#include "platform/linux/qt_message_box.h"

#include <QMessageBox>
#include <QPushButton>

namespace platform::linux_impl {

void PrepareMessageBox(QMessageBox& box, const QString& title, const QString& text, BoxIcon icon) {
  box.setWindowTitle(title);
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // A file name such as "<b>.mp3" is shown as it is, never read as markup.
  box.setTextFormat(Qt::PlainText);
  box.setText(lines);
  switch (icon) {
    case BoxIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case BoxIcon::None: box.setIcon(QMessageBox::NoIcon); break;
  }
  QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
  box.setWindowModality(Qt::ApplicationModal);
}

}  // namespace platform::linux_impl
