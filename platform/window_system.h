// What the program's windows need of the window system: forms with a fixed layout, the few kinds
// of control they hold, message boxes, the alert sound and the message loop.
//
// The keyboard and focus rules (which control gets the focus or the click for a key, when a
// push button's on_enter runs, where the focus goes when a form becomes active) are the
// program's own, in app/form_navigation.h: every implementation reports its forms' keys, focus
// changes and activations there and carries out what it decides. Besides, every implementation
// keeps these rules:
// - Controls are in tab order in the order they are added to a form.
// - An exception escaping any callback goes to the exception handler and the loop goes on.
// - Closing the main form (the first form made) is a quit request; closing another form hides
//   it, and ends a modal showing with ModalResult::Cancel.
// - A message box or a modal showing that meets the quit request closes at once and leaves the
//   request for the main loop.
// - Left and Right and every other key the program does not use reach the focused control only
//   when the navigation rules pass them on.
#pragma once

#include <exception>
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

// How a modal showing ended. Nothing of the program reads it today; it is kept so that a form
// shown modally ends the way its buttons say.
enum class ModalResult {
  None,    // still showing
  Ok,
  Cancel,  // the close box, or the quit request
};

struct MenuSpec {
  std::string caption;  // Shift-JIS, "&" marks the access key
  int command = 0;      // 0 for an item that opens a submenu
  Shortcut shortcut;    // shown beside the caption; Key::Other for none
  std::vector<MenuSpec> items;
};

struct FormSpec {
  std::string caption;
  int left = 0, top = 0;  // of the outer frame on the screen
  bool centred_first_time = false;
  // The client area, without frame, title bar and menu bar, which the platform adds.
  int client_width = 0, client_height = 0;
  Border border = Border::Sizeable;
  Color background{255, 255, 255};
  FontSpec font;
  bool program_icon = false;  // the program's icon instead of the system's default
  std::vector<MenuSpec> menu;
};

class PushButton {
 public:
  virtual ~PushButton() = default;  // removes the button from its form
  virtual int Tag() const = 0;
  virtual Bounds GetBounds() const = 0;
  // Asks for the focus; on_enter runs only when the focus really moves to this button.
  virtual void SetFocus() = 0;
};

struct PushButtonSpec {
  Bounds bounds;
  std::string caption;  // Shift-JIS, drawn centred
  FontSpec font;
  int tag = 0;
  bool hand_cursor = false;
  bool is_default = false;  // Enter clicks it unless another push button has the focus
  bool is_cancel = false;   // Esc clicks it
  // Also the name screen readers give the button: its caption.
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
  // Lines of Shift-JIS text; every byte counts, a NUL byte included.
  virtual void SetLines(const std::vector<std::string>& lines) = 0;
};

struct MemoSpec {
  Bounds bounds;
  FontSpec font;
  std::vector<std::string> lines;
};

// Where a folder tree starts: a folder, or the top of the namespace (the desktop on Windows;
// each platform says what it is on its own).
struct TreeRoot {
  std::optional<PathName> folder;  // nothing: the top of the namespace

  static TreeRoot Top() { return TreeRoot{}; }
  static TreeRoot Folder(PathName path) { return TreeRoot{std::move(path)}; }
  bool IsTop() const { return !folder.has_value(); }
};

// A tree of folders: folders only, no hidden ones, the system's folder icons, no root lines, a
// right click selects, indent 19; it does not watch the file system.
class FolderTree {
 public:
  virtual ~FolderTree() = default;
  // Empties the tree and shows one root node, labelled with the folder's display name, expanded
  // one level (its subfolders in the system's own order) and selected.
  virtual void ShowRoot(const TreeRoot& root) = 0;
  // The path of the selected folder (for a folder of the file system its full path, without a
  // trailing separator unless it is a drive or the file system's root); for a virtual folder
  // without a path, its display name. Nothing when no node is selected.
  virtual std::optional<PathName> SelectedPath() const = 0;
};

struct FolderTreeSpec {
  Bounds bounds;
};

// What a form tells its owner. Every handler may raise; the exception handler then shows it.
class FormEvents {
 public:
  virtual ~FormEvents() = default;
  // The window's surface is drawn anew from nothing: the platform has filled the whole client
  // area with the background and forgotten the outlines (see Form::SetOutlines); the handler sets
  // the outlines a freshly painted window shows. When this happens is the platform's: on Windows
  // each time the system repaints the window; a toolkit that keeps a copy of the window's surface
  // may need it only when the window is shown.
  virtual void OnPaint() {}
  // Every key that comes up while the form or one of its controls has the focus, before the
  // focused control sees it (key preview).
  virtual void OnKeyUp(const KeyEvent& /*key*/) {}
  virtual void OnMenu(int /*command*/) {}
};

class Form {
 public:
  virtual ~Form() = default;  // destroys the window and what is left of its controls
  virtual std::unique_ptr<PushButton> AddPushButton(const PushButtonSpec& spec) = 0;
  virtual std::unique_ptr<Graphic> AddPicture(const PictureSpec& spec) = 0;
  virtual std::unique_ptr<Graphic> AddBevel(const BevelSpec& spec) = 0;
  virtual std::unique_ptr<Memo> AddMemo(const MemoSpec& spec) = 0;
  virtual std::unique_ptr<FolderTree> AddFolderTree(const FolderTreeSpec& spec) = 0;

  virtual void SetClientSize(int width, int height) = 0;

  // The outlines drawn over the background and under nothing but the controls (which always
  // cover them). Replaces the outlines set before and shows the change at once: an outline no
  // longer listed is painted over with the background colour, the listed ones are drawn in
  // order. The platform keeps them and draws them again whenever it repaints the window, until
  // OnPaint says the surface was drawn anew.
  virtual void SetOutlines(const std::vector<Outline>& outlines) = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Shows the form modally and returns once a result is set, the form is hidden (Ok unless a
  // result was set) or closed (Cancel), or the quit request arrives (Cancel). The other forms
  // take no input meanwhile; the window that was active before becomes active again afterwards,
  // unless the form hid itself.
  virtual ModalResult ShowModal() = 0;
  virtual void SetModalResult(ModalResult result) = 0;
  // As the close box does.
  virtual void Close() = 0;
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;
  virtual std::unique_ptr<Form> CreateForm(const FormSpec& spec, FormEvents& events) = 0;
  // Modal, centred on the screen, one "OK" button that is both default and cancel; with
  // BoxIcon::Error the system's error (stop) icon.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon) = 0;
  // The system's default alert sound; two in a row are heard as two.
  virtual void Beep() = 0;
  // Asks the message loop to end and returns at once. A request made before Run is kept: Run
  // then shows the main form and ends as soon as it has started.
  virtual void RequestQuit() = 0;
  // Shows the main form and runs the message loop until the quit request is taken.
  virtual void Run(Form& main_form) = 0;
  // Offered every key-down of every form after the menu shortcuts were tried; true discards the
  // key.
  virtual void SetShortCutHook(std::function<bool(const KeyEvent& key)> hook) = 0;
  virtual void SetExceptionHandler(std::function<void(const std::exception&)> handler) = 0;
};

}  // namespace platform
