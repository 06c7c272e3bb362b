// Fonts of the program's layouts as GDI fonts.
#include "platform/win32/gdi.h"

#include "platform/win32/wide_text.h"

namespace platform::win32 {

HFONT CreateSpecFont(const FontSpec& spec) {
  // A negative height asks for the character height, as the layouts give it.
  return CreateFontW(-spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, SjisToWide(spec.face).c_str());
}

}  // namespace platform::win32
