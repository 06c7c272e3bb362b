// While the program starts, what its hidden windows need (the help text, the folder tree, and
// whatever else is handed to Prepare) waits until the main window has been activated, has
// announced its first song and the voice has had a moment; a hidden window that is shown or asked before then is prepared
// first, so it never shows itself empty.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using qt_test::Sjis;

class PrepareTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;
  std::unique_ptr<qt_test::SongForm> player_;
  qt_test::RecordingEvents events_;
  std::unique_ptr<platform::Form> dialog_;
  std::unique_ptr<platform::Memo> memo_;
  std::unique_ptr<platform::FolderTree> tree_;
  std::unique_ptr<QTemporaryDir> dir_;

  QPlainTextEdit* Edit() { return qt_test::WindowOf(*dialog_)->findChild<QPlainTextEdit*>(); }
  QTreeWidget* Tree() { return qt_test::WindowOf(*dialog_)->findChild<QTreeWidget*>(); }
  bool Prepared() { return !Edit()->toPlainText().isEmpty() && Tree()->topLevelItemCount() == 1; }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("songs")));
    windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>();
    windows_->HoldPreparationsUntilStarted();
    player_ = std::make_unique<qt_test::SongForm>(*windows_, 2);  // the first form: the main one
    platform::FormSpec spec;
    spec.caption = Sjis("ヘルプ");
    spec.client_width = 410;
    spec.client_height = 417;
    dialog_ = windows_->CreateForm(spec, events_);
    memo_ = dialog_->AddMemo({{14, 7, 385, 200}, {platform::FontRole::Proportional, 15, false},
                              {Sjis("ヘルプの文")}});
    tree_ = dialog_->AddFolderTree({{14, 210, 385, 200}});
    tree_->ShowRoot(platform::TreeRoot::Folder(platform::PathName::Ascii(dir_->path().toStdString())));
  }
  void cleanup() {
    tree_.reset();
    memo_.reset();
    dialog_.reset();
    player_.reset();
    windows_.reset();
  }

  void prepared_just_after_the_main_window_announces_its_first_song() {
    std::vector<int> announced_before;
    bool prepared_then = false;
    windows_->Prepare([&] {
      announced_before = player_->entered;
      prepared_then = Prepared();
    });
    QVERIFY(!Prepared());
    QVERIFY(announced_before.empty());
    player_->form->Show();
    QVERIFY(QTest::qWaitForWindowActive(player_->Window()));
    QTRY_VERIFY(Prepared());
    QCOMPARE(announced_before, std::vector<int>{0});
    QVERIFY(prepared_then);  // in the order asked: the help text and the tree came first
    QCOMPARE(Edit()->toPlainText(), QStringLiteral("ヘルプの文"));
    QCOMPARE(Tree()->topLevelItem(0)->text(0), dir_->path().section(QLatin1Char('/'), -1));
    QCOMPARE(Tree()->topLevelItem(0)->child(0)->text(0), QStringLiteral("songs"));
    // Once started, nothing waits any more.
    memo_->SetLines({Sjis("あとの文")});
    QCOMPARE(Edit()->toPlainText(), QStringLiteral("あとの文"));
  }

  // The song titles are drawn a moment after the first announcement, and before the
  // preparations, which wait longer.
  void captions_come_just_after_the_first_announcement() {
    auto* first = qobject_cast<QPushButton*>(player_->Button(0));
    QVERIFY(first != nullptr);
    QCOMPARE(first->text(), QString());
    QCOMPARE(first->accessibleName(), QStringLiteral("1 うた1"));  // the screen reader's at once
    QString caption_then;
    windows_->Prepare([&] { caption_then = first->text(); });
    bool prepared_at_activation = true;
    QObject watching;  // the watch ends with the test
    connect(qApp, &QApplication::focusChanged, &watching,
            [&] { prepared_at_activation = Prepared(); });
    player_->form->Show();
    QVERIFY(QTest::qWaitForWindowActive(player_->Window()));
    QCOMPARE(player_->entered, std::vector<int>{0});
    QVERIFY(!prepared_at_activation);
    QTRY_COMPARE(first->text(), QStringLiteral(" 1 うた1"));
    QCOMPARE(qobject_cast<QPushButton*>(player_->Button(1))->text(), QStringLiteral(" 2 うた2"));
    QTRY_VERIFY(Prepared());
    QCOMPARE(caption_then, QStringLiteral(" 1 うた1"));
  }

  void a_hidden_window_shown_before_then_shows_itself_prepared() {
    dialog_->Show();
    QVERIFY(Prepared());
    QCOMPARE(Edit()->toPlainText(), QStringLiteral("ヘルプの文"));
  }

  void the_tree_asked_before_then_answers_with_its_root() {
    const std::optional<platform::PathName> selected = tree_->SelectedPath();
    QVERIFY(selected.has_value());
    QCOMPARE(QString::fromStdString(selected->native), QDir::cleanPath(dir_->path()));
  }
};

QTEST_MAIN(PrepareTest)
#include "qt_prepare_test.moc"
