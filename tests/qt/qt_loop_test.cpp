// The message loop and modal showing: a quit request made before the loop is honoured when it
// starts, closing the main form ends the program, a modal form blocks the others and gives the
// front back to the window that had it, and a quit request ends a modal showing at once.
#include <QPushButton>
#include <QtTest>

#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using platform::ModalResult;
using qt_test::SongForm;

namespace {
// A small dialog with OK (default) and Cancel (cancel) buttons, as the folder dialog has.
struct Dialog {
  Dialog(platform::WindowSystem& windows, std::function<void(platform::Form&)> on_ok) {
    platform::FormSpec spec;
    spec.caption = qt_test::Sjis("フォルダの選択");
    spec.client_width = 298;
    spec.client_height = 341;
    spec.border = platform::Border::Dialog;
    spec.centred_first_time = true;
    form = windows.CreateForm(spec, events);
    platform::PushButtonSpec ok{{113, 288, 73, 49}, qt_test::Sjis("ＯＫ"), {}, 0, false, true, false, {}, {}};
    ok.on_click = [this, on_ok](platform::PushButton&) { on_ok(*form); };
    platform::PushButtonSpec cancel{{210, 288, 73, 49}, qt_test::Sjis("キャンセル"), {}, 1, false, false, true, {}, {}};
    cancel.on_click = [this](platform::PushButton&) { form->SetModalResult(ModalResult::Cancel); };
    buttons.push_back(form->AddPushButton(ok));
    buttons.push_back(form->AddPushButton(cancel));
  }
  QWidget* Window() { return qt_test::WindowOf(*form); }
  qt_test::RecordingEvents events;
  std::unique_ptr<platform::Form> form;
  std::vector<std::unique_ptr<platform::PushButton>> buttons;
};

// Runs `act` once `widget` is the active window.
void WhenActive(QWidget* widget, std::function<void()> act) {
  QTimer::singleShot(0, [widget, act] {
    QTRY_VERIFY2(widget->isActiveWindow(),
                 qPrintable(QStringLiteral("the active window is %1")
                                .arg(QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle()
                                                                  : QStringLiteral("none"))));
    act();
  });
}
}  // namespace

class LoopTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;
  std::unique_ptr<SongForm> songs_;

  bool StartPlayer() {
    songs_->form->Show();
    return QTest::qWaitForWindowActive(songs_->Window());
  }

 private slots:
  void init() {
    windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>();
    songs_ = std::make_unique<SongForm>(*windows_, 2);
  }
  void cleanup() {
    songs_.reset();
    windows_.reset();
  }

  void a_quit_requested_before_the_loop_ends_it_as_it_starts() {
    windows_->RequestQuit();
    QElapsedTimer timer;
    timer.start();
    windows_->Run(*songs_->form);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(songs_->events.paints, 1);  // the main form was shown
  }

  void closing_the_main_form_is_a_quit_request() {
    QTimer::singleShot(0, [this] { songs_->Window()->close(); });
    windows_->Run(*songs_->form);
    QVERIFY(songs_->Window()->isVisible());  // it goes with the program, not before
  }

  void a_modal_form_blocks_the_player_and_gives_it_the_front_back() {
    QVERIFY(StartPlayer());
    Dialog dialog(*windows_, [](platform::Form& form) { form.SetModalResult(ModalResult::Ok); });
    WhenActive(dialog.Window(), [&] {
      QTest::keyClick(songs_->Window()->windowHandle(), Qt::Key_Return);  // blocked
      QTest::keyClick(dialog.Window()->windowHandle(), Qt::Key_Escape);
    });
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Cancel);
    QVERIFY(!dialog.Window()->isVisible());
    QVERIFY(songs_->clicked.empty());
    QTRY_VERIFY(songs_->Window()->isActiveWindow());
    QCOMPARE(songs_->FocusedSong(), 0);
    QCOMPARE(songs_->entered, std::vector<int>({0}));  // no announcement on coming back

    WhenActive(dialog.Window(), [&] { QTest::keyClick(dialog.Window()->windowHandle(), Qt::Key_Return); });
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Ok);
    QTRY_VERIFY(songs_->Window()->isActiveWindow());
    WhenActive(dialog.Window(), [&] { dialog.Window()->close(); });
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Cancel);
  }

  void a_modal_form_that_hides_itself_ends_with_ok() {
    QVERIFY(StartPlayer());
    Dialog dialog(*windows_, [](platform::Form& form) { form.Hide(); });
    WhenActive(dialog.Window(), [&] { QTest::keyClick(dialog.Window()->windowHandle(), Qt::Key_Return); });
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Ok);
    QVERIFY(!dialog.Window()->isVisible());
    // The desktop hands the front to the window used before.
    QTRY_VERIFY(songs_->Window()->isActiveWindow());
  }

  void a_quit_request_ends_a_modal_showing_at_once() {
    QVERIFY(StartPlayer());
    Dialog dialog(*windows_, [](platform::Form&) {});
    WhenActive(dialog.Window(), [&] { windows_->RequestQuit(); });
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Cancel);
    QVERIFY(!dialog.Window()->isVisible());
    QCOMPARE(dialog.form->ShowModal(), ModalResult::Cancel);  // and every one after it
    windows_->Run(*songs_->form);                              // the main loop ends as it starts
  }

  void the_first_showing_is_centred_and_later_ones_stay_where_they_were_left() {
    Dialog dialog(*windows_, [](platform::Form&) {});
    dialog.form->Show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.Window()));
    const QPoint centre = dialog.Window()->screen()->geometry().center();
    // Centred as far as the frame, which the window gets only once shown, lets it be known.
    const QPoint off = dialog.Window()->frameGeometry().center() - centre;
    QVERIFY2(qAbs(off.x()) <= 4 && qAbs(off.y()) <= 4, qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
    dialog.Window()->move(10, 20);
    dialog.form->Hide();
    dialog.form->Show();
    QCOMPARE(dialog.Window()->pos(), QPoint(10, 20));
  }
};

QTEST_MAIN(LoopTest)
#include "qt_loop_test.moc"
