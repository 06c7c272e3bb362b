// A window system in memory. It records what the program shows and draws, and keeps the focus
// rules the program relies on: on_enter runs only when the focus really moves to a button.
#pragma once

#include <list>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"
#include "tests/doubles/event_log.h"

namespace doubles {

class FormDouble;

class ButtonDouble : public platform::PushButton {
 public:
  ButtonDouble(FormDouble& form, platform::PushButtonSpec spec) : form_(form), spec(std::move(spec)) {}
  ~ButtonDouble() override;
  int Tag() const override { return spec.tag; }
  platform::Bounds GetBounds() const override { return spec.bounds; }
  void SetFocus() override;
  void Click() { spec.on_click(*this); }

  FormDouble& form_;
  platform::PushButtonSpec spec;
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

class MemoDouble : public platform::Memo {
 public:
  explicit MemoDouble(std::vector<std::string> lines) : lines_(std::move(lines)) {}
  void SetLines(const std::vector<std::string>& lines) override { lines_ = lines; }
  std::vector<std::string> Lines() const override { return lines_; }

 private:
  std::vector<std::string> lines_;
};

class FolderTreeDouble : public platform::FolderTree {
 public:
  explicit FolderTreeDouble(EventLog& log) : log_(log) {}
  void ShowRoot(const std::optional<platform::PathName>& folder) override {
    log_.Add("tree root " + (folder ? folder->sjis : std::string("desktop")));
    selected = folder;
  }
  std::optional<platform::PathName> SelectedPath() const override { return selected; }
  std::optional<platform::PathName> selected;

 private:
  EventLog& log_;
};

class FormDouble : public platform::Form {
 public:
  FormDouble(EventLog& log, platform::FormSpec spec, platform::FormEvents& events)
      : log_(log), spec(std::move(spec)), events(events) {}
  std::unique_ptr<platform::PushButton> AddPushButton(const platform::PushButtonSpec& s) override {
    auto button = std::make_unique<ButtonDouble>(*this, s);
    buttons.push_back(button.get());
    return button;
  }
  std::unique_ptr<platform::Graphic> AddPicture(const platform::PictureSpec& s) override {
    auto g = std::make_unique<GraphicDouble>(s.bounds);
    graphics.push_back(g.get());
    return g;
  }
  std::unique_ptr<platform::Graphic> AddBevel(const platform::BevelSpec& s) override {
    auto g = std::make_unique<GraphicDouble>(s.bounds);
    graphics.push_back(g.get());
    return g;
  }
  std::unique_ptr<platform::Memo> AddMemo(const platform::MemoSpec& s) override {
    auto memo = std::make_unique<MemoDouble>(s.lines);
    this->memo = memo.get();
    return memo;
  }
  std::unique_ptr<platform::FolderTree> AddFolderTree(const platform::FolderTreeSpec&) override {
    auto tree = std::make_unique<FolderTreeDouble>(log_);
    this->tree = tree.get();
    return tree;
  }
  void SetOuterSize(int width, int height) override {
    outer_width = width;
    outer_height = height;
  }
  void DrawRectangle(const platform::Rect& r, platform::Color pen, int width) override;
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  bool Visible() const override { return visible; }
  int ShowModal() override;
  void SetModalResult(int result) override { modal_result = result; }
  void Close() override { log_.Add("close " + spec.caption); }

  // What the window system does when the user presses a key or a button.
  void PressDown();  // Up/Down move the focus with wrap-around; true for Down
  void PressUp();
  void Activate();  // the form becomes active
  ButtonDouble* Focused() const { return focused; }

  EventLog& log_;
  platform::FormSpec spec;
  platform::FormEvents& events;
  std::vector<ButtonDouble*> buttons;  // alive, in tab order
  std::vector<GraphicDouble*> graphics;
  MemoDouble* memo = nullptr;
  FolderTreeDouble* tree = nullptr;
  ButtonDouble* focused = nullptr;
  int outer_width = 0, outer_height = 0;
  bool visible = false;
  int modal_result = 0;
  std::function<void(FormDouble&)> while_modal;  // what the user does inside a modal showing

 private:
  void MoveFocus(int step);
};

class WindowSystemDouble : public platform::WindowSystem {
 public:
  explicit WindowSystemDouble(EventLog& log) : log_(log) {}
  std::unique_ptr<platform::Form> CreateForm(const platform::FormSpec& spec,
                                             platform::FormEvents& events) override {
    auto form = std::make_unique<FormDouble>(log_, spec, events);
    forms.push_back(form.get());
    return form;
  }
  void ShowMessageBox(const std::string& title, const std::string& text,
                      platform::BoxIcon icon) override {
    log_.Add(std::string(icon == platform::BoxIcon::Error ? "error box " : "plain box ") + title +
             " | " + text);
  }
  void Beep() override { log_.Add("beep"); }
  void Terminate() override { log_.Add("terminate"); }
  void Run(platform::Form&) override { log_.Add("run"); }
  void SetShortCutHook(std::function<bool(platform::KeyCode)> hook) override { shortcut = hook; }
  void SetExceptionHandler(std::function<void(const std::exception&)> h) override { handler = h; }
  platform::PathName ProgramFileName() const override { return program_file; }

  FormDouble& Form(size_t index) { return *forms.at(index); }

  std::vector<FormDouble*> forms;
  std::function<bool(platform::KeyCode)> shortcut;
  std::function<void(const std::exception&)> handler;
  platform::PathName program_file = platform::PathName::Ascii("C:\\Otopicco\\Otopicco.exe");

 private:
  EventLog& log_;
};

}  // namespace doubles
