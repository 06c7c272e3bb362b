// The help window's text box: every byte of the Shift-JIS lines shown, long lines wrapped, a
// caret that Up and Down move while Left and Right move nothing, and Tab leading out of it.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using platform::Key;
using qt_test::Sjis;

class MemoTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;
  qt_test::RecordingEvents events_;
  std::unique_ptr<platform::Form> form_;
  std::unique_ptr<platform::Memo> memo_;
  std::unique_ptr<platform::PushButton> button_;
  int clicks_ = 0;

  QPlainTextEdit* Edit() { return qt_test::WindowOf(*form_)->findChild<QPlainTextEdit*>(); }
  void Key(Qt::Key key) { QTest::keyClick(qt_test::WindowOf(*form_)->windowHandle(), key); }

 private slots:
  void init() {
    windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>();
    windows_->SetShortCutHook([](const platform::KeyEvent& key) {
      return key.key == Key::Left || key.key == Key::Right;
    });
    platform::FormSpec spec;
    spec.caption = Sjis("ヘルプ");
    spec.client_width = 410;
    spec.client_height = 417;
    spec.background = qt_test::kYellow;
    form_ = windows_->CreateForm(spec, events_);
    platform::PushButtonSpec done;
    done.bounds = {152, 373, 81, 41};
    done.caption = Sjis("おわる");
    done.is_default = true;
    done.on_click = [this](platform::PushButton&) { ++clicks_; };
    button_ = form_->AddPushButton(done);
    memo_ = form_->AddMemo({{14, 7, 385, 361}, {platform::FontRole::Proportional, 15, false},
                            {Sjis("はじめの行")}});
  }
  void cleanup() {
    memo_.reset();
    button_.reset();
    form_.reset();
    windows_.reset();
  }

  void every_byte_of_the_lines_is_shown() {
    QCOMPARE(Edit()->toPlainText(), QStringLiteral("はじめの行"));
    const std::string with_nul = Sjis("前") + std::string("\0", 1) + Sjis("後");
    memo_->SetLines({Sjis("　↓キーで移動"), with_nul, "", "ABC"});
    QCOMPARE(Edit()->toPlainText(), QStringLiteral("　↓キーで移動\n前 後\n\nABC"));
    // A lone first byte of a double-byte character still shows as something.
    memo_->SetLines({std::string("ab\x82", 3)});
    QCOMPARE(Edit()->toPlainText().size(), 3);
  }

  void long_lines_wrap_with_a_vertical_scroll_bar_only() {
    QVERIFY(Edit()->isReadOnly());
    QCOMPARE(Edit()->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(Edit()->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(Edit()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(Edit()->accessibleName(), QStringLiteral("ヘルプ"));
  }

  void up_and_down_move_the_caret_left_and_right_do_not() {
    memo_->SetLines({Sjis("一行目"), Sjis("二行目"), Sjis("三行目")});
    form_->Show();
    QVERIFY(QTest::qWaitForWindowActive(qt_test::WindowOf(*form_)));
    QVERIFY(qobject_cast<QPushButton*>(QApplication::focusWidget()));  // first in tab order
    Key(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Edit());
    Key(Qt::Key_Down);
    Key(Qt::Key_Down);
    QCOMPARE(Edit()->textCursor().blockNumber(), 2);
    Key(Qt::Key_Up);
    QCOMPARE(Edit()->textCursor().blockNumber(), 1);
    const int column = Edit()->textCursor().positionInBlock();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    QCOMPARE(Edit()->textCursor().positionInBlock(), column);
    // Enter in the text presses the default button.
    Key(Qt::Key_Return);
    QCOMPARE(clicks_, 1);
    Key(Qt::Key_Tab);
    QVERIFY(qobject_cast<QPushButton*>(QApplication::focusWidget()));
  }
};

QTEST_MAIN(MemoTest)
#include "qt_memo_test.moc"
