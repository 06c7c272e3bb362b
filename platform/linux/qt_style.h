// The look of the program's windows on every Linux desktop: Fusion, with push buttons that show
// their focus the way Windows does (a dotted rectangle inside the button) instead of Fusion's
// coloured outline, which would read as a second highlight frame beside the program's blue one.
// Its menu bars have no overflow arrow: the program's few short menus always fit their window,
// and reading the arrow's picture made every menu bar load all of Qt's image decoders before song
// 1 could be announced.
#pragma once

#include <QProxyStyle>

namespace platform::linux_impl {

class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle();
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                     const QWidget* widget) const override;
};

}  // namespace platform::linux_impl
