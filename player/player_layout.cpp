// The player window as the form designer stored it, and its sizing rules.
#include "player/player_layout.h"

#include "player/colours.h"
#include "player/mp3_form.h"
#include "player/staff_picture.h"
#include "player/texts.h"
#include "player/window_fonts.h"

namespace player {

namespace {
constexpr int kButtonLeft = 15, kButtonTop = 16, kButtonPitch = 60;
constexpr int kButtonWidth = 290, kButtonHeight = 40;
// 16 points at 96 pixels per inch.
constexpr int kSongFontHeight = 21;
constexpr int kPictureLeft = 32, kBevel2Left = 24, kStoredPictureTop = 240;

// The frame that a window with a single fixed border and a one-line menu bar has on Windows at
// 96 pixels per inch (measured under Wine): 3 pixels on each side, a 19-pixel title bar and a
// 19-pixel menu bar. The window's outer size rule is what the user sees, so the client size
// handed to the window system is that rule less this frame.
constexpr int kWindowsFrameWidth = 3 + 3;
constexpr int kWindowsFrameHeight = 3 + 19 + 19 + 3;

int Command(PlayerCommand command) { return static_cast<int>(command); }

std::vector<platform::MenuSpec> MainMenu1() {
  using platform::Key;
  const platform::Shortcut none;
  platform::MenuSpec file{texts::kMenuFile, 0, none, {}};  // Exit1
  file.items = {
      {texts::kMenuChooseFolder, Command(PlayerCommand::ChooseFolder), platform::Ctrl(Key::O), {}},  // N4
      {texts::kMenuStop, Command(PlayerCommand::Stop), platform::Ctrl(Key::S), {}},  // N1
      {texts::kMenuExit, Command(PlayerCommand::Exit), none, {}},                    // Exit2
  };
  platform::MenuSpec help{texts::kMenuHelp, 0, none, {}};  // Help1
  help.items = {
      {texts::kMenuHelpWindow, Command(PlayerCommand::Help), none, {}},  // N2
      {texts::kMenuVersion, Command(PlayerCommand::Version), none, {}},  // N3
  };
  return {file, help};
}
}  // namespace

platform::FormSpec PlayerFormSpec() {
  platform::FormSpec spec;
  spec.caption = texts::kPlayerCaption;
  spec.left = 343;
  spec.top = 116;
  spec.client_width = 308;
  spec.client_height = 289;
  spec.border = platform::Border::FixedSingle;
  spec.background = kYellow;
  spec.font = kWindowFont;
  spec.program_icon = true;
  spec.menu = MainMenu1();
  return spec;
}

platform::BevelSpec Bevel1Spec() {
  return platform::BevelSpec{platform::Bounds{0, 0, 313, 17}, platform::BevelShape::TopLine};
}

platform::BevelSpec Bevel2Spec() {
  return platform::BevelSpec{platform::Bounds{kBevel2Left, kStoredPictureTop, 265, 49},
                             platform::BevelShape::Box};
}

platform::PictureSpec Image1Spec() {
  return platform::PictureSpec{platform::Bounds{kPictureLeft, kStoredPictureTop, 249, 49},
                               &StaffPicture()};
}

platform::Bounds SongButtonBounds(int index) {
  return platform::Bounds{kButtonLeft, kButtonTop + kButtonPitch * index, kButtonWidth,
                          kButtonHeight};
}

platform::FontSpec SongButtonFont() {
  return platform::FontSpec{platform::FontRole::Monospaced, kSongFontHeight, true};
}

int WindowOuterHeight(int32_t max_index) { return kButtonPitch * max_index + 180; }

int WindowClientWidth() { return kWindowOuterWidth - kWindowsFrameWidth; }

int WindowClientHeight(int32_t max_index) {
  return WindowOuterHeight(max_index) - kWindowsFrameHeight;
}

int PictureTop(int32_t max_index) { return kButtonPitch * max_index + 70; }

}  // namespace player
