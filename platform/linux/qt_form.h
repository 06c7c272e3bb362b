// A form of the program as a Qt top-level window. It owns the form's navigation rules, reports
// keys, focus arrivals, activations and removed controls to them and carries out what they
// decide; every callback into the program runs guarded, so no exception crosses Qt's loop.
#pragma once

#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "app/form_navigation.h"
#include "platform/linux/qt_form_window.h"
#include "platform/window_system.h"

class QEventLoop;
class QWidget;

namespace platform::linux_impl {

class QtWindowSystem;

class QtForm : public Form, public app::FormNavigation::Host, private FormWindowEvents {
 public:
  QtForm(QtWindowSystem& system, const FormSpec& spec, FormEvents& events);
  ~QtForm() override;

  std::unique_ptr<PushButton> AddPushButton(const PushButtonSpec& spec) override;
  std::unique_ptr<Graphic> AddPicture(const PictureSpec& spec) override;
  std::unique_ptr<Graphic> AddBevel(const BevelSpec& spec) override;
  std::unique_ptr<Memo> AddMemo(const MemoSpec& spec) override;
  std::unique_ptr<FolderTree> AddFolderTree(const FolderTreeSpec& spec) override;
  void SetClientSize(int width, int height) override;
  void SetOutlines(const std::vector<Outline>& outlines) override;
  void Show() override;
  void Hide() override;
  ModalResult ShowModal() override;
  void SetModalResult(ModalResult result) override;
  void Close() override;

  // The navigation's host.
  std::vector<app::ControlState> Controls() const override;
  void GiveFocus(int id) override;
  void Click(int id) override;
  void RunMenu(int command) override;
  bool ShortCutHook(const KeyEvent& key) override;
  void PreviewKeyUp(const KeyEvent& key) override;
  void CloseForm() override;

  // For the window system.
  FormWindow* Window() const { return window_; }
  app::FormNavigation& Navigation() { return navigation_; }

  // For the controls.
  using Callback = std::function<void()>;
  struct ControlRole {
    app::ControlKind kind;
    bool tab_stop = true;
    bool is_default = false;
    bool is_cancel = false;
    Callback on_click;
    Callback on_enter;
  };
  int AddControl(QWidget* widget, ControlRole role);
  // What only this form's contents need once it is shown (see QtWindowSystem::Prepare).
  void Prepare(std::function<void()> work);
  void PrepareCaption(std::function<void()> work);
  void PrepareNow();
  // Forgets the control and deletes its widget, without the focus moving on to another one.
  void RemoveControl(int id);

 private:
  struct Control {
    int id;
    QPointer<QWidget> widget;
    ControlRole role;
  };
  const Control* Find(int id) const;
  void PlaceFirstTime();
  void EndModal(ModalResult result);

  void WindowShown() override;
  void WindowActivated() override;
  void CloseRequested() override;
  void ControlFocused(QWidget* control) override;

  QtWindowSystem& system_;
  FormEvents& events_;
  const FormSpec spec_;
  FormWindow* window_;
  app::FormNavigation navigation_;
  std::vector<Control> controls_;
  int next_id_ = 1;
  bool shown_before_ = false;
  QEventLoop* modal_loop_ = nullptr;
  ModalResult modal_result_ = ModalResult::None;
  bool hid_itself_ = false;
};

}  // namespace platform::linux_impl
