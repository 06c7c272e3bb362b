// The keyboard and focus rules every window of the program keeps: which control gets the focus
// or the click for a key, when a push button's on_enter runs, where the focus goes when a window
// becomes active. They are the program's, not a toolkit's: each platform's form owns one
// FormNavigation, reports its keys, focus arrivals, activations and removed controls to it, and
// carries out what it asks through the Host.
//
// The rules, for a form whose controls are listed in tab order:
// - Key-down, in this order: a menu shortcut of the form runs its command; else the shortcut
//   hook may discard the key; else
//   - Up/Down without Alt: the focus moves to the previous/next control that can take it,
//     wrapping around, auto-repeats included; not while no control has the focus, and not out
//     of a text box or a folder tree, which use these keys themselves.
//   - Tab/Shift+Tab without Ctrl and Alt: the same over the controls that are tab stops, from
//     the first (or last) when none has the focus.
//   - Enter without Shift, Ctrl and Alt: clicks the focused push button, or the default button
//     when the focus is elsewhere; with Shift or Ctrl it does nothing.
//   - Space without Alt on a push button: nothing on the way down; the click comes when it is
//     released on the button it went down on.
//   - Esc without Alt: clicks the cancel button, or does nothing.
//   - Alt+F4: closes the form.
//   Every other key goes on to the focused control as usual.
// - Key-up: the form sees it first (key preview), then Space may click (above).
// - The focus arriving on a control is an entering (on_enter runs) only when it comes from
//   another control of the form or from none: not when it comes back to the form's focused
//   control after another window was active, nor when the control had it already.
// - A form becoming active gives the focus back to its focused control, or, when it has none, to
//   its first tab stop.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/keys.h"
#include "platform/window_system.h"

namespace app {

enum class ControlKind { PushButton, TextBox, FolderTree };

// A control as the rules see it. `id` is the platform's, stable while the control lives.
struct ControlState {
  int id;
  ControlKind kind;
  bool can_focus;  // shown and enabled
  bool tab_stop;
  bool is_default = false;
  bool is_cancel = false;
};

class FormNavigation {
 public:
  // What the platform's form does for the rules.
  class Host {
   public:
    virtual ~Host() = default;
    // The form's controls in tab order, as they are now.
    virtual std::vector<ControlState> Controls() const = 0;
    // Moves the system's focus to the control; the platform then reports FocusArrived.
    virtual void GiveFocus(int id) = 0;
    virtual void Click(int id) = 0;
    virtual void RunMenu(int command) = 0;
    virtual bool ShortCutHook(const platform::KeyEvent& key) = 0;
    virtual void PreviewKeyUp(const platform::KeyEvent& key) = 0;
    virtual void CloseForm() = 0;
  };

  FormNavigation(Host& host, const std::vector<platform::MenuSpec>& menu);

  // True when the key was used up; false when the focused control gets it as usual.
  bool KeyDown(const platform::KeyEvent& key);
  bool KeyUp(const platform::KeyEvent& key);
  // The system's focus landed on the control. True when that is an entering.
  bool FocusArrived(int id);
  // The form became the active window.
  void Activated();
  void ControlRemoved(int id);
  // The control that holds the form's focus, kept while another window is active.
  std::optional<int> Focused() const { return focused_; }

 private:
  std::optional<ControlState> FocusedControl(const std::vector<ControlState>& controls) const;
  void MoveFocus(const std::vector<ControlState>& controls, int step, bool tab_stops_only);

  Host& host_;
  std::vector<std::pair<platform::Shortcut, int>> shortcuts_;
  std::optional<int> focused_;
  std::optional<int> space_down_on_;
};

}  // namespace app
