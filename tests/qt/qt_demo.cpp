// A window to look at and to query through AT-SPI on a real X server: song-like buttons that
// take the blue frame when they take the focus, the menu bar, the staff picture and bevels.
// Not the program: a test tool of the window system alone.
//
//   qt_demo            the player-like window (Alt+F4, the File menu's last item, or Esc ends it)
//   qt_demo help       a help-like window with its text box
//   qt_demo folder     a folder-dialog-like window with the tree of the working directory
//   qt_demo beep N     sounds the alert N times in a row, then ends once they have played
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/linux/qt_alert_sound.h"
#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using namespace qt_test;

namespace {
const char* const kTitles[] = {"さくら", "うみのうた", "東京の夜空", "ABC", "かえるのがっしょう",
                               "とても長い題名のうたです"};

platform::VectorPicture Staff() {
  platform::VectorPicture picture{482, 107, {}};
  for (int line = 0; line < 5; ++line)
    picture.shapes.push_back({platform::VectorPicture::Kind::Line, 2, {{10, 20 + 16 * line}, {472, 20 + 16 * line}}});
  for (int note = 0; note < 5; ++note) {
    const int x = 120 + 60 * note, y = 60 - 6 * note;
    picture.shapes.push_back({platform::VectorPicture::Kind::FilledEllipse, 0, {{x, y}, {x + 18, y + 13}}});
    picture.shapes.push_back({platform::VectorPicture::Kind::Line, 3, {{x + 17, y + 6}, {x + 17, 8}}});
  }
  picture.shapes.push_back({platform::VectorPicture::Kind::Bezier, 5, {{137, 8}, {200, 0}, {300, 0}, {377, 8}}});
  return picture;
}

struct PlayerLike : platform::FormEvents {
  explicit PlayerLike(platform::WindowSystem& windows) : windows(windows) {
    const int count = 6;
    platform::FormSpec spec = SongFormSpec(count);
    spec.left = 343;
    spec.top = 116;
    spec.menu.front().items.push_back({Sjis("終了(&X)"), 3, {}, {}});
    spec.menu.push_back({Sjis("ヘルプ(&H)"), 0, {}, {{Sjis("ヘルプ...(&A)"), 4, {}, {}}, {Sjis("バージョン情報..."), 5, {}, {}}}});
    form = windows.CreateForm(spec, *this);
    bevels.push_back(form->AddBevel({{0, 0, 313, 17}, platform::BevelShape::TopLine}));
    for (int i = 0; i < count; ++i) {
      platform::PushButtonSpec button;
      button.bounds = {15, 16 + 60 * i, 290, 40};
      std::string caption = " " + std::to_string(i + 1) + " " + Sjis(kTitles[i]);
      caption.resize(std::max<size_t>(caption.size(), 23), ' ');
      button.caption = caption.substr(0, 23);
      button.font = {platform::FontRole::Monospaced, 21, true};
      button.tag = i;
      button.hand_cursor = true;
      button.on_enter = [this](platform::PushButton& b) { form->SetOutlines({Frame(b.Tag(), kBlue)}); };
      buttons.push_back(form->AddPushButton(button));
    }
    const int top = 60 * (count - 1) + 70;
    bevels.push_back(form->AddBevel({{24, top, 265, 49}, platform::BevelShape::Box}));
    picture = Staff();
    bevels.push_back(form->AddPicture({{32, top, 249, 49}, &picture}));
  }
  void OnPaint() override { form->SetOutlines({Frame(0, kBlue)}); }
  void OnMenu(int command) override {
    if (command == 3) windows.RequestQuit();
    if (command == 5) windows.ShowMessageBox(Sjis("Otopicco"), Sjis("Otopicco♪ Ver2.1"), platform::BoxIcon::None);
  }
  // Each key-up as the program's key number and modifiers, for checking the translation.
  void OnKeyUp(const platform::KeyEvent& key) override {
    std::fprintf(stderr, "key-up %d shift=%d ctrl=%d alt=%d\n", static_cast<int>(key.key),
                 key.modifiers.shift, key.modifiers.ctrl, key.modifiers.alt);
    if (key.key == platform::Key::Escape) windows.RequestQuit();
  }
  platform::WindowSystem& windows;
  std::unique_ptr<platform::Form> form;
  std::vector<std::unique_ptr<platform::PushButton>> buttons;
  std::vector<std::unique_ptr<platform::Graphic>> bevels;
  platform::VectorPicture picture;
};

int RunHelpLike(platform::linux_impl::QtWindowSystem& windows) {
  RecordingEvents events;
  platform::FormSpec spec{Sjis("ヘルプ"), 494, 154, false, 410, 417, platform::Border::Sizeable, kYellow, {}, false, {}};
  auto form = windows.CreateForm(spec, events);
  auto done = form->AddPushButton({{152, 373, 81, 41}, Sjis("おわる"), {platform::FontRole::Proportional, 16, true}, 0, false, true, false,
                                   [&windows](platform::PushButton&) { windows.RequestQuit(); }, {}});
  std::vector<std::string> lines{Sjis("●Otopicco ヘルプ"), "",
                                 Sjis("　↓キー(あるいはTabキー)でひとつ下の曲に移動できます、移動後、曲の番号と曲名が合成音声で読まれます。"),
                                 Sjis("前") + std::string("\0", 1) + Sjis("後")};
  auto memo = form->AddMemo({{14, 7, 385, 361}, {platform::FontRole::Proportional, 15, false}, lines});
  windows.Run(*form);
  return 0;
}

int RunFolderLike(platform::linux_impl::QtWindowSystem& windows) {
  RecordingEvents events;
  platform::FormSpec spec{Sjis("フォルダの選択"), 0, 0, true, 298, 341, platform::Border::Dialog, kYellow, {}, false, {}};
  auto form = windows.CreateForm(spec, events);
  auto tree = form->AddFolderTree({{17, 12, 265, 265}});
  tree->ShowRoot(platform::TreeRoot::Folder(platform::PathName::Ascii(".")));
  auto top = form->AddPushButton({{13, 288, 73, 49}, Sjis("デスクットプ"), {platform::FontRole::Proportional, 12, true}, 0, false, false, false,
                                  [&tree](platform::PushButton&) { tree->ShowRoot(platform::TreeRoot::Top()); }, {}});
  auto ok = form->AddPushButton({{113, 288, 73, 49}, Sjis("ＯＫ"), {platform::FontRole::Proportional, 16, true}, 1, false, true, false,
                                 [&windows](platform::PushButton&) { windows.RequestQuit(); }, {}});
  windows.Run(*form);
  return 0;
}

int RunBeeps(int count) {
  platform::linux_impl::AlertSound sound;
  for (int i = 0; i < count; ++i) sound.Play();
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&sound] { if (sound.Waiting() == 0) QApplication::quit(); });
  poll.start(20);
  return QApplication::exec();
}
}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc > 2 && std::strcmp(argv[1], "beep") == 0) return RunBeeps(std::atoi(argv[2]));
  platform::linux_impl::QtWindowSystem windows;
  // As the program does: Left and Right do nothing in any window.
  windows.SetShortCutHook([](const platform::KeyEvent& key) {
    return key.key == platform::Key::Left || key.key == platform::Key::Right;
  });
  if (argc > 1 && std::strcmp(argv[1], "help") == 0) return RunHelpLike(windows);
  if (argc > 1 && std::strcmp(argv[1], "folder") == 0) return RunFolderLike(windows);
  PlayerLike player(windows);
  windows.Run(*player.form);
  return 0;
}
