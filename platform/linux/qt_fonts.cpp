#include "platform/linux/qt_fonts.h"

#include <QStringList>

namespace platform::linux_impl {

QFont FontFor(const FontSpec& spec) {
  QFont font;
  switch (spec.role) {
    case FontRole::Proportional:
      font.setFamilies({QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
      font.setStyleHint(QFont::SansSerif);
      break;
    case FontRole::Monospaced:
      font.setFamilies({QStringLiteral("IPAGothic"), QStringLiteral("Noto Sans Mono CJK JP")});
      font.setStyleHint(QFont::TypeWriter);
      font.setFixedPitch(true);
      break;
  }
  font.setPixelSize(spec.pixel_height);
  font.setBold(spec.bold);
  return font;
}

}  // namespace platform::linux_impl
