// The keyboard and focus rules of every window of the program.
#include "app/form_navigation.h"

namespace app {

namespace {
using platform::Key;

void CollectShortcuts(const std::vector<platform::MenuSpec>& items,
                      std::vector<std::pair<platform::Shortcut, int>>& into) {
  for (const auto& item : items) {
    if (item.command != 0 && item.shortcut.key != Key::Other)
      into.emplace_back(item.shortcut, item.command);
    CollectShortcuts(item.items, into);
  }
}

std::optional<ControlState> FindControl(const std::vector<ControlState>& controls,
                                        bool (*role)(const ControlState&)) {
  for (const auto& control : controls)
    if (role(control) && control.can_focus) return control;
  return std::nullopt;
}

bool IsDefault(const ControlState& c) { return c.kind == ControlKind::PushButton && c.is_default; }
bool IsCancel(const ControlState& c) { return c.kind == ControlKind::PushButton && c.is_cancel; }
}  // namespace

FormNavigation::FormNavigation(Host& host, const std::vector<platform::MenuSpec>& menu)
    : host_(host) {
  CollectShortcuts(menu, shortcuts_);
}

std::optional<ControlState> FormNavigation::FocusedControl(
    const std::vector<ControlState>& controls) const {
  if (!focused_) return std::nullopt;
  for (const auto& control : controls)
    if (control.id == *focused_ && control.can_focus) return control;
  return std::nullopt;
}

bool FormNavigation::KeyDown(const platform::KeyEvent& key) {
  for (const auto& [shortcut, command] : shortcuts_) {
    if (shortcut.key == key.key && shortcut.modifiers == key.modifiers) {
      host_.RunMenu(command);
      return true;
    }
  }
  if (host_.ShortCutHook(key)) return true;

  const auto& mods = key.modifiers;
  const std::vector<ControlState> controls = host_.Controls();
  const std::optional<ControlState> focused = FocusedControl(controls);
  switch (key.key) {
    case Key::Up:
    case Key::Down:
      if (mods.alt || !focused || focused->kind != ControlKind::PushButton) return false;
      MoveFocus(controls, key.key == Key::Down ? 1 : -1, false);
      return true;
    case Key::Tab:
      if (mods.alt || mods.ctrl) return false;
      MoveFocus(controls, mods.shift ? -1 : 1, true);
      return true;
    case Key::Enter: {
      if (mods.alt) return false;
      if (mods.shift || mods.ctrl) return true;
      std::optional<ControlState> target = focused;
      if (!target || target->kind != ControlKind::PushButton) target = FindControl(controls, IsDefault);
      if (target) host_.Click(target->id);
      return true;
    }
    case Key::Space:
      if (mods.alt || !focused || focused->kind != ControlKind::PushButton) return false;
      space_down_on_ = focused->id;
      return true;
    case Key::Escape: {
      if (mods.alt) return false;
      if (const auto cancel = FindControl(controls, IsCancel)) host_.Click(cancel->id);
      return true;
    }
    case Key::F4:
      if (!mods.alt || mods.ctrl || mods.shift) return false;
      host_.CloseForm();
      return true;
    default:
      return false;
  }
}

bool FormNavigation::KeyUp(const platform::KeyEvent& key) {
  host_.PreviewKeyUp(key);
  if (key.key != Key::Space || !space_down_on_) return false;
  const int pressed = *space_down_on_;
  space_down_on_.reset();
  // Only the button the Space went down on is clicked: a Space pressed on another window's
  // button that closed it must not click the button that has the focus here.
  const std::optional<ControlState> focused = FocusedControl(host_.Controls());
  if (focused && focused->id == pressed) host_.Click(pressed);
  return true;
}

bool FormNavigation::FocusArrived(int id) {
  if (focused_ == id) return false;
  focused_ = id;
  space_down_on_.reset();
  return true;
}

void FormNavigation::Activated() {
  const std::vector<ControlState> controls = host_.Controls();
  if (const auto focused = FocusedControl(controls)) {
    host_.GiveFocus(focused->id);
    return;
  }
  for (const auto& control : controls) {
    if (control.can_focus && control.tab_stop) {
      host_.GiveFocus(control.id);
      return;
    }
  }
}

void FormNavigation::ControlRemoved(int id) {
  if (focused_ == id) focused_.reset();
  if (space_down_on_ == id) space_down_on_.reset();
}

void FormNavigation::MoveFocus(const std::vector<ControlState>& controls, int step,
                               bool tab_stops_only) {
  const int count = static_cast<int>(controls.size());
  int start = step > 0 ? -1 : count;
  for (int i = 0; i < count; ++i)
    if (focused_ && controls[static_cast<size_t>(i)].id == *focused_) start = i;
  for (int i = 1; i <= count; ++i) {
    const int index = ((start + step * i) % count + count) % count;
    const ControlState& candidate = controls[static_cast<size_t>(index)];
    if (!candidate.can_focus || (tab_stops_only && !candidate.tab_stop)) continue;
    if (!focused_ || candidate.id != *focused_) host_.GiveFocus(candidate.id);
    return;
  }
}

}  // namespace app
