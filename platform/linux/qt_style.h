// The look of the program's windows on every Linux desktop: Fusion, with push buttons that show
// their focus the way Windows does (a dotted rectangle inside the button) instead of Fusion's
// coloured outline, which would read as a second highlight frame beside the program's blue one.
#pragma once

#include <QProxyStyle>

namespace platform::linux_impl {

class ProgramStyle : public QProxyStyle {
 public:
  ProgramStyle();
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
};

}  // namespace platform::linux_impl
