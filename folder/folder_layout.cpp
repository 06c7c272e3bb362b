// The folder dialog as stored: the tree above a row of three buttons, on yellow.
#include "folder/folder_layout.h"

#include "player/colours.h"
#include "player/texts.h"
#include "player/window_fonts.h"

namespace folder {

namespace {
constexpr int kButtonTop = 288, kButtonWidth = 73, kButtonHeight = 49;

platform::PushButtonSpec DialogButton(int left, const char* caption, platform::FontSpec font) {
  platform::PushButtonSpec spec;
  spec.bounds = platform::Bounds{left, kButtonTop, kButtonWidth, kButtonHeight};
  spec.caption = caption;
  spec.font = font;
  return spec;
}
}  // namespace

platform::FormSpec FolderFormSpec() {
  platform::FormSpec spec;
  spec.caption = texts::kFolderCaption;
  spec.centred_first_time = true;
  spec.client_width = 298;
  spec.client_height = 341;
  spec.border = platform::Border::Dialog;
  spec.background = player::kYellow;
  spec.font = player::kWindowFont;
  return spec;
}

platform::FolderTreeSpec ShellTreeView1Spec() {
  return platform::FolderTreeSpec{platform::Bounds{17, 12, 265, 265}};
}

platform::PushButtonSpec Button1Spec() {
  platform::FontSpec bold = player::kWindowFont;
  bold.bold = true;
  return DialogButton(13, texts::kDesktopButton, bold);
}

platform::PushButtonSpec Button2Spec() {
  platform::PushButtonSpec spec = DialogButton(113, texts::kOkButton, player::kBigButtonFont);
  spec.is_default = true;
  return spec;
}

platform::PushButtonSpec Button3Spec() {
  platform::PushButtonSpec spec = DialogButton(210, texts::kCancelButton, player::kWindowFont);
  spec.is_cancel = true;
  return spec;
}

}  // namespace folder
