// The keyboard and focus rules on any form, under any keys: the focus only ever lands on a
// control that can take it, Tab only on tab stops, moves go to the nearest such control in their
// direction, clicks reach only the push buttons the rules name, on_enter runs exactly on an
// entering, menu shortcuts and the hook come first.
//
// Input: the controls (a count, then per control a byte: bits 0-1 kind, bit 2 can take the focus,
// bit 3 tab stop, bit 4 default, bit 5 cancel), the menu (a count, then per item a key, a
// modifiers byte whose bit 3 puts the item in a submenu, a command), two bytes of keys the hook
// discards, then actions (a byte each, with the arguments it reads).
#include "tests/fuzz/navigation_form.h"

namespace {

using app::ControlKind;
using app::ControlState;
using fuzz::NavigationForm;
using platform::Key;
using platform::KeyEvent;

constexpr int kKeys = static_cast<int>(Key::S) + 1;
constexpr int kMaxControls = 12;

ControlState ReadControl(fuzz::ByteReader& input, int id) {
  const uint8_t b = input.Byte();
  const ControlKind kinds[] = {ControlKind::PushButton, ControlKind::TextBox,
                               ControlKind::FolderTree, ControlKind::PushButton};
  return ControlState{id, kinds[b & 3], (b & 4) != 0, (b & 8) != 0, (b & 16) != 0, (b & 32) != 0};
}

KeyEvent ReadKey(fuzz::ByteReader& input) {
  const Key key = static_cast<Key>(input.Below(kKeys));
  const uint8_t m = input.Byte();
  return KeyEvent{key, platform::Modifiers{(m & 1) != 0, (m & 2) != 0, (m & 4) != 0}};
}

std::vector<platform::MenuSpec> ReadMenu(fuzz::ByteReader& input) {
  std::vector<platform::MenuSpec> menu;
  for (int n = input.Below(6); n > 0; --n) {
    const KeyEvent key = ReadKey(input);
    const bool nested = input.Byte() & 8;
    platform::MenuSpec item{"item", input.Byte(), platform::Shortcut{key.key, key.modifiers}, {}};
    if (nested) {
      // A submenu has no command: a shortcut it carries is never run.
      menu.push_back(platform::MenuSpec{"submenu", 0, item.shortcut, {item}});
    } else {
      menu.push_back(item);
    }
  }
  return menu;
}

// The command of the first menu item, submenus searched in place, whose shortcut is the key.
std::optional<int> ShortcutCommand(const std::vector<platform::MenuSpec>& items,
                                   const KeyEvent& key) {
  for (const auto& item : items) {
    if (item.command != 0 && item.shortcut.key != Key::Other && item.shortcut.key == key.key &&
        item.shortcut.modifiers == key.modifiers)
      return item.command;
    if (const auto command = ShortcutCommand(item.items, key)) return command;
  }
  return std::nullopt;
}

// A move by `step` from the focused control (from before the first or after the last when the
// form has none) lands on the nearest control in that direction, wrapping round, that can take
// the focus and, for Tab, is a tab stop; staying put gives no focus.
void CheckMove(const NavigationForm& form, const std::optional<int>& from, int step,
               bool tab_only) {
  const int count = static_cast<int>(form.controls.size());
  int start = step > 0 ? -1 : count;
  for (int i = 0; i < count; ++i)
    if (from && form.controls[static_cast<size_t>(i)].id == *from) start = i;
  std::optional<int> target;
  for (int k = 1; k <= count && !target; ++k) {
    const ControlState& c =
        form.controls[static_cast<size_t>(((start + step * k) % count + count) % count)];
    if (c.can_focus && (!tab_only || c.tab_stop)) target = c.id;
  }
  const std::vector<int> expected =
      target && target != from ? std::vector<int>{*target} : std::vector<int>{};
  FUZZ_CHECK(form.focus_given == expected, tab_only ? "Tab moves to the nearest tab stop"
                                                    : "Up and Down move to the nearest control");
  FUZZ_CHECK(form.clicked.empty() && form.closed == 0, "a move clicks and closes nothing");
}

// A button's role for Enter and Esc: the first push button of that role that can take the focus.
std::vector<int> FirstWith(const NavigationForm& form, bool ControlState::*role) {
  for (const auto& c : form.controls)
    if (c.kind == ControlKind::PushButton && c.*role && c.can_focus) return {c.id};
  return {};
}

void KeyDown(NavigationForm& form, const KeyEvent& key) {
  const std::optional<int> from = form.focused;
  const ControlState* focused = form.FocusedControl();
  const bool on_button = focused && focused->kind == ControlKind::PushButton;
  const std::optional<int> command = ShortcutCommand(form.menu, key);
  const bool discarded = !command && ((form.hook_discards >> static_cast<int>(key.key)) & 1);
  const auto& m = key.modifiers;
  form.Forget();
  const bool used = form.navigation->KeyDown(key);

  if (command) {
    FUZZ_CHECK(
        used && form.menu_commands == std::vector<int>{*command} && form.offered_to_hook == 0,
        "a menu shortcut runs its command before anything else");
    return;
  }
  FUZZ_CHECK(form.menu_commands.empty(), "only a menu shortcut runs a menu command");
  FUZZ_CHECK(form.offered_to_hook == 1, "every key that is no shortcut is offered to the hook");
  if (discarded) {
    FUZZ_CHECK(used && form.DidNothing(), "a key the hook discards does nothing");
    return;
  }
  switch (key.key) {
    case Key::Up:
    case Key::Down:
      if (m.alt || !on_button) break;
      FUZZ_CHECK(used, "Up and Down from a button are used");
      return CheckMove(form, from, key.key == Key::Down ? 1 : -1, false);
    case Key::Tab:
      if (m.alt || m.ctrl) break;
      FUZZ_CHECK(used, "Tab is used");
      return CheckMove(form, from, m.shift ? -1 : 1, true);
    case Key::Enter: {
      if (m.alt) break;
      FUZZ_CHECK(used && form.focus_given.empty() && form.closed == 0, "Enter moves nothing");
      std::vector<int> click;
      if (!m.shift && !m.ctrl)
        click =
            on_button ? std::vector<int>{focused->id} : FirstWith(form, &ControlState::is_default);
      FUZZ_CHECK(
          form.clicked == click,
          "Enter clicks the focused button, or else the default button; not with Shift or Ctrl");
      return;
    }
    case Key::Space:
      if (m.alt || !on_button) break;
      FUZZ_CHECK(used && form.DidNothing(), "Space on a button does nothing on its way down");
      form.space_on = focused->id;
      return;
    case Key::Escape:
      if (m.alt) break;
      FUZZ_CHECK(used && form.focus_given.empty() &&
                     form.clicked == FirstWith(form, &ControlState::is_cancel),
                 "Esc clicks the cancel button or nothing");
      return;
    case Key::F4:
      if (!m.alt || m.ctrl || m.shift) break;
      FUZZ_CHECK(used && form.closed == 1 && form.focus_given.empty() && form.clicked.empty(),
                 "Alt+F4 closes the form");
      return;
    default: break;
  }
  FUZZ_CHECK(!used && form.DidNothing(),
             "every other key goes on to the focused control untouched");
}

void KeyUp(NavigationForm& form, const KeyEvent& key) {
  const std::optional<int> pressed = key.key == Key::Space ? form.space_on : std::nullopt;
  const ControlState* focused = form.FocusedControl();
  form.Forget();
  const bool used = form.navigation->KeyUp(key);
  FUZZ_CHECK(form.previews == 1, "the form previews every key-up first");
  FUZZ_CHECK(used == pressed.has_value(), "only the Space that went down on a button is used");
  const bool click = pressed && focused && focused->id == *pressed;
  FUZZ_CHECK(form.clicked == (click ? std::vector<int>{*pressed} : std::vector<int>{}),
             "Space clicks on its way up the button it went down on, if that still has the focus");
  FUZZ_CHECK(form.focus_given.empty() && form.closed == 0, "a key-up moves and closes nothing");
  if (pressed) form.space_on.reset();
}

void Activate(NavigationForm& form) {
  const ControlState* focused = form.FocusedControl();
  std::vector<int> expected;
  if (focused) {
    expected = {focused->id};
  } else {
    for (const auto& c : form.controls)
      if (c.can_focus && c.tab_stop && expected.empty()) expected = {c.id};
  }
  form.Forget();
  form.navigation->Activated();
  FUZZ_CHECK(
      form.focus_given == expected,
      "activation gives the focus back to the focused control, or else to the first tab stop");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader input(data, size);
  NavigationForm form;
  int next_id = 1;
  for (int n = input.Below(kMaxControls + 1); n > 0; --n)
    form.controls.push_back(ReadControl(input, next_id++));
  form.menu = ReadMenu(input);
  const uint32_t low = input.Byte();
  form.hook_discards = low | static_cast<uint32_t>(input.Byte()) << 8;
  form.navigation = std::make_unique<app::FormNavigation>(form, form.menu);

  while (!input.Empty()) {
    const size_t count = form.controls.size();
    switch (input.Below(8)) {
      case 0: KeyDown(form, ReadKey(input)); break;
      case 1: KeyUp(form, ReadKey(input)); break;
      case 2: Activate(form); break;
      case 3: {  // the system puts the focus on a control (a mouse press)
        const size_t i = static_cast<size_t>(input.Byte());
        if (i < count && form.controls[i].can_focus) form.Arrive(form.controls[i].id);
        break;
      }
      case 4: {  // a control is destroyed
        const size_t i = static_cast<size_t>(input.Byte());
        if (i < count) form.Remove(i);
        break;
      }
      case 5: {  // a control is hidden, disabled, shown or enabled
        const size_t i = static_cast<size_t>(input.Byte());
        if (i < count) form.controls[i].can_focus = !form.controls[i].can_focus;
        break;
      }
      case 6:
        if (count < kMaxControls) form.controls.push_back(ReadControl(input, next_id++));
        break;
      default: {  // a key held down: its auto-repeats, then its release
        const KeyEvent key = ReadKey(input);
        for (int n = input.Below(4); n >= 0; --n) KeyDown(form, key);
        KeyUp(form, key);
        break;
      }
    }
    FUZZ_CHECK(form.navigation->Focused() == form.focused, "the form keeps its focused control");
  }
  return 0;
}
