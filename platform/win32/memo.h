// A read-only multi-line text box that wraps its lines.
#pragma once

#include "platform/window_system.h"
#include "platform/win32/form_control.h"
#include "platform/win32/gdi.h"

namespace platform::win32 {

class Win32Memo : private OwnedFont, public Memo, public FormControl {
 public:
  Win32Memo(Win32Form& form, const MemoSpec& spec);
  ~Win32Memo() override;

  void SetLines(const std::vector<std::string>& lines) override;

  app::ControlKind Kind() const override { return app::ControlKind::TextBox; }
  HBRUSH Colour(HDC dc) override;
};

}  // namespace platform::win32
