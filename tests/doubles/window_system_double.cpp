// The in-memory window system: its forms hand keys, focus arrivals and activations to the
// program's navigation rules and carry out what they decide.
#include "tests/doubles/window_system_double.h"

#include <algorithm>

#include "platform/exception.h"

namespace doubles {

namespace {
std::string ColourName(platform::Color c) {
  if (c == platform::Color{255, 255, 0}) return "yellow";
  if (c == platform::Color{0, 0, 255}) return "blue";
  return "rgb(" + std::to_string(c.red) + "," + std::to_string(c.green) + "," +
         std::to_string(c.blue) + ")";
}

std::string Draw(platform::Color colour, const platform::Outline& o) {
  const platform::Rect& r = o.rect;
  return "draw " + ColourName(colour) + " " + std::to_string(o.pen_width) + " " +
         std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

bool Holds(const std::vector<platform::Outline>& list, const platform::Outline& o) {
  return std::find(list.begin(), list.end(), o) != list.end();
}
}  // namespace

ControlDouble::ControlDouble(FormDouble& form, app::ControlKind kind)
    : form_(form), kind_(kind), id_(form.next_id++) {
  form_.Add(*this);
}

ControlDouble::~ControlDouble() { form_.Remove(*this); }

app::ControlState ControlDouble::State() const { return app::ControlState{id_, kind_, true, true}; }

ButtonDouble::ButtonDouble(FormDouble& form, platform::PushButtonSpec spec)
    : ControlDouble(form, app::ControlKind::PushButton), spec(std::move(spec)) {}

void ButtonDouble::SetFocus() { form_.FocusControl(Id()); }

app::ControlState ButtonDouble::State() const {
  app::ControlState state = ControlDouble::State();
  state.is_default = spec.is_default;
  state.is_cancel = spec.is_cancel;
  return state;
}

MemoDouble::MemoDouble(FormDouble& form, std::vector<std::string> lines)
    : ControlDouble(form, app::ControlKind::TextBox), lines(std::move(lines)) {}

FolderTreeDouble::FolderTreeDouble(FormDouble& form, EventLog& log)
    : ControlDouble(form, app::ControlKind::FolderTree), log_(log) {}

void FolderTreeDouble::ShowRoot(const platform::TreeRoot& root) {
  if (refuse_roots > 0) {
    --refuse_roots;
    throw platform::Exception("no such folder");
  }
  log_.Add("tree root " + (root.IsTop() ? std::string("top") : root.folder->sjis));
  selected = root.IsTop() ? platform::PathName::Ascii("Desktop") : *root.folder;
}

FormDouble::FormDouble(WindowSystemDouble& system, EventLog& log, platform::FormSpec spec,
                       platform::FormEvents& events)
    : spec(std::move(spec)),
      events(events),
      client_width(this->spec.client_width),
      client_height(this->spec.client_height),
      system_(system),
      log_(log),
      navigation_(*this, this->spec.menu) {}

FormDouble::~FormDouble() { system_.FormGone(*this); }

std::unique_ptr<platform::PushButton> FormDouble::AddPushButton(const platform::PushButtonSpec& s) {
  return std::make_unique<ButtonDouble>(*this, s);
}

std::unique_ptr<platform::Graphic> FormDouble::AddPicture(const platform::PictureSpec& s) {
  auto g = std::make_unique<GraphicDouble>(s.bounds);
  graphics.push_back(g.get());
  return g;
}

std::unique_ptr<platform::Graphic> FormDouble::AddBevel(const platform::BevelSpec& s) {
  auto g = std::make_unique<GraphicDouble>(s.bounds);
  graphics.push_back(g.get());
  return g;
}

std::unique_ptr<platform::Memo> FormDouble::AddMemo(const platform::MemoSpec& s) {
  auto created = std::make_unique<MemoDouble>(*this, s.lines);
  memo = created.get();
  return created;
}

std::unique_ptr<platform::FolderTree> FormDouble::AddFolderTree(const platform::FolderTreeSpec&) {
  auto created = std::make_unique<FolderTreeDouble>(*this, log_);
  tree = created.get();
  return created;
}

void FormDouble::SetClientSize(int width, int height) {
  client_width = width;
  client_height = height;
}

void FormDouble::SetOutlines(const std::vector<platform::Outline>& list) {
  for (const auto& o : outlines)
    if (!Holds(list, o)) log_.Add(Draw(spec.background, o));
  for (const auto& o : list)
    if (!Holds(outlines, o)) log_.Add(Draw(o.pen, o));
  outlines = list;
}

platform::ModalResult FormDouble::ShowModal() {
  log_.Add("modal " + spec.caption);
  modal_result = platform::ModalResult::None;
  visible = true;
  if (while_modal) while_modal(*this);
  const bool hid_itself = !visible;
  visible = false;
  if (modal_result != platform::ModalResult::None) return modal_result;
  return hid_itself ? platform::ModalResult::Ok : platform::ModalResult::Cancel;
}

void FormDouble::Close() { log_.Add("close " + spec.caption); }

void FormDouble::KeyDown(platform::Key key, platform::Modifiers modifiers) {
  navigation_.KeyDown(platform::KeyEvent{key, modifiers});
}

void FormDouble::KeyUp(platform::Key key, platform::Modifiers modifiers) {
  navigation_.KeyUp(platform::KeyEvent{key, modifiers});
}

void FormDouble::Press(platform::Key key, platform::Modifiers modifiers) {
  KeyDown(key, modifiers);
  KeyUp(key, modifiers);
}

void FormDouble::Activate() { navigation_.Activated(); }

void FormDouble::MousePress(ButtonDouble& button) { FocusControl(button.Id()); }

void FormDouble::MouseRelease(ButtonDouble& button) { Click(button.Id()); }

void FormDouble::Paint() {
  outlines.clear();
  events.OnPaint();
}

std::vector<ButtonDouble*> FormDouble::Buttons() const {
  std::vector<ButtonDouble*> buttons;
  for (ControlDouble* control : controls_)
    if (auto* button = dynamic_cast<ButtonDouble*>(control)) buttons.push_back(button);
  return buttons;
}

ButtonDouble* FormDouble::FocusedButton() const {
  return system_focus_ ? dynamic_cast<ButtonDouble*>(Find(*system_focus_)) : nullptr;
}

void FormDouble::Remove(ControlDouble& control) {
  controls_.erase(std::remove(controls_.begin(), controls_.end(), &control), controls_.end());
  if (system_focus_ == control.Id()) system_focus_.reset();
  navigation_.ControlRemoved(control.Id());
}

void FormDouble::FocusControl(int id) {
  system_focus_ = id;
  if (!navigation_.FocusArrived(id)) return;
  auto* button = dynamic_cast<ButtonDouble*>(Find(id));
  if (button && button->spec.on_enter) button->spec.on_enter(*button);
}

std::vector<app::ControlState> FormDouble::Controls() const {
  std::vector<app::ControlState> states;
  for (ControlDouble* control : controls_) states.push_back(control->State());
  return states;
}

void FormDouble::Click(int id) {
  auto* button = dynamic_cast<ButtonDouble*>(Find(id));
  if (button && button->spec.on_click) button->spec.on_click(*button);
}

bool FormDouble::ShortCutHook(const platform::KeyEvent& key) {
  return system_.shortcut && system_.shortcut(key);
}

ControlDouble* FormDouble::Find(int id) const {
  for (ControlDouble* control : controls_)
    if (control->Id() == id) return control;
  return nullptr;
}

std::unique_ptr<platform::Form> WindowSystemDouble::CreateForm(const platform::FormSpec& spec,
                                                               platform::FormEvents& events) {
  auto form = std::make_unique<FormDouble>(*this, log_, spec, events);
  forms.push_back(form.get());
  return form;
}

void WindowSystemDouble::ShowMessageBox(const std::string& title, const std::string& text,
                                        platform::BoxIcon icon) {
  log_.Add(std::string(icon == platform::BoxIcon::Error ? "error box " : "plain box ") + title +
           " | " + text);
}

void WindowSystemDouble::FormGone(FormDouble& form) {
  std::replace(forms.begin(), forms.end(), &form, static_cast<FormDouble*>(nullptr));
}

}  // namespace doubles
