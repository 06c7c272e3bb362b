// What the Qt window system tests share: a form's events recorded, song-like buttons, and the
// Shift-JIS of UTF-8 texts.
#pragma once

#include <QString>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_system.h"

namespace qt_test {

std::string Sjis(const char* utf8);

// What the form told the program, in order.
struct RecordingEvents : platform::FormEvents {
  std::vector<platform::Outline> paint_outlines;  // what OnPaint sets
  platform::Form* form = nullptr;
  int paints = 0;
  std::vector<platform::KeyEvent> key_ups;
  std::vector<int> menus;
  std::function<void(const platform::KeyEvent&)> on_key_up;
  void OnPaint() override;
  void OnKeyUp(const platform::KeyEvent& key) override;
  void OnMenu(int command) override { menus.push_back(command); }
};

// A yellow form with `count` song buttons laid out as the player lays them out (left 15, top
// 16 + 60 × index, 290 × 40), with a File menu holding Ctrl+O (command 1) and Ctrl+S (2).
struct SongForm {
  SongForm(platform::WindowSystem& windows, int count);
  RecordingEvents events;
  std::unique_ptr<platform::Form> form;
  std::vector<std::unique_ptr<platform::PushButton>> buttons;
  std::vector<int> entered;  // tags, in the order on_enter ran
  std::vector<int> clicked;  // tags, in the order on_click ran
  QWidget* Window() const;
  QWidget* Button(int index) const;
  // The index of the song button that has the keyboard focus, or -1.
  int FocusedSong() const;
};

platform::FormSpec SongFormSpec(int count);
QWidget* WindowOf(platform::Form& form);
platform::Outline Frame(int index, platform::Color pen);
constexpr platform::Color kYellow{255, 255, 0};
constexpr platform::Color kBlue{0, 0, 255};

}  // namespace qt_test
