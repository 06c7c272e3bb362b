// A standard push button of a form, with its tag, roles and events.
#pragma once

#include "platform/window_system.h"
#include "platform/win32/form_control.h"
#include "platform/win32/gdi.h"

namespace platform::win32 {

class Win32PushButton : private OwnedFont, public PushButton, public FormControl {
 public:
  Win32PushButton(Win32Form& form, const PushButtonSpec& spec);
  ~Win32PushButton() override;

  int Tag() const override { return tag_; }
  Bounds GetBounds() const override { return bounds_; }
  void SetFocus() override;

  app::ControlKind Kind() const override { return app::ControlKind::PushButton; }
  bool IsDefault() const override { return is_default_; }
  bool IsCancel() const override { return is_cancel_; }
  void Click() override;
  void Entered() override;

 private:
  int tag_;
  Bounds bounds_;
  bool is_default_;
  bool is_cancel_;
  std::function<void(PushButton&)> on_click_;
  std::function<void(PushButton&)> on_enter_;
};

}  // namespace platform::win32
