// The program's message boxes: their title, text, icon and single OK button, which Enter and Esc
// both press; a quit request closes an open box at once and keeps later ones from opening.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using qt_test::Sjis;

namespace {
struct SeenBox {
  QString title, text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QStringList buttons;
  bool centred = false;
};

// Runs `act` on the message box once it is open, after noting what it shows.
void WhenBoxOpens(SeenBox& seen, std::function<void(QMessageBox*)> act) {
  QTimer::singleShot(0, [&seen, act] {
    QMessageBox* box = nullptr;
    QTRY_VERIFY((box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) &&
                box->isVisible());
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.icon = box->icon();
    for (QAbstractButton* b : box->buttons()) seen.buttons << b->text();
    const QRect screen = box->screen()->geometry();
    const QPoint off = box->frameGeometry().center() - screen.center();
    seen.centred = qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4;
    if (!seen.centred) qWarning() << "box at" << box->frameGeometry() << "on" << screen;
    act(box);
  });
}
}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;

 private slots:
  void init() { windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>(); }
  void cleanup() { windows_.reset(); }

  void error_box_shows_its_lines_and_enter_presses_ok() {
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox* box) { QTest::keyClick(box->windowHandle(), Qt::Key_Return); });
    const std::string text = Sjis("musicフォルダ内に\r\n\r\n<b>a&b.mp3 がありません。");
    windows_->ShowMessageBox(Sjis("エラー"), text, platform::BoxIcon::Error);
    QCOMPARE(seen.title, QStringLiteral("エラー"));
    QCOMPARE(seen.text, QStringLiteral("musicフォルダ内に\n\n<b>a&b.mp3 がありません。"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(seen.centred);
    QVERIFY(!QApplication::activeModalWidget());
  }

  void plain_box_has_no_icon_and_esc_presses_ok() {
    SeenBox seen;
    WhenBoxOpens(seen, [](QMessageBox* box) { QTest::keyClick(box->windowHandle(), Qt::Key_Escape); });
    windows_->ShowMessageBox(Sjis("Otopicco"), Sjis("おわります。"), platform::BoxIcon::None);
    QCOMPARE(seen.title, QStringLiteral("Otopicco"));
    QCOMPARE(seen.text, QStringLiteral("おわります。"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
  }

  void a_quit_request_closes_the_open_box_and_the_boxes_after_it() {
    SeenBox seen;
    WhenBoxOpens(seen, [this](QMessageBox*) { windows_->RequestQuit(); });
    QElapsedTimer timer;
    timer.start();
    windows_->ShowMessageBox(Sjis("Otopicco"), Sjis("一つ目"), platform::BoxIcon::None);
    QCOMPARE(seen.text, QStringLiteral("一つ目"));
    QVERIFY(!QApplication::activeModalWidget());
    windows_->ShowMessageBox(Sjis("Otopicco"), Sjis("二つ目"), platform::BoxIcon::None);
    QVERIFY(timer.elapsed() < 5000);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "qt_message_box_test.moc"
