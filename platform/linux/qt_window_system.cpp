#include "platform/linux/qt_window_system.h"

#include <QAccessible>
#include <QApplication>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "platform/exception.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/qt_alert_sound.h"
#include "platform/linux/qt_form.h"
#include "platform/linux/qt_form_window.h"
#include "platform/linux/qt_key_repeat.h"
#include "platform/linux/qt_key_router.h"
#include "platform/linux/qt_message_box.h"
#include "platform/linux/qt_style.h"
#include "platform/linux/qt_text.h"

namespace platform::linux_impl {

namespace {
// How long the first announcement has the processor to itself. Drawing twenty titles in the
// Japanese face, and still more the preparations, would slow down the voice while it turns the
// title into sound, which takes the Japanese voice about a tenth of a second; the titles come
// after that, the preparations once the announcement is well under way.
constexpr std::chrono::milliseconds kCaptionsAfter{100};
constexpr std::chrono::milliseconds kPreparationsAfter{300};
}  // namespace

QtWindowSystem::QtWindowSystem()
    : key_router_(std::make_unique<KeyRouter>(*this)), alert_(std::make_unique<AlertSound>()) {
  QApplication::setStyle(new ProgramStyle);
  // The program ends on its own quit request, never because a window closed.
  QApplication::setQuitOnLastWindowClosed(false);
  // The menus stay in the program's windows, where the teacher looks for them, even on a
  // desktop with a global menu bar (whose presence Qt would otherwise ask the session bus for,
  // while the first window waits).
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
  qApp->installEventFilter(key_router_.get());
  AskForKeyUpOnlyWhenLetGo();
  QAccessible::installFactory(&FormAccessible);
}

QtWindowSystem::~QtWindowSystem() {
  QAccessible::removeFactory(&FormAccessible);
  if (qApp) qApp->removeEventFilter(key_router_.get());
}

std::unique_ptr<Form> QtWindowSystem::CreateForm(const FormSpec& spec, FormEvents& events) {
  auto form = std::make_unique<QtForm>(*this, spec, events);
  forms_.push_back(form.get());
  return form;
}

void QtWindowSystem::FormDestroyed(QtForm* form) {
  forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
  activated_.erase(std::remove(activated_.begin(), activated_.end(), form), activated_.end());
}

QtForm* QtWindowSystem::FormOf(QWidget* widget) const {
  // Up through the parents, across a menu's own window to the form that owns the menu bar.
  for (QWidget* w = widget; w; w = w->parentWidget())
    for (QtForm* form : forms_)
      if (form->Window() == w) return form;
  return nullptr;
}

void QtWindowSystem::FormActivated(QtForm* form) {
  activated_.erase(std::remove(activated_.begin(), activated_.end(), form), activated_.end());
  activated_.insert(activated_.begin(), form);
}

void QtWindowSystem::ActivateAfterHide(QtForm* hidden) {
  for (QtForm* form : activated_) {
    if (form == hidden || !form->Window()->isVisible()) continue;
    form->Window()->raise();
    form->Window()->activateWindow();
    return;
  }
}

void QtWindowSystem::HeldWork::Add(std::function<void()> work) {
  if (holding_) {
    held_.push_back(std::move(work));
  } else {
    work();
  }
}

void QtWindowSystem::HeldWork::Release() {
  holding_ = false;
  std::vector<std::function<void()>> held;
  held.swap(held_);
  for (const std::function<void()>& work : held) work();
}

void QtWindowSystem::HoldPreparationsUntilStarted() {
  preparations_.Hold();
  captions_.Hold();
}

void QtWindowSystem::Prepare(std::function<void()> work) { preparations_.Add(std::move(work)); }

void QtWindowSystem::PrepareCaption(std::function<void()> work) { captions_.Add(std::move(work)); }

void QtWindowSystem::PrepareNow() {
  captions_.Release();
  preparations_.Release();
}

// The announcement has just been made: the voice turns it into sound while the window waits a
// moment with its titles, and a while longer with the rest.
void QtWindowSystem::MainFormActivated() {
  if (!preparations_.Holding() || release_posted_) return;
  release_posted_ = true;
  QTimer::singleShot(kCaptionsAfter, &release_poster_, [this] { captions_.Release(); });
  QTimer::singleShot(kPreparationsAfter, &release_poster_, [this] { PrepareNow(); });
}

void QtWindowSystem::ShowMessageBox(const std::string& title, const std::string& text,
                                    BoxIcon icon) {
  if (quit_taken_) return;
  MessageBox box(FromSjis(title), FromSjis(text), icon);
  ModalScope scope(*this, [&box] { box.reject(); });
  box.exec();
}

void QtWindowSystem::Beep() { alert_->Play(); }

// Like a quit message posted to the queue: taken by whichever loop runs next.
void QtWindowSystem::RequestQuit() {
  if (quit_posted_) return;
  quit_posted_ = true;
  QMetaObject::invokeMethod(&quit_poster_, [this] { TakeQuit(); }, Qt::QueuedConnection);
}

void QtWindowSystem::TakeQuit() {
  quit_taken_ = true;
  for (auto it = modal_ends_.rbegin(); it != modal_ends_.rend(); ++it) (*it)();
  if (main_loop_running_) QCoreApplication::exit(0);
}

void QtWindowSystem::Run(Form& main_form) {
  main_form.Show();
  if (quit_taken_) return;
  main_loop_running_ = true;
  QApplication::exec();
  main_loop_running_ = false;
}

void QtWindowSystem::SetShortCutHook(std::function<bool(const KeyEvent& key)> hook) {
  shortcut_hook_ = std::move(hook);
}

void QtWindowSystem::SetExceptionHandler(std::function<void(const std::exception&)> handler) {
  exception_handler_ = std::move(handler);
}

bool QtWindowSystem::ShortCutHookSays(const KeyEvent& key) {
  bool discard = false;
  if (shortcut_hook_) Guard([&] { discard = shortcut_hook_(key); });
  return discard;
}

void QtWindowSystem::Guard(const std::function<void()>& callback) {
  try {
    callback();
  } catch (const std::exception& error) {
    Report(error);
  } catch (...) {
    Report(Exception(IconvCodec::Utf8ToSjis("原因不明のエラー")));
  }
}

void QtWindowSystem::Report(const std::exception& error) {
  if (!exception_handler_) {
    std::fprintf(stderr, "otopicco: %s\n", error.what());
    return;
  }
  try {
    exception_handler_(error);
  } catch (const std::exception& again) {
    std::fprintf(stderr, "otopicco: the exception handler failed: %s\n", again.what());
  } catch (...) {
    std::fprintf(stderr, "otopicco: the exception handler failed\n");
  }
}

QtWindowSystem::ModalScope::ModalScope(QtWindowSystem& system, std::function<void()> end)
    : system_(system) {
  system_.modal_ends_.push_back(std::move(end));
}

QtWindowSystem::ModalScope::~ModalScope() { system_.modal_ends_.pop_back(); }

}  // namespace platform::linux_impl
