// The player window as the form designer stored it.
#include "player/player_layout.h"

#include "player/mp3_form.h"
#include "player/staff_picture.h"
#include "player/texts.h"

namespace player {

namespace {
constexpr int kMainIcon = 1;
// 9 points at 96 pixels per inch.
constexpr int kWindowFontHeight = 12;
// 16 points at 96 pixels per inch.
constexpr int kSongFontHeight = 21;

int Command(PlayerCommand command) { return static_cast<int>(command); }

std::vector<platform::MenuSpec> MainMenu1() {
  using platform::kCtrl;
  platform::MenuSpec file{texts::kMenuFile, 0, 0, {}};
  file.items = {
      {texts::kMenuChooseFolder, Command(PlayerCommand::ChooseFolder), kCtrl + 'O', {}},  // N4
      {texts::kMenuStop, Command(PlayerCommand::Stop), kCtrl + 'S', {}},                  // N1
      {texts::kMenuExit, Command(PlayerCommand::Exit), 0, {}},                            // Exit2
  };
  platform::MenuSpec help{texts::kMenuHelp, 0, 0, {}};
  help.items = {
      {texts::kMenuHelpWindow, Command(PlayerCommand::Help), 0, {}},  // N2
      {texts::kMenuVersion, Command(PlayerCommand::Version), 0, {}},  // N3
  };
  return {file, help};  // Exit1, Help1
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
  spec.background = platform::kYellow;
  spec.font = platform::FontSpec{texts::kUiFont, kWindowFontHeight, false};
  spec.icon = kMainIcon;
  spec.menu = MainMenu1();
  return spec;
}

platform::BevelSpec Bevel1Spec() {
  return platform::BevelSpec{platform::Bounds{0, 0, 313, 17}, platform::BevelShape::TopLine};
}

platform::BevelSpec Bevel2Spec() {
  return platform::BevelSpec{platform::Bounds{24, 240, 265, 49}, platform::BevelShape::Box};
}

platform::PictureSpec Image1Spec() {
  return platform::PictureSpec{platform::Bounds{32, 240, 249, 49}, &StaffPicture()};
}

platform::FontSpec SongButtonFont() {
  return platform::FontSpec{texts::kSongButtonFont, kSongFontHeight, true};
}

}  // namespace player
