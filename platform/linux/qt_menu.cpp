#include "platform/linux/qt_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/linux/qt_keys.h"
#include "platform/linux/qt_text.h"

namespace platform::linux_impl {

namespace {
using OnCommand = std::function<void(int command)>;

void AddItems(QMenu* menu, const std::vector<MenuSpec>& items, const OnCommand& on_command);

void AddItem(QMenu* menu, const MenuSpec& item, const OnCommand& on_command) {
  if (item.command == 0) {
    AddItems(menu->addMenu(FromSjis(item.caption)), item.items, on_command);
    return;
  }
  QAction* action = menu->addAction(FromSjis(item.caption));
  // A widget shortcut of a menu item is live only while the menu bar itself has the keyboard,
  // so everywhere else the key reaches the form's rules; the menu still shows it, and screen
  // readers read it as the item's accelerator.
  action->setShortcut(ShortcutText(item.shortcut));
  action->setShortcutContext(Qt::WidgetShortcut);
  const int command = item.command;
  QObject::connect(action, &QAction::triggered, menu, [on_command, command] { on_command(command); });
}

void AddItems(QMenu* menu, const std::vector<MenuSpec>& items, const OnCommand& on_command) {
  for (const MenuSpec& item : items) AddItem(menu, item, on_command);
}
}  // namespace

QMenuBar* BuildMenuBar(const std::vector<MenuSpec>& menu, QWidget* parent,
                       const OnCommand& on_command) {
  auto* bar = new QMenuBar(parent);
  // Inside the window on every desktop: the client size below it is fixed.
  bar->setNativeMenuBar(false);
  for (const MenuSpec& top : menu) {
    if (top.command == 0) {
      AddItems(bar->addMenu(FromSjis(top.caption)), top.items, on_command);
    } else {
      QAction* action = bar->addAction(FromSjis(top.caption));
      const int command = top.command;
      QObject::connect(action, &QAction::triggered, bar, [on_command, command] { on_command(command); });
    }
  }
  return bar;
}

}  // namespace platform::linux_impl
