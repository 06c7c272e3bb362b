// One top-level window of the program, built from its layout. It reports its keys, focus
// arrivals, activations and removed controls to its app::FormNavigation and carries out what
// the rules decide.
#pragma once

#include <windows.h>

#include <vector>

#include "app/form_navigation.h"
#include "platform/window_system.h"
#include "platform/win32/gdi.h"

namespace platform::win32 {

class FormControl;
class GraphicItem;
class Win32WindowSystem;

class Win32Form : public Form, private app::FormNavigation::Host {
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
  void SetClientSize(int width, int height) override;
  void SetOutlines(const std::vector<Outline>& outlines) override;
  void Show() override;
  void Hide() override;
  ModalResult ShowModal() override;
  void SetModalResult(ModalResult result) override;
  void Close() override;

  // For the window system and the controls.
  HWND Handle() const { return window_; }
  Win32WindowSystem& System() const { return system_; }
  app::FormNavigation& Navigation() { return navigation_; }
  void AddControl(FormControl& control);
  void RemoveControl(FormControl& control);
  // The system's focus landed on one of the form's controls.
  void ControlFocused(FormControl& control);
  void AddGraphic(GraphicItem& graphic);
  void RemoveGraphic(GraphicItem& graphic);
  void Invalidate(const Bounds& bounds);
  // A control may be created later than the window: a control id that no menu command uses.
  int NextControlId() { return next_control_id_++; }

 private:
  // What the navigation rules ask of the form (form_navigation_host.cpp).
  std::vector<app::ControlState> Controls() const override;
  void GiveFocus(int id) override;
  void Click(int id) override;
  void RunMenu(int command) override;
  bool ShortCutHook(const KeyEvent& key) override;
  void PreviewKeyUp(const KeyEvent& key) override;
  void CloseForm() override;

  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT HandleMessage(UINT message, WPARAM w, LPARAM l);
  void SetProgramIcon();
  void FitClientArea(int width, int height);
  void Paint();
  void DrawOutlines(HDC dc, const std::vector<Outline>& outlines);
  void OnActivated();
  void OnClose();
  void OnCommand(WPARAM w, LPARAM l);
  FormControl* ControlOf(HWND window) const;
  FormControl* ControlById(int id) const;

  Win32WindowSystem& system_;
  FormEvents& events_;
  HWND window_ = nullptr;
  Color background_colour_;
  Brush background_;
  Font font_;
  HICON big_icon_ = nullptr;
  HICON small_icon_ = nullptr;
  bool centred_first_time_ = false;
  bool shown_before_ = false;
  std::vector<FormControl*> controls_;  // tab order
  std::vector<GraphicItem*> graphics_;  // painting order
  std::vector<Outline> outlines_;       // drawn now, until the next repaint
  HDC paint_dc_ = nullptr;              // set while OnPaint runs
  ModalResult modal_result_ = ModalResult::None;
  bool modal_ = false;
  int next_control_id_ = 1000;
  app::FormNavigation navigation_;
};

}  // namespace platform::win32
