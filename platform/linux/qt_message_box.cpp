#include "platform/linux/qt_message_box.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace platform::linux_impl {

MessageBox::MessageBox(const QString& title, const QString& text, BoxIcon icon) {
  setWindowTitle(title);
  QString lines = text;
  lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  // A file name such as "<b>.mp3" is shown as it is, never read as markup.
  setTextFormat(Qt::PlainText);
  setText(lines);
  switch (icon) {
    case BoxIcon::Error: setIcon(QMessageBox::Critical); break;
    case BoxIcon::None: setIcon(QMessageBox::NoIcon); break;
  }
  QPushButton* ok = addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
  setDefaultButton(ok);
  setEscapeButton(ok);
  setWindowModality(Qt::ApplicationModal);
}

void MessageBox::showEvent(QShowEvent* event) {
  QMessageBox::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect frame = frameGeometry();
    frame.moveCenter(screen->geometry().center());
    move(frame.topLeft());
  }
}

}  // namespace platform::linux_impl
