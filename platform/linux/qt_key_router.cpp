#include "platform/linux/qt_key_router.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

#include "platform/linux/qt_form.h"
#include "platform/linux/qt_keys.h"
#include "platform/linux/qt_window_system.h"

namespace platform::linux_impl {

namespace {
// The widget a key goes to first, as Qt picks it. A key the first receiver ignores travels up
// to its parents and passes this filter again; only the first passage counts.
QWidget* FirstReceiver() {
  if (QWidget* grabber = QWidget::keyboardGrabber()) return grabber;
  if (QWidget* popup = QApplication::activePopupWidget())
    return popup->focusWidget() ? popup->focusWidget() : popup;
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return QApplication::activeWindow();
}

bool IsMenu(QObject* object) {
  return qobject_cast<QMenu*>(object) != nullptr || qobject_cast<QMenuBar*>(object) != nullptr;
}
}  // namespace

KeyRouter::KeyRouter(QtWindowSystem& system) : system_(system) {}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
  if (!watched->isWidgetType() || watched != FirstReceiver()) return false;
  QtForm* form = system_.FormOf(static_cast<QWidget*>(watched));
  if (!form) return false;  // a message box keeps its own keys

  const auto* key_event = static_cast<QKeyEvent*>(event);
  const KeyEvent key = ToKeyEvent(*key_event);
  // In the menu bar and its menus the keys are the menus' own; only the program's hook may
  // take one away (Left and Right move nowhere in any window).
  if (IsMenu(watched)) return type == QEvent::KeyPress && system_.ShortCutHookSays(key);
  if (type == QEvent::KeyPress) return form->Navigation().KeyDown(key);
  // A held key repeats its key-down only; it comes up once, when it is let go.
  if (key_event->isAutoRepeat()) return true;
  return form->Navigation().KeyUp(key);
}

}  // namespace platform::linux_impl
