// The player-like form driven by keys as Qt delivers them: the focus moves, wraps and clicks by
// the program's rules, on_enter runs only when the focus really arrives, and coming back to the
// window announces nothing.
#include <QMenu>
#include <QMenuBar>
#include <QtTest>
#include <stdexcept>

#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using platform::Key;
using qt_test::SongForm;

class NavigationTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;
  std::unique_ptr<SongForm> songs_;

  QWindow* Handle() { return songs_->Window()->windowHandle(); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Handle(), key, mods); }

  // Shows `count` songs; the first one has the focus and was entered.
  bool Start(int count) {
    windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>();
    windows_->SetShortCutHook([](const platform::KeyEvent& key) {
      return key.key == Key::Left || key.key == Key::Right;
    });
    songs_ = std::make_unique<SongForm>(*windows_, count);
    songs_->form->Show();
    return QTest::qWaitForWindowActive(songs_->Window()) && songs_->FocusedSong() == 0;
  }

 private slots:
  void cleanup() {
    songs_.reset();
    windows_.reset();
  }

  void activation_enters_the_first_song_once() {
    QVERIFY(Start(3));
    QCOMPARE(songs_->entered, std::vector<int>({0}));
  }

  void up_and_down_wrap_around() {
    QVERIFY(Start(3));
    Key(Qt::Key_Down);
    QCOMPARE(songs_->FocusedSong(), 1);
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    QCOMPARE(songs_->FocusedSong(), 0);
    Key(Qt::Key_Up);
    QCOMPARE(songs_->FocusedSong(), 2);
    // Num Lock off: the keypad's 2 and 8 arrive as arrows.
    Key(Qt::Key_Down, Qt::KeypadModifier);
    QCOMPARE(songs_->FocusedSong(), 0);
    QCOMPARE(songs_->entered, std::vector<int>({0, 1, 2, 0, 2, 0}));
  }

  void tab_and_shift_tab_wrap_around() {
    QVERIFY(Start(2));
    Key(Qt::Key_Tab);
    QCOMPARE(songs_->FocusedSong(), 1);
    Key(Qt::Key_Tab);
    QCOMPARE(songs_->FocusedSong(), 0);
    Key(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(songs_->FocusedSong(), 1);
    QCOMPARE(songs_->entered, std::vector<int>({0, 1, 0, 1}));
  }

  void a_single_song_stays_where_it_is() {
    QVERIFY(Start(1));
    Key(Qt::Key_Down);
    Key(Qt::Key_Up);
    Key(Qt::Key_Tab);
    QCOMPARE(songs_->FocusedSong(), 0);
    QCOMPARE(songs_->entered, std::vector<int>({0}));
  }

  void enter_clicks_when_it_goes_down() {
    QVERIFY(Start(2));
    Key(Qt::Key_Down);
    QTest::keyPress(Handle(), Qt::Key_Return);
    QCOMPARE(songs_->clicked, std::vector<int>({1}));
    QTest::keyRelease(Handle(), Qt::Key_Return);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(songs_->clicked, std::vector<int>({1, 1}));
    Key(Qt::Key_Return, Qt::ShiftModifier);
    Key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(songs_->clicked.size(), size_t(2));
  }

  void space_clicks_when_it_comes_up() {
    QVERIFY(Start(2));
    QTest::keyPress(Handle(), Qt::Key_Space);
    QVERIFY(songs_->clicked.empty());
    QTest::keyRelease(Handle(), Qt::Key_Space);
    QCOMPARE(songs_->clicked, std::vector<int>({0}));
  }

  void menu_shortcuts_run_their_commands() {
    QVERIFY(Start(2));
    Key(Qt::Key_O, Qt::ControlModifier);
    Key(Qt::Key_S, Qt::ControlModifier);
    Key(Qt::Key_S);
    QCOMPARE(songs_->events.menus, std::vector<int>({1, 2}));
  }

  void left_and_right_do_nothing() {
    QVERIFY(Start(2));
    Key(Qt::Key_Right);
    Key(Qt::Key_Left);
    QCOMPARE(songs_->FocusedSong(), 0);
    QCOMPARE(songs_->entered, std::vector<int>({0}));
  }

  void key_ups_reach_the_form_first_and_once_per_held_key() {
    QVERIFY(Start(3));
    // Holding Down: X sends a release and a press for every repeat.
    QTest::simulateEvent(Handle(), true, Qt::Key_Down, Qt::NoModifier, QString(), false);
    QTest::simulateEvent(Handle(), false, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QTest::simulateEvent(Handle(), true, Qt::Key_Down, Qt::NoModifier, QString(), true);
    QTest::simulateEvent(Handle(), false, Qt::Key_Down, Qt::NoModifier, QString(), false);
    QCOMPARE(songs_->FocusedSong(), 2);
    QCOMPARE(songs_->events.key_ups.size(), size_t(1));
    QCOMPARE(songs_->events.key_ups[0].key, Key::Down);
    Key(Qt::Key_2, Qt::KeypadModifier);
    Key(Qt::Key_Slash, Qt::KeypadModifier);
    QCOMPARE(songs_->events.key_ups[1].key, Key::Numpad2);
    QCOMPARE(songs_->events.key_ups[2].key, Key::NumpadDivide);
  }

  void focus_given_by_the_program_enters_only_a_new_button() {
    QVERIFY(Start(3));
    songs_->events.on_key_up = [this](const platform::KeyEvent& key) {
      if (key.key == Key::Numpad2) songs_->buttons[2]->SetFocus();
    };
    Key(Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(songs_->FocusedSong(), 2);
    Key(Qt::Key_2, Qt::KeypadModifier);  // already there: nothing
    QCOMPARE(songs_->entered, std::vector<int>({0, 2}));
  }

  void a_mouse_press_enters_then_the_release_clicks() {
    QVERIFY(Start(3));
    QTest::mousePress(songs_->Button(2), Qt::LeftButton);
    QCOMPARE(songs_->entered, std::vector<int>({0, 2}));
    QVERIFY(songs_->clicked.empty());
    QTest::mouseRelease(songs_->Button(2), Qt::LeftButton);
    QCOMPARE(songs_->clicked, std::vector<int>({2}));
  }

  void coming_back_to_the_window_announces_nothing() {
    QVERIFY(Start(3));
    Key(Qt::Key_Down);
    QWidget other;
    other.setWindowTitle(QStringLiteral("another program"));
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    songs_->Window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(songs_->Window()));
    QCOMPARE(songs_->FocusedSong(), 1);
    QCOMPARE(songs_->entered, std::vector<int>({0, 1}));
  }

  void closing_a_menu_announces_nothing() {
    QVERIFY(Start(2));
    Key(Qt::Key_Down);
    auto* bar = songs_->Window()->findChild<QMenuBar*>();
    QVERIFY(bar);
    QMenu* file = bar->actions().front()->menu();
    bar->setActiveAction(bar->actions().front());
    QTRY_VERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Right);  // the program's hook keeps the menu where it is
    QVERIFY(file->isVisible());
    QTest::keyClick(file, Qt::Key_Escape);
    QTest::keyClick(bar, Qt::Key_Escape);
    QTRY_VERIFY(!file->isVisible());
    QTRY_COMPARE(songs_->FocusedSong(), 1);
    QCOMPARE(songs_->entered, std::vector<int>({0, 1}));
  }

  void a_removed_focused_button_leaves_no_focus_behind() {
    QVERIFY(Start(3));
    Key(Qt::Key_Down);
    songs_->buttons[1].reset();
    QCOMPARE(songs_->FocusedSong(), -1);
    Key(Qt::Key_Down);  // nothing has the focus: nothing moves
    QCOMPARE(songs_->FocusedSong(), -1);
    QCOMPARE(songs_->entered, std::vector<int>({0, 1}));
    Key(Qt::Key_Tab);
    QCOMPARE(songs_->FocusedSong(), 0);
  }

  void an_exception_of_a_handler_is_shown_and_the_loop_goes_on() {
    QVERIFY(Start(2));
    std::vector<std::string> shown;
    windows_->SetExceptionHandler([&](const std::exception& e) { shown.push_back(e.what()); });
    songs_->events.on_key_up = [](const platform::KeyEvent&) { throw std::runtime_error("key-up failed"); };
    Key(Qt::Key_Down);
    QCOMPARE(songs_->FocusedSong(), 1);
    QCOMPARE(shown, std::vector<std::string>({"key-up failed"}));
    Key(Qt::Key_Up);
    QCOMPARE(songs_->FocusedSong(), 0);
    QCOMPARE(shown.size(), size_t(2));
  }
};

QTEST_MAIN(NavigationTest)
#include "qt_navigation_test.moc"
