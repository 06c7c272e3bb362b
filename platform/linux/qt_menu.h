// A form's menu bar, built from the program's menu.
#pragma once

#include <functional>
#include <vector>

#include "platform/window_system.h"

class QMenuBar;
class QWidget;

namespace platform::linux_impl {

// Captions keep their "&" access keys; a shortcut is shown beside its caption but matched by
// the form's own key rules, never by Qt, so a key is handled once and in the program's order.
QMenuBar* BuildMenuBar(const std::vector<MenuSpec>& menu, QWidget* parent,
                       const std::function<void(int command)>& on_command);

}  // namespace platform::linux_impl
