#include "tests/qt/qt_test_support.h"

#include <QApplication>
#include <QPushButton>

#include "platform/linux/iconv_codec.h"
#include "platform/linux/qt_form.h"

namespace qt_test {

std::string Sjis(const char* utf8) { return platform::linux_impl::IconvCodec::Utf8ToSjis(utf8); }

void RecordingEvents::OnPaint() {
  ++paints;
  if (form) form->SetOutlines(paint_outlines);
}

void RecordingEvents::OnKeyUp(const platform::KeyEvent& key) {
  key_ups.push_back(key);
  if (on_key_up) on_key_up(key);
}

platform::FormSpec SongFormSpec(int count) {
  platform::FormSpec spec;
  spec.caption = Sjis("Otopicco♪");
  spec.left = 40;
  spec.top = 30;
  spec.client_width = 312;
  spec.client_height = 60 * (count - 1) + 131;
  spec.border = platform::Border::FixedSingle;
  spec.background = kYellow;
  spec.program_icon = true;
  platform::MenuSpec file{Sjis("ファイル(&F)"), 0, {}, {}};
  file.items.push_back({Sjis("フォルダを指定...(&O)"), 1, platform::Ctrl(platform::Key::O), {}});
  file.items.push_back({Sjis("停止(&S)"), 2, platform::Ctrl(platform::Key::S), {}});
  spec.menu.push_back(file);
  return spec;
}

platform::Outline Frame(int index, platform::Color pen) {
  return platform::Outline{{13, 60 * index + 14, 307, 60 * index + 58}, pen, 4};
}

SongForm::SongForm(platform::WindowSystem& windows, int count) {
  form = windows.CreateForm(SongFormSpec(count), events);
  events.form = form.get();
  for (int i = 0; i < count; ++i) {
    platform::PushButtonSpec spec;
    spec.bounds = {15, 16 + 60 * i, 290, 40};
    spec.caption = Sjis((" " + std::to_string(i + 1) + " うた" + std::to_string(i + 1)).c_str());
    spec.font = {platform::FontRole::Monospaced, 21, true};
    spec.tag = i;
    spec.hand_cursor = true;
    spec.on_click = [this](platform::PushButton& b) { clicked.push_back(b.Tag()); };
    spec.on_enter = [this](platform::PushButton& b) { entered.push_back(b.Tag()); };
    buttons.push_back(form->AddPushButton(spec));
  }
}

QWidget* SongForm::Button(int index) const {
  const QList<QPushButton*> all = Window()->findChildren<QPushButton*>();
  for (QPushButton* button : all)
    if (button->geometry().top() == 16 + 60 * index) return button;
  return nullptr;
}

QWidget* SongForm::Window() const { return WindowOf(*form); }

QWidget* WindowOf(platform::Form& form) {
  return dynamic_cast<platform::linux_impl::QtForm&>(form).Window();
}

int SongForm::FocusedSong() const {
  for (int i = 0; i < static_cast<int>(buttons.size()); ++i)
    if (Button(i) && Button(i)->hasFocus()) return i;
  return -1;
}

}  // namespace qt_test
