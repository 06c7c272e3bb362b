// A window system in memory. It records what the program shows and draws, and its forms follow
// the program's own keyboard and focus rules (app::FormNavigation), so a test presses keys and
// sees the focus, the announcements, the clicks and the menu commands that follow from them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/form_navigation.h"
#include "platform/window_system.h"
#include "tests/doubles/event_log.h"

namespace doubles {

class FormDouble;
class WindowSystemDouble;

// A control of a form, in tab order; removed from the form when destroyed.
class ControlDouble {
 public:
  ControlDouble(FormDouble& form, app::ControlKind kind);
  virtual ~ControlDouble();
  ControlDouble(const ControlDouble&) = delete;
  ControlDouble& operator=(const ControlDouble&) = delete;
  virtual app::ControlState State() const;
  int Id() const { return id_; }

 protected:
  FormDouble& form_;

 private:
  app::ControlKind kind_;
  int id_;
};

class ButtonDouble : public platform::PushButton, public ControlDouble {
 public:
  ButtonDouble(FormDouble& form, platform::PushButtonSpec spec);
  int Tag() const override { return spec.tag; }
  platform::Bounds GetBounds() const override { return spec.bounds; }
  void SetFocus() override;
  app::ControlState State() const override;
  platform::PushButtonSpec spec;
};

class MemoDouble : public platform::Memo, public ControlDouble {
 public:
  MemoDouble(FormDouble& form, std::vector<std::string> lines);
  void SetLines(const std::vector<std::string>& new_lines) override { lines = new_lines; }
  std::vector<std::string> lines;
};

class FolderTreeDouble : public platform::FolderTree, public ControlDouble {
 public:
  FolderTreeDouble(FormDouble& form, EventLog& log);
  // Logs "tree root " and the folder, or "tree root top"; the root becomes the selection.
  // While refuse_roots is above 0 it counts down instead and raises, as a tree does whose shell
  // knows no such folder, changing nothing.
  void ShowRoot(const platform::TreeRoot& root) override;
  std::optional<platform::PathName> SelectedPath() const override { return selected; }
  std::optional<platform::PathName> selected;
  int refuse_roots = 0;

 private:
  EventLog& log_;
};

class GraphicDouble : public platform::Graphic {
 public:
  explicit GraphicDouble(platform::Bounds bounds) : bounds(bounds) {}
  void Move(int left, int top) override {
    bounds.left = left;
    bounds.top = top;
  }
  platform::Bounds bounds;
};

class FormDouble : public platform::Form, private app::FormNavigation::Host {
 public:
  FormDouble(WindowSystemDouble& system, EventLog& log, platform::FormSpec spec,
             platform::FormEvents& events);
  ~FormDouble() override;

  std::unique_ptr<platform::PushButton> AddPushButton(const platform::PushButtonSpec& s) override;
  std::unique_ptr<platform::Graphic> AddPicture(const platform::PictureSpec& s) override;
  std::unique_ptr<platform::Graphic> AddBevel(const platform::BevelSpec& s) override;
  std::unique_ptr<platform::Memo> AddMemo(const platform::MemoSpec& s) override;
  std::unique_ptr<platform::FolderTree> AddFolderTree(const platform::FolderTreeSpec& s) override;
  void SetClientSize(int width, int height) override;
  // Logs what an immediate drawing shows: each outline that leaves as "draw" in the background's
  // colour, then each one that joins.
  void SetOutlines(const std::vector<platform::Outline>& list) override;
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  platform::ModalResult ShowModal() override;
  void SetModalResult(platform::ModalResult result) override { modal_result = result; }
  void Close() override;

  // What the user and the system do to the form.
  void KeyDown(platform::Key key, platform::Modifiers modifiers = {});
  void KeyUp(platform::Key key, platform::Modifiers modifiers = {});
  void Press(platform::Key key, platform::Modifiers modifiers = {});  // down, then up
  void Activate();          // the form becomes the active window
  void MousePress(ButtonDouble& button);    // the focus moves to the button
  void MouseRelease(ButtonDouble& button);  // the click
  void Paint();             // the window is drawn anew: outlines forgotten, then OnPaint

  // What the form holds and shows.
  std::vector<ButtonDouble*> Buttons() const;
  ButtonDouble* FocusedButton() const;
  std::optional<int> FocusedId() const { return system_focus_; }
  void Add(ControlDouble& control) { controls_.push_back(&control); }
  void Remove(ControlDouble& control);
  void FocusControl(int id);

  platform::FormSpec spec;
  platform::FormEvents& events;
  std::vector<GraphicDouble*> graphics;
  MemoDouble* memo = nullptr;
  FolderTreeDouble* tree = nullptr;
  std::vector<platform::Outline> outlines;  // shown now
  int client_width = 0, client_height = 0;
  bool visible = false;
  platform::ModalResult modal_result = platform::ModalResult::None;
  std::function<void(FormDouble&)> while_modal;  // what the user does inside a modal showing
  int next_id = 1;

 private:
  std::vector<app::ControlState> Controls() const override;
  void GiveFocus(int id) override { FocusControl(id); }
  void Click(int id) override;
  void RunMenu(int command) override { events.OnMenu(command); }
  bool ShortCutHook(const platform::KeyEvent& key) override;
  void PreviewKeyUp(const platform::KeyEvent& key) override { events.OnKeyUp(key); }
  void CloseForm() override { Close(); }
  ControlDouble* Find(int id) const;

  WindowSystemDouble& system_;
  EventLog& log_;
  std::vector<ControlDouble*> controls_;  // alive, in tab order
  std::optional<int> system_focus_;
  app::FormNavigation navigation_;
};

class WindowSystemDouble : public platform::WindowSystem {
 public:
  explicit WindowSystemDouble(EventLog& log) : log_(log) {}
  std::unique_ptr<platform::Form> CreateForm(const platform::FormSpec& spec,
                                             platform::FormEvents& events) override;
  void ShowMessageBox(const std::string& title, const std::string& text,
                      platform::BoxIcon icon) override;
  void Beep() override { log_.Add("beep"); }
  void RequestQuit() override { log_.Add("quit request"); }
  void Run(platform::Form&) override {
    log_.Add("run");
    if (while_running) while_running();
  }
  void SetShortCutHook(std::function<bool(const platform::KeyEvent&)> hook) override {
    shortcut = std::move(hook);
  }
  void SetExceptionHandler(std::function<void(const std::exception&)> h) override {
    handler = std::move(h);
  }

  FormDouble& Form(size_t index) { return *forms.at(index); }
  void FormGone(FormDouble& form);

  std::vector<FormDouble*> forms;  // in creation order; null once destroyed
  std::function<void()> while_running;  // what the user does while the message loop runs
  std::function<bool(const platform::KeyEvent&)> shortcut;
  std::function<void(const std::exception&)> handler;

 private:
  EventLog& log_;
};

}  // namespace doubles
