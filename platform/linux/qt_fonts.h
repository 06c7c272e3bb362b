// The program's font roles as installed Japanese families.
#pragma once

#include <QFont>

#include "platform/drawing.h"

namespace platform::linux_impl {

// Proportional: IPAPGothic (fonts-ipafont-gothic), made to the metrics of "ＭＳ Ｐゴシック";
// Monospaced: IPAGothic, the same for "ＭＳ ゴシック". Noto Sans CJK JP stands in where IPA is
// missing, then whatever fontconfig finds for Japanese.
QFont FontFor(const FontSpec& spec);

}  // namespace platform::linux_impl
