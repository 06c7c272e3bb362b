// One top-level window of the program, built from its stored layout.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/window_system.h"
#include "platform/win32/gdi.h"

namespace platform::win32 {

class FormControl;
class GraphicItem;
class Win32WindowSystem;

class Win32Form : public Form {
 public:
  Win32Form(Win32WindowSystem& system, const FormSpec& spec, FormEvents& events);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  std::unique_ptr<PushButton> AddPushButton(const PushButtonSpec& spec) override;
  std::unique_ptr<Graphic> AddPicture(const PictureSpec& spec) override;
  std::unique_ptr<Graphic> AddBevel(const BevelSpec& spec) override;
  std::unique_ptr<Memo> AddMemo(const MemoSpec& spec) override;
  std::unique_ptr<FolderTree> AddFolderTree(const FolderTreeSpec& spec) override;
  void SetOuterSize(int width, int height) override;
  void DrawRectangle(const Rect& rect, Color pen, int pen_width) override;
  void Show() override;
  void Hide() override;
  bool Visible() const override;
  int ShowModal() override;
  void SetModalResult(int result) override;
  void Close() override;

  // For the window system and the controls.
  HWND Handle() const { return window_; }
  Win32WindowSystem& System() const { return system_; }
  // Menu shortcuts of this form; true when the key became a menu command.
  bool TranslateShortCut(MSG& message);
  // Dialog navigation (arrows, Tab, Enter, Esc); true when the key was used up.
  bool HandleDialogKey(const MSG& message);
  void PreviewKeyUp(KeyCode key);
  void AddControl(FormControl& control);
  void RemoveControl(FormControl& control);
  void ControlFocused(FormControl& control);
  void AddGraphic(GraphicItem& graphic);
  void RemoveGraphic(GraphicItem& graphic);
  void Invalidate(const Bounds& bounds);
  // A control may be created later than the window: a tab stop id that no menu command uses.
  int NextControlId() { return next_control_id_++; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  void CreateMenuBar(const FormSpec& spec);
  void SetIcon(int resource);
  void FitClientArea(int width, int height);
  void Paint();
  void OnActivated();
  void OnClose();
  void OnCommand(WPARAM w, LPARAM l);
  FormControl* ControlOf(HWND window) const;
  FormControl* FocusedControl() const;
  FormControl* FirstFocusable(bool tab_stop_needed) const;
  void MoveFocus(FormControl* from, int step, bool tab_stop_needed);
  FormControl* FindButton(bool (FormControl::*role)() const) const;

  Win32WindowSystem& system_;
  FormEvents& events_;
  HWND window_ = nullptr;
  Brush background_;
  Font font_;
  HACCEL accelerators_ = nullptr;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  bool centred_first_time_ = false;
  bool shown_before_ = false;
  std::vector<FormControl*> controls_;  // tab order
  std::vector<GraphicItem*> graphics_;  // painting order
  FormControl* focused_ = nullptr;      // the form's focused control, kept while inactive
  HDC paint_dc_ = nullptr;              // set while OnPaint runs
  int modal_result_ = 0;
  bool modal_ = false;
  int next_control_id_ = 1000;
};

}  // namespace platform::win32
