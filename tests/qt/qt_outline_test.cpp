// What the form shows: its size and fonts, the yellow surface, and the highlight outlines drawn
// where the program puts them, kept until it changes them, painted over when removed.
#include <QFontInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include "platform/linux/qt_form.h"
#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using qt_test::Frame;
using qt_test::kBlue;
using qt_test::kYellow;
using qt_test::SongForm;

namespace {
QWidget* Surface(SongForm& songs) {
  return dynamic_cast<platform::linux_impl::QtForm&>(*songs.form).Window()->Surface();
}

QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
const QColor kBlueQ(0, 0, 255), kYellowQ(255, 255, 0);
}  // namespace

class OutlineTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;

 private slots:
  void init() { windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>(); }
  void cleanup() { windows_.reset(); }

  void the_client_area_is_fixed_and_the_menu_bar_comes_on_top() {
    SongForm songs(*windows_, 3);
    songs.form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(songs.Window()));
    QWidget* window = songs.Window();
    const int menu = window->findChild<QMenuBar*>()->height();
    QVERIFY(menu > 10);
    QCOMPARE(Surface(songs)->size(), QSize(312, 60 * 2 + 131));
    QCOMPARE(window->size(), QSize(312, 60 * 2 + 131 + menu));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(window->pos(), QPoint(40, 30));
    QVERIFY(!window->windowIcon().pixmap(32).isNull());  // the .ico was read

    songs.form->SetClientSize(312, 131);
    QCOMPARE(window->size(), QSize(312, 131 + menu));
  }

  void japanese_fonts_by_role() {
    SongForm songs(*windows_, 1);
    const QFontInfo button(songs.Button(0)->font());
    QCOMPARE(button.family(), QStringLiteral("IPAGothic"));
    QCOMPARE(button.pixelSize(), 21);
    QVERIFY(button.bold());
    QCOMPARE(QFontInfo(songs.Window()->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(static_cast<QPushButton*>(songs.Button(0))->text(), QStringLiteral(" 1 うた1"));
    QCOMPARE(songs.Button(0)->accessibleName(), QStringLiteral("1 うた1"));
  }

  void outlines_are_drawn_around_the_buttons_and_painted_over_when_removed() {
    SongForm songs(*windows_, 3);
    songs.form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(songs.Window()));
    songs.form->SetOutlines({Frame(0, kBlue)});
    QImage image = Surface(songs)->grab().toImage();
    // A 4-pixel band centred on the frame's edges, just outside the button (15, 16, 290 × 40).
    for (const QPoint p : {QPoint(11, 36), QPoint(14, 36), QPoint(305, 36), QPoint(308, 36),
                           QPoint(160, 12), QPoint(160, 15), QPoint(160, 56), QPoint(160, 59),
                           QPoint(11, 12), QPoint(308, 59)})
      QCOMPARE(At(image, p.x(), p.y()), kBlueQ);
    for (const QPoint p : {QPoint(10, 36), QPoint(309, 36), QPoint(160, 11), QPoint(160, 60)})
      QCOMPARE(At(image, p.x(), p.y()), kYellowQ);
    QVERIFY(At(image, 160, 36) != kBlueQ);  // the button covers the inside
    QCOMPARE(At(image, 12, 96), kYellowQ);

    songs.form->SetOutlines({Frame(1, kBlue)});
    image = Surface(songs)->grab().toImage();
    QCOMPARE(At(image, 12, 36), kYellowQ);
    QCOMPARE(At(image, 160, 13), kYellowQ);
    QCOMPARE(At(image, 12, 96), kBlueQ);
  }

  void a_window_shown_again_asks_the_program_for_its_outlines() {
    SongForm songs(*windows_, 3);
    songs.events.paint_outlines = {Frame(2, kBlue)};
    songs.form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(songs.Window()));
    QCOMPARE(songs.events.paints, 1);
    songs.form->SetOutlines({Frame(0, kBlue), Frame(1, kBlue)});
    songs.form->Hide();
    songs.form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(songs.Window()));
    QCOMPARE(songs.events.paints, 2);
    const QImage image = Surface(songs)->grab().toImage();
    QCOMPARE(At(image, 12, 36), kYellowQ);
    QCOMPARE(At(image, 12, 96), kYellowQ);
    QCOMPARE(At(image, 12, 156), kBlueQ);
  }
};

QTEST_MAIN(OutlineTest)
#include "qt_outline_test.moc"
