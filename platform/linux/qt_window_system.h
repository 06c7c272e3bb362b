// The window system of the Linux program, on Qt Widgets. Needs a QApplication that outlives it.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "platform/window_system.h"

class QWidget;

namespace platform::linux_impl {

class AlertSound;
class KeyRouter;
class QtForm;

class QtWindowSystem : public WindowSystem {
 public:
  QtWindowSystem();
  ~QtWindowSystem() override;

  std::unique_ptr<Form> CreateForm(const FormSpec& spec, FormEvents& events) override;
  void ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon) override;
  void Beep() override;
  void RequestQuit() override;
  void Run(Form& main_form) override;
  void SetShortCutHook(std::function<bool(const KeyEvent& key)> hook) override;
  void SetExceptionHandler(std::function<void(const std::exception&)> handler) override;

  // While the program starts, what only its hidden windows need (the help text, the folder
  // tree) and whatever else its first announcement need not wait for is held back until the
  // main window's first activation, which makes that announcement, has been over for a moment:
  // the voice has the processor to itself while it begins to speak. A hidden window that is
  // shown or asked before then gets its preparations at once. The program's start calls this
  // before it makes its windows.
  void HoldPreparationsUntilStarted();
  // Runs `work` now, or, while preparations are held back, once they are released.
  void Prepare(std::function<void()> work);
  // Runs `work` (the setting of a caption) now, or, while the program starts, a moment after
  // its first announcement: before the other preparations.
  void PrepareCaption(std::function<void()> work);
  // Releases the held captions and preparations now.
  void PrepareNow();

  // For the forms.
  // Runs a callback of the program; what it raises goes to the exception handler.
  void Guard(const std::function<void()>& callback);
  bool ShortCutHookSays(const KeyEvent& key);
  // True once a loop has taken the quit request: modal showings then end at once.
  bool QuitTaken() const { return quit_taken_; }
  bool IsMainForm(const QtForm* form) const { return !forms_.empty() && forms_.front() == form; }
  void FormDestroyed(QtForm* form);
  QtForm* FormOf(QWidget* widget) const;
  void FormActivated(QtForm* form);
  // A form that was the active window hid itself: the program's window used last becomes
  // active, as a desktop hands the focus on when the active window goes away.
  void ActivateAfterHide(QtForm* hidden);
  // The main form has been activated (and has made its announcement).
  void MainFormActivated();

  // Every nested loop registers how it is ended when the quit request is taken.
  class ModalScope {
   public:
    ModalScope(QtWindowSystem& system, std::function<void()> end);
    ~ModalScope();
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

   private:
    QtWindowSystem& system_;
  };

 private:
  void TakeQuit();
  void Report(const std::exception& error);

  std::vector<QtForm*> forms_;         // in the order they were made; the first is the main one
  std::vector<QtForm*> activated_;     // most recently active first
  std::vector<std::function<void()>> modal_ends_;  // innermost last
  std::function<bool(const KeyEvent&)> shortcut_hook_;
  std::function<void(const std::exception&)> exception_handler_;
  std::unique_ptr<KeyRouter> key_router_;
  std::unique_ptr<AlertSound> alert_;
  QObject quit_poster_;
  // Work that waits while the program starts, run in the order it was asked for once released;
  // asked for afterwards, it runs at once.
  class HeldWork {
   public:
    void Hold() { holding_ = true; }
    bool Holding() const { return holding_; }
    void Add(std::function<void()> work);
    void Release();

   private:
    std::vector<std::function<void()>> held_;
    bool holding_ = false;
  };
  HeldWork preparations_;
  HeldWork captions_;
  QObject release_poster_;
  bool release_posted_ = false;
  bool quit_posted_ = false;
  bool quit_taken_ = false;
  bool main_loop_running_ = false;
};

}  // namespace platform::linux_impl
