// Showing a form modally: a nested loop while the program's other windows take no input.
#include <QApplication>
#include <QEventLoop>
#include <QPointer>

#include "platform/linux/qt_form.h"
#include "platform/linux/qt_window_system.h"

namespace platform::linux_impl {

ModalResult QtForm::ShowModal() {
  if (system_.QuitTaken()) return ModalResult::Cancel;
  const QPointer<QWidget> previous = QApplication::activeWindow();
  modal_result_ = ModalResult::None;
  hid_itself_ = false;
  // Qt blocks the input of every other window while this one is shown (they are not greyed
  // out, as Windows leaves a disabled owner's controls as they look).
  window_->setWindowModality(Qt::ApplicationModal);
  QEventLoop loop;
  modal_loop_ = &loop;
  {
    QtWindowSystem::ModalScope scope(system_, [this] { EndModal(ModalResult::Cancel); });
    Show();
    if (modal_result_ == ModalResult::None) loop.exec(QEventLoop::DialogExec);
  }
  modal_loop_ = nullptr;
  window_->hide();
  window_->setWindowModality(Qt::NonModal);
  if (!hid_itself_ && previous && previous->isVisible()) {
    previous->raise();
    previous->activateWindow();
  }
  return modal_result_ == ModalResult::None ? ModalResult::Cancel : modal_result_;
}

// A result ends the showing once the handler that set it has returned: a message box the handler
// shows afterwards still opens over this form.
void QtForm::SetModalResult(ModalResult result) {
  modal_result_ = result;
  if (result != ModalResult::None && modal_loop_) modal_loop_->exit();
}

void QtForm::EndModal(ModalResult result) {
  modal_result_ = result;
  if (modal_loop_) modal_loop_->exit();
}

}  // namespace platform::linux_impl
