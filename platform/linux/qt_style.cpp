#include "platform/linux/qt_style.h"

#include <QIcon>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

namespace platform::linux_impl {

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

void ProgramStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
  const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
  if (element != CE_PushButton || !button || !(button->state & State_HasFocus)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  QStyleOptionButton unfocused(*button);
  unfocused.state &= ~State_HasFocus;
  QProxyStyle::drawControl(element, &unfocused, painter, widget);
  painter->save();
  QPen dots(button->palette.color(QPalette::ButtonText), 1, Qt::DotLine);
  painter->setPen(dots);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(button->rect.adjusted(4, 4, -5, -5));
  painter->restore();
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
    return QIcon();
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace platform::linux_impl
