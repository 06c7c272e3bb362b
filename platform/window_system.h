// What the program's windows need of the window system: forms built from a stored layout, the
// few kinds of control they hold, message boxes, the alert sound and the message loop.
//
// Rules every implementation keeps (the program relies on them):
// - Controls are in tab order in the order they are added to a form.
// - Inside a form: Up/Down move the focus to the previous/next control that can take it, wrapping
//   around, on every key-down including auto-repeats; Tab/Shift+Tab do the same over tab stops;
//   Enter without modifiers clicks the focused push button (or the default button) on key-down;
//   Space clicks the focused push button on key-up; Esc clicks the cancel button.
// - on_enter of a push button runs only when the focus moves to it from another control of its
//   form or from none: never when the focus returns to the form's focused control after another
//   window was active, nor when the focus is given to the control that already has it.
// - A form that becomes active with no focused control gives the focus to its first tab stop.
// - Key preview: on_key_up of the form sees every key-up in the form before the focused control.
// - The shortcut hook sees every key-down of every form after the menu shortcuts were tried;
//   returning true discards the key.
// - An exception escaping any callback goes to the exception handler and the loop goes on.
// - Closing the main form is a terminate request; closing another form hides it, and ends a
//   modal showing with result 2.
// - A message box or a modal showing that meets the quit message closes at once and leaves the
//   quit message for the main loop.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/drawing.h"
#include "platform/keys.h"
#include "platform/text.h"

namespace platform {

enum class Border {
  FixedSingle,  // not resizable; system menu and minimise only
  Dialog,       // not resizable; close box only
  Sizeable,     // the ordinary frame of a window
};

enum class BoxIcon { None, Error };

struct MenuSpec {
  std::string caption;  // Shift-JIS, "&" marks the access key
  int command = 0;      // 0 for an item that opens a submenu
  ShortCut shortcut = 0;
  std::vector<MenuSpec> items;
};

struct FormSpec {
  std::string caption;
  int left = 0, top = 0;  // on the screen
  bool centred_first_time = false;
  int client_width = 0, client_height = 0;
  Border border = Border::Sizeable;
  Color background = kYellow;
  FontSpec font;
  int icon = 0;  // resource number of the window icon; 0 for the system's default
  std::vector<MenuSpec> menu;
};

class PushButton {
 public:
  virtual ~PushButton() = default;  // removes the button from its form
  virtual int Tag() const = 0;
  virtual Bounds GetBounds() const = 0;
  // Runs on_enter only when the focus really moves to this button.
  virtual void SetFocus() = 0;
};

struct PushButtonSpec {
  Bounds bounds;
  std::string caption;
  FontSpec font;
  int tag = 0;
  bool hand_cursor = false;
  bool is_default = false;  // Enter clicks it unless another push button has the focus
  bool is_cancel = false;   // Esc clicks it
  std::function<void(PushButton&)> on_click;
  std::function<void(PushButton&)> on_enter;
};

// A control without a window of its own (picture, bevel): only its place can change.
class Graphic {
 public:
  virtual ~Graphic() = default;
  virtual void Move(int left, int top) = 0;
};

struct PictureSpec {
  Bounds bounds;
  const VectorPicture* picture;  // stretched to the bounds, drawn transparently
};

enum class BevelShape { TopLine, Box };  // lowered (etched) in both cases

struct BevelSpec {
  Bounds bounds;
  BevelShape shape;
};

// A read-only multi-line text box with a vertical scroll bar that wraps long lines.
class Memo {
 public:
  virtual ~Memo() = default;
  virtual void SetLines(const std::vector<std::string>& lines) = 0;
  virtual std::vector<std::string> Lines() const = 0;
};

struct MemoSpec {
  Bounds bounds;
  FontSpec font;
  std::vector<std::string> lines;
};

// A tree of the folders of the shell namespace: folders only, no hidden ones, the system's icons,
// no root lines, a right click selects, indent 19; it does not watch the file system.
class FolderTree {
 public:
  virtual ~FolderTree() = default;
  // Empties the tree and shows one root node for the folder (a path, or the desktop when
  // nothing), labelled with its display name, expanded one level and selected.
  virtual void ShowRoot(const std::optional<PathName>& folder) = 0;
  // The parsing name of the selected folder; for a virtual folder whose parsing name begins
  // with "::{", its display name. Nothing when no node is selected.
  virtual std::optional<PathName> SelectedPath() const = 0;
};

struct FolderTreeSpec {
  Bounds bounds;
};

// What a form tells its owner. Every handler may raise; the exception handler then shows it.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // After the window system has filled the area with the background colour.
  virtual void OnPaint() {}
  virtual void OnKeyUp(KeyCode /*key*/) {}
  virtual void OnMenu(int /*command*/) {}
};

class Form {
 public:
  virtual ~Form() = default;  // destroys the window
  virtual std::unique_ptr<PushButton> AddPushButton(const PushButtonSpec& spec) = 0;
  virtual std::unique_ptr<Graphic> AddPicture(const PictureSpec& spec) = 0;
  virtual std::unique_ptr<Graphic> AddBevel(const BevelSpec& spec) = 0;
  virtual std::unique_ptr<Memo> AddMemo(const MemoSpec& spec) = 0;
  virtual std::unique_ptr<FolderTree> AddFolderTree(const FolderTreeSpec& spec) = 0;

  // Outer size: frame, title bar and menu bar included.
  virtual void SetOuterSize(int width, int height) = 0;
  // Draws at once on the window's surface (inside OnPaint: on the area being painted).
  virtual void DrawRectangle(const Rect& rect, Color pen, int pen_width) = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;
  // Shows the form modally and returns its modal result once that is set, the form is hidden or
  // closed (2), or the quit message arrives (2). The other forms take no input meanwhile; the
  // window that was active before becomes active again afterwards.
  virtual int ShowModal() = 0;
  virtual void SetModalResult(int result) = 0;
  // As the close box does.
  virtual void Close() = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual std::unique_ptr<Form> CreateForm(const FormSpec& spec, FormEvents& events) = 0;
  // Modal, centred on the screen, one "OK" button that is both default and cancel.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon) = 0;
  // The system's default alert sound.
  virtual void Beep() = 0;
  // Posts the quit message and returns at once.
  virtual void Terminate() = 0;
  // Shows the main form and runs the message loop until the quit message is taken.
  virtual void Run(Form& main_form) = 0;
  virtual void SetShortCutHook(std::function<bool(KeyCode key)> hook) = 0;
  virtual void SetExceptionHandler(std::function<void(const std::exception&)> handler) = 0;
  // Full path of the program file.
  virtual PathName ProgramFileName() const = 0;
};

}  // namespace platform
