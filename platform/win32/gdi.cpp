// Fonts of the program's layouts as GDI fonts.
#include "platform/win32/gdi.h"

namespace platform::win32 {
namespace {

// The Japanese system faces the font roles stand for.
const wchar_t* FaceOf(FontRole role) {
  switch (role) {
    case FontRole::Proportional: return L"ＭＳ Ｐゴシック";
    case FontRole::Monospaced: return L"ＭＳ ゴシック";
  }
  return L"ＭＳ Ｐゴシック";
}

}  // namespace

HFONT CreateSpecFont(const FontSpec& spec) {
  // A negative height asks for the character height, as the layouts give it.
  return CreateFontW(-spec.pixel_height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                     FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, FaceOf(spec.role));
}

}  // namespace platform::win32
