// Every key the program uses, as Qt delivers it, becomes the program's key.
#include <QKeyEvent>
#include <QtTest>

#include "platform/linux/qt_keys.h"

using platform::Key;
Q_DECLARE_METATYPE(Key)

namespace {
platform::KeyEvent Translate(int qt_key, Qt::KeyboardModifiers mods) {
  const QKeyEvent event(QEvent::KeyPress, qt_key, mods);
  return platform::linux_impl::ToKeyEvent(event);
}
}  // namespace

class KeysTest : public QObject {
  Q_OBJECT
 private slots:
  void keys_data() {
    QTest::addColumn<int>("qt_key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<Key>("key");
    const int none = Qt::NoModifier, keypad = Qt::KeypadModifier;
    QTest::newRow("Up") << int(Qt::Key_Up) << none << Key::Up;
    QTest::newRow("Down") << int(Qt::Key_Down) << none << Key::Down;
    QTest::newRow("Left") << int(Qt::Key_Left) << none << Key::Left;
    QTest::newRow("Right") << int(Qt::Key_Right) << none << Key::Right;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << none << Key::Tab;
    QTest::newRow("Return") << int(Qt::Key_Return) << none << Key::Enter;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << keypad << Key::Enter;
    QTest::newRow("Space") << int(Qt::Key_Space) << none << Key::Space;
    QTest::newRow("Esc") << int(Qt::Key_Escape) << none << Key::Escape;
    QTest::newRow("F4") << int(Qt::Key_F4) << none << Key::F4;
    QTest::newRow("O") << int(Qt::Key_O) << none << Key::O;
    QTest::newRow("S") << int(Qt::Key_S) << none << Key::S;
    // Num Lock on: the keypad's digits.
    QTest::newRow("keypad 8, Num Lock on") << int(Qt::Key_8) << keypad << Key::Numpad8;
    QTest::newRow("keypad 2, Num Lock on") << int(Qt::Key_2) << keypad << Key::Numpad2;
    // Num Lock off: the keypad's arrows act as the arrows.
    QTest::newRow("keypad 8, Num Lock off") << int(Qt::Key_Up) << keypad << Key::Up;
    QTest::newRow("keypad 2, Num Lock off") << int(Qt::Key_Down) << keypad << Key::Down;
    QTest::newRow("keypad 4, Num Lock off") << int(Qt::Key_Left) << keypad << Key::Left;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << Key::NumpadMinus;
    QTest::newRow("keypad divide") << int(Qt::Key_Slash) << keypad << Key::NumpadDivide;
    // The main keyboard's digits and signs are no keypad keys.
    QTest::newRow("8") << int(Qt::Key_8) << none << Key::Other;
    QTest::newRow("2") << int(Qt::Key_2) << none << Key::Other;
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << Key::Other;
    QTest::newRow("slash") << int(Qt::Key_Slash) << none << Key::Other;
    QTest::newRow("keypad 5") << int(Qt::Key_5) << keypad << Key::Other;
    QTest::newRow("A") << int(Qt::Key_A) << none << Key::Other;
  }

  void keys() {
    QFETCH(int, qt_key);
    QFETCH(int, mods);
    QFETCH(Key, key);
    const platform::KeyEvent event = Translate(qt_key, Qt::KeyboardModifiers(mods));
    QCOMPARE(event.key, key);
    QVERIFY(event.modifiers.None());
  }

  void modifiers() {
    const platform::KeyEvent ctrl_o = Translate(Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(ctrl_o.key, Key::O);
    QVERIFY(ctrl_o.modifiers == (platform::Modifiers{false, true, false}));
    const platform::KeyEvent alt_f4 = Translate(Qt::Key_F4, Qt::AltModifier);
    QVERIFY(alt_f4.modifiers == (platform::Modifiers{false, false, true}));
    const platform::KeyEvent all = Translate(Qt::Key_Return, Qt::ShiftModifier | Qt::ControlModifier |
                                                                 Qt::AltModifier | Qt::KeypadModifier);
    QCOMPARE(all.key, Key::Enter);
    QVERIFY(all.modifiers == (platform::Modifiers{true, true, true}));
    // The keypad is no modifier of the program's.
    QVERIFY(Translate(Qt::Key_2, Qt::KeypadModifier | Qt::ShiftModifier).modifiers ==
            (platform::Modifiers{true, false, false}));
  }

  void backtab_is_shift_tab() {
    // Qt reports Shift+Tab as Backtab, with or without the Shift it came from.
    for (const Qt::KeyboardModifiers mods : {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers()}) {
      const platform::KeyEvent key = Translate(Qt::Key_Backtab, mods);
      QCOMPARE(key.key, Key::Tab);
      QVERIFY(key.modifiers == (platform::Modifiers{true, false, false}));
    }
  }

  void shortcut_text() {
    QCOMPARE(platform::linux_impl::ShortcutText(platform::Ctrl(Key::O)).toString(), QStringLiteral("Ctrl+O"));
    QCOMPARE(platform::linux_impl::ShortcutText(platform::Ctrl(Key::S)).toString(), QStringLiteral("Ctrl+S"));
    QVERIFY(platform::linux_impl::ShortcutText(platform::Shortcut{}).isEmpty());
  }
};

QTEST_MAIN(KeysTest)
#include "qt_keys_test.moc"
