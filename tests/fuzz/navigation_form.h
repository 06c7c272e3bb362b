// A form as the navigation rules see it, for the navigation fuzz target: controls that come and
// go, a menu, a shortcut hook, and a record of what the rules asked the platform to do. It also
// keeps its own account of the form's focused control and of a Space held down on a button, so
// that the target can tell what the rules should have done.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/form_navigation.h"
#include "tests/fuzz/fuzz_check.h"

namespace fuzz {

class NavigationForm : public app::FormNavigation::Host {
 public:
  std::vector<app::ControlState> controls;
  std::vector<platform::MenuSpec> menu;
  uint32_t hook_discards = 0;  // one bit per platform::Key
  std::unique_ptr<app::FormNavigation> navigation;

  // What the rules asked for since Forget().
  std::vector<int> focus_given, clicked, menu_commands;
  int closed = 0, previews = 0, offered_to_hook = 0;

  // The form's focused control (kept while the form is inactive) and the button a Space went
  // down on, as the target reckons them.
  std::optional<int> focused, space_on;

  void Forget() {
    focus_given.clear(), clicked.clear(), menu_commands.clear();
    closed = previews = offered_to_hook = 0;
  }
  bool DidNothing() const {
    return focus_given.empty() && clicked.empty() && menu_commands.empty() && closed == 0;
  }

  const app::ControlState* Find(int id) const {
    for (const auto& control : controls)
      if (control.id == id) return &control;
    return nullptr;
  }
  // The focused control when it can still take the focus.
  const app::ControlState* FocusedControl() const {
    const app::ControlState* control = focused ? Find(*focused) : nullptr;
    return control && control->can_focus ? control : nullptr;
  }

  // The system's focus lands on a control: the platform reports it to the rules.
  void Arrive(int id) {
    const bool entering = focused != id;
    if (entering) space_on.reset();
    focused = id;
    FUZZ_CHECK(navigation->FocusArrived(id) == entering,
               "on_enter runs exactly when the focus comes from another control or from none");
  }

  void Remove(size_t index) {
    const int id = controls[index].id;
    controls.erase(controls.begin() + static_cast<std::ptrdiff_t>(index));
    navigation->ControlRemoved(id);
    if (focused == id) focused.reset();
    if (space_on == id) space_on.reset();
  }

  std::vector<app::ControlState> Controls() const override { return controls; }
  void GiveFocus(int id) override {
    const app::ControlState* control = Find(id);
    FUZZ_CHECK(control && control->can_focus, "the focus lands only on a control that can take it");
    focus_given.push_back(id);
    Arrive(id);
  }
  void Click(int id) override {
    const app::ControlState* control = Find(id);
    FUZZ_CHECK(control && control->kind == app::ControlKind::PushButton && control->can_focus,
               "only a push button that can take the focus is clicked");
    clicked.push_back(id);
  }
  void RunMenu(int command) override { menu_commands.push_back(command); }
  bool ShortCutHook(const platform::KeyEvent& key) override {
    ++offered_to_hook;
    return (hook_discards >> static_cast<int>(key.key)) & 1;
  }
  void PreviewKeyUp(const platform::KeyEvent&) override { ++previews; }
  void CloseForm() override { ++closed; }
};

}  // namespace fuzz
