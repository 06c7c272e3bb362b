// The controls a form makes: each becomes a child of the client surface and, when it can take
// the focus, one of the form's controls in tab order.
#include <QApplication>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>

#include "platform/linux/qt_controls.h"
#include "platform/linux/qt_folder_tree.h"
#include "platform/linux/qt_fonts.h"
#include "platform/linux/qt_form.h"
#include "platform/linux/qt_graphics.h"
#include "platform/linux/qt_text.h"

namespace platform::linux_impl {

namespace {
void Place(QWidget* widget, const Bounds& bounds) {
  widget->setGeometry(bounds.left, bounds.top, bounds.width, bounds.height);
}

// A song title is shown as the file is named: an "&" in it is no access key.
QString ButtonCaption(const std::string& sjis) {
  return FromSjis(sjis).replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

std::unique_ptr<PushButton> QtForm::AddPushButton(const PushButtonSpec& spec) {
  auto* widget = new QPushButton(window_->Surface());
  Place(widget, spec.bounds);
  // Laying out and drawing the titles in the Japanese face is the slowest part of the window's
  // first painting; the child is waiting for the first announcement, so the titles come a moment
  // after it (the screen reader's names are there from the start).
  PrepareCaption([widget = QPointer<QPushButton>(widget), caption = ButtonCaption(spec.caption)] {
    if (widget) widget->setText(caption);
  });
  widget->setAccessibleName(FromSjis(spec.caption).trimmed());
  widget->setFont(FontFor(spec.font));
  if (spec.hand_cursor) widget->setCursor(Qt::PointingHandCursor);
  widget->setFocusPolicy(Qt::StrongFocus);
  // Enter and Esc are the form's rules; Qt's own default-button handling stays out.
  widget->setAutoDefault(false);
  widget->setDefault(spec.is_default);

  auto button = std::make_unique<QtPushButton>(*this, widget, spec.tag);
  QtPushButton* self = button.get();
  ControlRole role{app::ControlKind::PushButton, true, spec.is_default, spec.is_cancel, {}, {}};
  if (spec.on_click) role.on_click = [on_click = spec.on_click, self] { on_click(*self); };
  if (spec.on_enter) role.on_enter = [on_enter = spec.on_enter, self] { on_enter(*self); };
  const int id = AddControl(widget, std::move(role));
  button->Attach(id);
  // A mouse click comes on the release over the button, as push buttons click.
  QObject::connect(widget, &QPushButton::clicked, widget, [this, id] { Click(id); });
  return button;
}

std::unique_ptr<Graphic> QtForm::AddPicture(const PictureSpec& spec) {
  auto* widget = new PictureWidget(window_->Surface(), spec);
  widget->show();
  return std::make_unique<QtGraphic>(widget);
}

std::unique_ptr<Graphic> QtForm::AddBevel(const BevelSpec& spec) {
  auto* widget = new BevelWidget(window_->Surface(), spec);
  widget->show();
  return std::make_unique<QtGraphic>(widget);
}

std::unique_ptr<Memo> QtForm::AddMemo(const MemoSpec& spec) {
  // The text box starts in the desktop's font, whose glyphs the menus have loaded already: made
  // in the window's face, it would load that face to lay out its empty text while the first
  // announcement waits. Its own face comes with its text (QtMemo::SetLines).
  auto* edit = new QPlainTextEdit;
  edit->setFont(QApplication::font(edit));
  edit->setParent(window_->Surface());
  Place(edit, spec.bounds);
  edit->setReadOnly(true);
  // A caret that the keys move, as a read-only text box has.
  edit->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  edit->setAccessibleName(FromSjis(spec_.caption));
  const int id = AddControl(edit, ControlRole{app::ControlKind::TextBox, true, false, false, {}, {}});
  auto memo = std::make_unique<QtMemo>(*this, edit, id, spec.font);
  memo->SetLines(spec.lines);
  return memo;
}

std::unique_ptr<FolderTree> QtForm::AddFolderTree(const FolderTreeSpec& spec) {
  auto* tree = new FolderTreeWidget(window_->Surface());
  Place(tree, spec.bounds);
  tree->setAccessibleName(FromSjis(spec_.caption));
  const int id = AddControl(tree, ControlRole{app::ControlKind::FolderTree, true, false, false, {}, {}});
  return std::make_unique<QtFolderTree>(*this, tree, id);
}

}  // namespace platform::linux_impl
