#include "platform/linux/qt_form.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

#include "platform/linux/qt_fonts.h"
#include "platform/linux/qt_menu.h"
#include "platform/linux/qt_text.h"
#include "platform/linux/qt_window_icon.h"
#include "platform/linux/qt_window_system.h"

namespace platform::linux_impl {

namespace {
Qt::WindowFlags FlagsFor(Border border) {
  const Qt::WindowFlags fixed = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  switch (border) {
    case Border::FixedSingle: return fixed | Qt::WindowMinimizeButtonHint;
    case Border::Dialog: return fixed;
    case Border::Sizeable: return Qt::Window;
  }
  return Qt::Window;
}
}  // namespace

QtForm::QtForm(QtWindowSystem& system, const FormSpec& spec, FormEvents& events)
    : system_(system), events_(events), spec_(spec), window_(new FormWindow(*this, spec.background)),
      navigation_(*this, spec.menu) {
  window_->setWindowFlags(FlagsFor(spec.border));
  window_->setWindowTitle(FromSjis(spec.caption));
  window_->setFont(FontFor(spec.font));
  if (spec.program_icon) window_->setWindowIcon(ProgramIcon());
  if (!spec.menu.empty()) {
    QMenuBar* bar = BuildMenuBar(spec.menu, window_, [this](int command) { RunMenu(command); });
    // The menus keep the desktop's own font, as Windows menus keep the system's.
    bar->setFont(QApplication::font(bar));
    window_->SetMenuBar(bar);
  }
  window_->SetClientSize(spec.client_width, spec.client_height);
  window_->move(spec.left, spec.top);
}

QtForm::~QtForm() {
  system_.FormDestroyed(this);
  // The controls still alive (their owners may outlive the form) find the window gone.
  delete window_;
}

int QtForm::AddControl(QWidget* widget, ControlRole role) {
  const int id = next_id_++;
  controls_.push_back(Control{id, widget, std::move(role)});
  window_->Watch(widget);
  widget->show();
  return id;
}

void QtForm::Prepare(std::function<void()> work) { system_.Prepare(std::move(work)); }

void QtForm::PrepareCaption(std::function<void()> work) {
  system_.PrepareCaption(std::move(work));
}

void QtForm::PrepareNow() { system_.PrepareNow(); }

void QtForm::RemoveControl(int id) {
  for (auto it = controls_.begin(); it != controls_.end(); ++it) {
    if (it->id != id) continue;
    QPointer<QWidget> widget = it->widget;
    controls_.erase(it);
    navigation_.ControlRemoved(id);
    if (widget) {
      // The window is left with no focused control: the focus must not pass to another song,
      // which would announce it (Qt hands it on when a focused widget is only hidden).
      if (widget->hasFocus() || window_->focusWidget() == widget) widget->clearFocus();
      delete widget.data();
    }
    return;
  }
}

const QtForm::Control* QtForm::Find(int id) const {
  for (const Control& control : controls_)
    if (control.id == id) return &control;
  return nullptr;
}

void QtForm::SetClientSize(int width, int height) { window_->SetClientSize(width, height); }

void QtForm::SetOutlines(const std::vector<Outline>& outlines) {
  window_->Surface()->SetOutlines(outlines);
}

void QtForm::PlaceFirstTime() {
  if (shown_before_) return;
  shown_before_ = true;
  if (!spec_.centred_first_time) return;
  window_->ensurePolished();
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame(QPoint(0, 0), window_->sizeHint());
  frame.moveCenter(screen->geometry().center());
  window_->move(frame.topLeft());
}

void QtForm::Show() {
  if (!system_.IsMainForm(this)) system_.PrepareNow();
  PlaceFirstTime();
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void QtForm::Hide() {
  const bool was_active = window_->isActiveWindow();
  if (modal_loop_) {
    hid_itself_ = true;
    if (modal_result_ == ModalResult::None) modal_result_ = ModalResult::Ok;
    modal_loop_->exit();
  }
  window_->hide();
  if (was_active) system_.ActivateAfterHide(this);
}

void QtForm::Close() { CloseRequested(); }

std::vector<app::ControlState> QtForm::Controls() const {
  std::vector<app::ControlState> states;
  for (const Control& control : controls_) {
    const bool can_focus = control.widget && control.widget->isVisibleTo(window_) &&
                           control.widget->isEnabled();
    states.push_back(app::ControlState{control.id, control.role.kind, can_focus,
                                       control.role.tab_stop, control.role.is_default,
                                       control.role.is_cancel});
  }
  return states;
}

void QtForm::GiveFocus(int id) {
  if (const Control* control = Find(id); control && control->widget)
    control->widget->setFocus(Qt::OtherFocusReason);
}

void QtForm::Click(int id) {
  const Control* control = Find(id);
  if (!control || !control->role.on_click) return;
  const Callback on_click = control->role.on_click;  // the click may remove the control
  system_.Guard(on_click);
}

void QtForm::RunMenu(int command) {
  system_.Guard([this, command] { events_.OnMenu(command); });
}

bool QtForm::ShortCutHook(const KeyEvent& key) { return system_.ShortCutHookSays(key); }

void QtForm::PreviewKeyUp(const KeyEvent& key) {
  system_.Guard([this, key] { events_.OnKeyUp(key); });
}

void QtForm::CloseForm() { Close(); }

void QtForm::WindowShown() {
  // Qt keeps a copy of the window's surface: it is drawn anew only when the window is shown.
  window_->Surface()->SetOutlines({});
  system_.Guard([this] { events_.OnPaint(); });
}

void QtForm::WindowActivated() {
  system_.FormActivated(this);
  navigation_.Activated();
  if (system_.IsMainForm(this)) system_.MainFormActivated();
}

void QtForm::CloseRequested() {
  if (system_.IsMainForm(this)) {
    system_.RequestQuit();
  } else if (modal_loop_) {
    EndModal(ModalResult::Cancel);
  } else {
    Hide();
  }
}

void QtForm::ControlFocused(QWidget* widget) {
  for (const Control& control : controls_) {
    if (control.widget != widget) continue;
    const Callback on_enter = control.role.on_enter;
    if (navigation_.FocusArrived(control.id) && on_enter) system_.Guard(on_enter);
    return;
  }
}

}  // namespace platform::linux_impl
