// The program's two kinds of message box: modal, centred on the screen, one "OK" button that
// Enter and Esc both press, the error icon or none.
#pragma once

#include <QMessageBox>
#include <QString>

#include "platform/window_system.h"

namespace platform::linux_impl {

class MessageBox : public QMessageBox {
 public:
  // Line breaks are the program's CR LF pairs.
  MessageBox(const QString& title, const QString& text, BoxIcon icon);

 protected:
  // Centred once its size is final: Qt places a box before it has laid itself out.
  void showEvent(QShowEvent* event) override;
};

}  // namespace platform::linux_impl
