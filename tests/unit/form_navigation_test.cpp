// The keyboard and focus rules of every window, case by case from the key table: a form of
// three push buttons around a text box and a tree, with a default and a cancel button.
#include <gtest/gtest.h>

#include "app/form_navigation.h"

using app::ControlKind;
using app::ControlState;
using platform::Key;
using platform::KeyEvent;
using platform::Modifiers;

namespace {

constexpr int kFirst = 1, kText = 2, kOk = 3, kTree = 4, kCancel = 5, kOther = 6;
constexpr int kOpenCommand = 7;

// A form as a platform would carry out the rules: giving the focus reports its arrival.
class FakeForm : public app::FormNavigation::Host {
 public:
  FakeForm() : navigation(*this, Menu()) {}

  std::vector<ControlState> controls{
      {kFirst, ControlKind::PushButton, true, true},
      {kText, ControlKind::TextBox, true, true},
      {kOk, ControlKind::PushButton, true, true, true, false},
      {kTree, ControlKind::FolderTree, true, true},
      {kCancel, ControlKind::PushButton, true, true, false, true},
      {kOther, ControlKind::PushButton, true, false},  // no tab stop
  };
  std::vector<std::string> calls;
  bool hook_discards = false;
  app::FormNavigation navigation;

  std::vector<ControlState> Controls() const override { return controls; }
  void GiveFocus(int id) override {
    calls.push_back("focus " + std::to_string(id));
    if (navigation.FocusArrived(id)) calls.push_back("enter " + std::to_string(id));
  }
  void Click(int id) override { calls.push_back("click " + std::to_string(id)); }
  void RunMenu(int command) override { calls.push_back("menu " + std::to_string(command)); }
  bool ShortCutHook(const KeyEvent&) override {
    calls.push_back("hook");
    return hook_discards;
  }
  void PreviewKeyUp(const KeyEvent&) override { calls.push_back("preview"); }
  void CloseForm() override { calls.push_back("close"); }

  bool Down(Key key, Modifiers m = {}) { return navigation.KeyDown(KeyEvent{key, m}); }
  bool Up(Key key, Modifiers m = {}) { return navigation.KeyUp(KeyEvent{key, m}); }
  // The focus as the system has it, without the rules seeing a key.
  void FocusOn(int id) {
    navigation.FocusArrived(id);
    calls.clear();
  }
  void Disable(int id) {
    for (auto& c : controls)
      if (c.id == id) c.can_focus = false;
  }

 private:
  static std::vector<platform::MenuSpec> Menu() {
    platform::MenuSpec file{"File", 0, {}, {}};
    file.items = {{"Open", kOpenCommand, platform::Ctrl(Key::O), {}}, {"Quit", 8, {}, {}}};
    return {file};
  }
};

using Calls = std::vector<std::string>;
const Modifiers kShift{true, false, false}, kCtrl{false, true, false}, kAlt{false, false, true};

}  // namespace

TEST(FormNavigation, UpAndDownMoveOverEveryFocusableControlWrappingBothWays) {
  FakeForm form;
  form.Disable(kText);  // a control that cannot take the focus is skipped
  form.FocusOn(kOther);
  EXPECT_TRUE(form.Down(Key::Down));  // from the last to the first
  EXPECT_TRUE(form.Down(Key::Up));    // from the first to the last, no tab stop needed
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 1", "enter 1", "hook", "focus 6", "enter 6"}));
  form.calls.clear();
  EXPECT_TRUE(form.Down(Key::Down, kShift));  // Shift and Ctrl make no difference
  EXPECT_TRUE(form.Down(Key::Down, kCtrl));
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 1", "enter 1", "hook", "focus 3", "enter 3"}));
}

TEST(FormNavigation, UpAndDownMoveNothingWithAltOrWithoutAFocusedButton) {
  FakeForm form;
  EXPECT_FALSE(form.Down(Key::Down));  // nothing has the focus
  form.FocusOn(kFirst);
  EXPECT_FALSE(form.Down(Key::Down, kAlt));
  EXPECT_EQ(form.calls, (Calls{"hook"}));
}

TEST(FormNavigation, UpAndDownInsideATextBoxOrATreeAreTheirs) {
  FakeForm form;
  form.FocusOn(kText);
  EXPECT_FALSE(form.Down(Key::Down));
  form.FocusOn(kTree);
  EXPECT_FALSE(form.Down(Key::Up));
  EXPECT_EQ(form.calls, (Calls{"hook"}));
}

TEST(FormNavigation, TabMovesOverTabStopsOnlyAndShiftTabBack) {
  FakeForm form;
  EXPECT_TRUE(form.Down(Key::Tab));  // none focused: the first tab stop
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 1", "enter 1"}));
  form.FocusOn(kCancel);
  EXPECT_TRUE(form.Down(Key::Tab));  // past the control that is no tab stop, round to the first
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 1", "enter 1"}));
  form.calls.clear();
  EXPECT_TRUE(form.Down(Key::Tab, kShift));  // back from the first to the last tab stop
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 5", "enter 5"}));
  form.FocusOn(kText);
  EXPECT_TRUE(form.Down(Key::Tab));  // out of a text box too
  EXPECT_EQ(form.calls, (Calls{"hook", "focus 3", "enter 3"}));
}

TEST(FormNavigation, TabWithCtrlOrAltIsPassedOn) {
  FakeForm form;
  form.FocusOn(kFirst);
  EXPECT_FALSE(form.Down(Key::Tab, kCtrl));
  EXPECT_FALSE(form.Down(Key::Tab, kAlt));
  EXPECT_EQ(form.calls, (Calls{"hook", "hook"}));
}

TEST(FormNavigation, EnterClicksTheFocusedButtonOrElseTheDefaultButton) {
  FakeForm form;
  form.FocusOn(kCancel);
  EXPECT_TRUE(form.Down(Key::Enter));
  EXPECT_EQ(form.calls, (Calls{"hook", "click 5"}));
  form.FocusOn(kTree);
  EXPECT_TRUE(form.Down(Key::Enter));
  EXPECT_EQ(form.calls, (Calls{"hook", "click 3"}));
  form.Disable(kOk);
  form.calls.clear();
  EXPECT_TRUE(form.Down(Key::Enter));  // a default button that cannot be used is not clicked
  EXPECT_EQ(form.calls, (Calls{"hook"}));
}

TEST(FormNavigation, ShiftOrCtrlEnterDoesNothingAndAltEnterIsPassedOn) {
  FakeForm form;
  form.FocusOn(kFirst);
  EXPECT_TRUE(form.Down(Key::Enter, kShift));
  EXPECT_TRUE(form.Down(Key::Enter, kCtrl));
  EXPECT_FALSE(form.Down(Key::Enter, kAlt));
  EXPECT_EQ(form.calls, (Calls{"hook", "hook", "hook"}));
}

TEST(FormNavigation, SpaceClicksOnKeyUpOnlyTheButtonItWentDownOn) {
  FakeForm form;
  form.FocusOn(kFirst);
  EXPECT_TRUE(form.Down(Key::Space));
  EXPECT_EQ(form.calls, (Calls{"hook"}));
  EXPECT_TRUE(form.Up(Key::Space));
  EXPECT_EQ(form.calls, (Calls{"hook", "preview", "click 1"}));
  // Down on one button, then the focus moves: no click on the way up.
  form.calls.clear();
  form.Down(Key::Space);
  form.Down(Key::Down);
  form.calls.clear();
  form.Up(Key::Space);
  EXPECT_EQ(form.calls, (Calls{"preview"}));
  // Up without a Space that went down here (it went down in another window): nothing.
  form.Up(Key::Space);
  EXPECT_EQ(form.calls, (Calls{"preview", "preview"}));
}

TEST(FormNavigation, SpaceOutsideAButtonOrWithAltIsPassedOn) {
  FakeForm form;
  form.FocusOn(kText);
  EXPECT_FALSE(form.Down(Key::Space));
  form.FocusOn(kFirst);
  EXPECT_FALSE(form.Down(Key::Space, kAlt));
  EXPECT_FALSE(form.Up(Key::Space, kAlt));
  EXPECT_EQ(form.calls, (Calls{"hook", "preview"}));
}

TEST(FormNavigation, EscClicksTheCancelButtonOrNothing) {
  FakeForm form;
  form.FocusOn(kTree);
  EXPECT_TRUE(form.Down(Key::Escape));
  EXPECT_EQ(form.calls, (Calls{"hook", "click 5"}));
  form.Disable(kCancel);
  form.calls.clear();
  EXPECT_TRUE(form.Down(Key::Escape));
  EXPECT_FALSE(form.Down(Key::Escape, kAlt));
  EXPECT_EQ(form.calls, (Calls{"hook", "hook"}));
}

TEST(FormNavigation, AltF4ClosesTheFormAndOtherF4sArePassedOn) {
  FakeForm form;
  form.FocusOn(kTree);
  EXPECT_TRUE(form.Down(Key::F4, kAlt));
  EXPECT_FALSE(form.Down(Key::F4));
  EXPECT_FALSE(form.Down(Key::F4, Modifiers{false, true, true}));
  EXPECT_EQ(form.calls, (Calls{"hook", "close", "hook", "hook"}));
}

TEST(FormNavigation, MenuShortcutsComeBeforeTheHookWithExactlyTheirModifiers) {
  FakeForm form;
  form.hook_discards = true;
  EXPECT_TRUE(form.Down(Key::O, kCtrl));
  EXPECT_EQ(form.calls, (Calls{"menu 7"}));
  form.calls.clear();
  form.hook_discards = false;
  EXPECT_FALSE(form.Down(Key::O));
  EXPECT_FALSE(form.Down(Key::O, Modifiers{true, true, false}));
  EXPECT_EQ(form.calls, (Calls{"hook", "hook"}));
}

TEST(FormNavigation, TheHookCanDiscardAnyKeyBeforeTheRules) {
  FakeForm form;
  form.FocusOn(kFirst);
  form.hook_discards = true;  // as the program does for Left and Right
  EXPECT_TRUE(form.Down(Key::Down));
  EXPECT_TRUE(form.Down(Key::Left));
  EXPECT_EQ(form.calls, (Calls{"hook", "hook"}));
  form.hook_discards = false;
  EXPECT_FALSE(form.Down(Key::Left));  // a key the rules have no use for goes to the control
}

TEST(FormNavigation, EveryKeyUpIsPreviewedFirst) {
  FakeForm form;
  for (Key key : {Key::Down, Key::Other, Key::Numpad2, Key::Left}) EXPECT_FALSE(form.Up(key));
  EXPECT_EQ(form.calls, (Calls{"preview", "preview", "preview", "preview"}));
}

TEST(FormNavigation, ActivationGivesTheFocusBackWithoutEnteringOrToTheFirstTabStop) {
  FakeForm form;
  form.navigation.Activated();
  EXPECT_EQ(form.calls, (Calls{"focus 1", "enter 1"}));
  form.FocusOn(kTree);
  form.navigation.Activated();  // back from another window
  EXPECT_EQ(form.calls, (Calls{"focus 4"}));
  // A remembered control that can no longer take the focus: the first tab stop that can.
  form.Disable(kTree);
  form.Disable(kFirst);
  form.calls.clear();
  form.navigation.Activated();
  EXPECT_EQ(form.calls, (Calls{"focus 2", "enter 2"}));
}

TEST(FormNavigation, RemovingTheFocusedControlLeavesNoneAndTheNextActivationEnters) {
  FakeForm form;
  form.FocusOn(kOk);
  form.navigation.ControlRemoved(kOk);
  form.controls.erase(form.controls.begin() + 2);
  EXPECT_EQ(form.navigation.Focused(), std::nullopt);
  EXPECT_FALSE(form.Down(Key::Down));  // no focused control: nothing moves
  form.calls.clear();
  form.navigation.Activated();
  EXPECT_EQ(form.calls, (Calls{"focus 1", "enter 1"}));
  // Removing another control keeps the focus where it is.
  form.navigation.ControlRemoved(kTree);
  EXPECT_EQ(form.navigation.Focused(), kFirst);
}

TEST(FormNavigation, TheFocusArrivingWhereItIsIsNoEntering) {
  FakeForm form;
  EXPECT_TRUE(form.navigation.FocusArrived(kFirst));
  EXPECT_FALSE(form.navigation.FocusArrived(kFirst));
  EXPECT_TRUE(form.navigation.FocusArrived(kOk));
  EXPECT_EQ(form.navigation.Focused(), kOk);
}
