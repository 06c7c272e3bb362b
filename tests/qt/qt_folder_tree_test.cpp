// The folder dialog's tree: one selected root opened one level, subfolders only and no hidden
// ones, in a file manager's order, loaded when opened; full paths back, by the system's bytes.
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "platform/linux/qt_folder_tree.h"
#include "platform/linux/qt_window_system.h"
#include "tests/qt/qt_test_support.h"

using platform::Key;
using platform::TreeRoot;

namespace {
QStringList Labels(const QTreeWidgetItem* node) {
  QStringList labels;
  for (int i = 0; i < node->childCount(); ++i) labels << node->child(i)->text(0);
  return labels;
}
}  // namespace

class FolderTreeTest : public QObject {
  Q_OBJECT

  std::unique_ptr<platform::linux_impl::QtWindowSystem> windows_;
  qt_test::RecordingEvents events_;
  std::unique_ptr<platform::Form> form_;
  std::unique_ptr<platform::FolderTree> tree_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::string root_;  // the temporary folder, without a trailing "/"

  QTreeWidget* Tree() { return qt_test::WindowOf(*form_)->findChild<QTreeWidget*>(); }
  void Key(Qt::Key key) { QTest::keyClick(qt_test::WindowOf(*form_)->windowHandle(), key); }
  void MakeDir(const std::string& relative) { QVERIFY(mkdir((root_ + "/" + relative).c_str(), 0755) == 0); }
  std::string Selected() { return tree_->SelectedPath().value_or(platform::PathName{"-", "-"}).native; }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    root_ = dir_->path().toStdString();
    for (const char* name : {"b", "A", "10", "2", ".hidden", "b/inner", "2/deeper"}) MakeDir(name);
    QVERIFY(symlink((root_ + "/A").c_str(), (root_ + "/link").c_str()) == 0);
    QVERIFY(symlink("/nonexistent", (root_ + "/broken").c_str()) == 0);
    QFile song(QString::fromStdString(root_ + "/song.mp3"));
    QVERIFY(song.open(QIODevice::WriteOnly));
    windows_ = std::make_unique<platform::linux_impl::QtWindowSystem>();
    windows_->SetShortCutHook([](const platform::KeyEvent& key) {
      return key.key == Key::Left || key.key == Key::Right;
    });
    platform::FormSpec spec;
    spec.caption = qt_test::Sjis("フォルダの選択");
    spec.client_width = 298;
    spec.client_height = 341;
    spec.border = platform::Border::Dialog;
    form_ = windows_->CreateForm(spec, events_);
    tree_ = form_->AddFolderTree({{17, 12, 265, 265}});
    tree_->ShowRoot(TreeRoot::Folder(platform::PathName::Ascii(root_ + "/")));
  }
  void cleanup() {
    tree_.reset();
    form_.reset();
    windows_.reset();
    dir_.reset();
  }

  void the_root_is_selected_and_opened_one_level() {
    QCOMPARE(Tree()->topLevelItemCount(), 1);
    QTreeWidgetItem* root = Tree()->topLevelItem(0);
    QCOMPARE(root->text(0), QFileInfo(dir_->path()).fileName());
    QVERIFY(root->isExpanded());
    QCOMPARE(Labels(root), (QStringList{"2", "10", "A", "b", "link"}));
    QVERIFY(!root->child(0)->isExpanded());
    QCOMPARE(root->child(0)->childCount(), 0);  // loaded only when opened
    QCOMPARE(Selected(), root_);
    QCOMPARE(tree_->SelectedPath()->sjis, root_);
  }

  void opening_a_folder_loads_its_subfolders() {
    QTreeWidgetItem* b = Tree()->topLevelItem(0)->child(3);
    b->setExpanded(true);
    QCOMPARE(Labels(b), QStringList{"inner"});
    QTreeWidgetItem* a = Tree()->topLevelItem(0)->child(2);
    a->setExpanded(true);
    QCOMPARE(a->childCount(), 0);
    QCOMPARE(a->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);
  }

  void keys_move_the_selection_but_left_and_right_open_nothing() {
    form_->Show();
    QVERIFY(QTest::qWaitForWindowActive(qt_test::WindowOf(*form_)));
    QCOMPARE(QApplication::focusWidget(), Tree());
    Key(Qt::Key_Down);
    QCOMPARE(Selected(), root_ + "/2");
    Key(Qt::Key_Right);
    QVERIFY(!Tree()->topLevelItem(0)->child(0)->isExpanded());
    Key(Qt::Key_Up);
    Key(Qt::Key_Left);
    QVERIFY(Tree()->topLevelItem(0)->isExpanded());
    QCOMPARE(Selected(), root_);
  }

  void a_right_click_selects() {
    form_->Show();
    QVERIFY(QTest::qWaitForWindowExposed(qt_test::WindowOf(*form_)));
    QTreeWidgetItem* b = Tree()->topLevelItem(0)->child(3);
    const QPoint at = Tree()->visualItemRect(b).center();
    QTest::mouseClick(Tree()->viewport(), Qt::RightButton, Qt::NoModifier, at);
    QCOMPARE(Selected(), root_ + "/b");
  }

  void a_relative_folder_is_shown_by_its_full_path() {
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QString::fromStdString(root_ + "/b")));
    tree_->ShowRoot(TreeRoot::Folder(platform::PathName::Ascii("./inner/../.")));
    QDir::setCurrent(before);
    QCOMPARE(Tree()->topLevelItem(0)->text(0), QStringLiteral("b"));
    QCOMPARE(Selected(), root_ + "/b");
  }

  void the_top_is_the_root_of_the_file_system() {
    tree_->ShowRoot(TreeRoot::Top());
    QCOMPARE(Tree()->topLevelItem(0)->text(0), QStringLiteral("/"));
    QCOMPARE(Selected(), std::string("/"));
    QVERIFY(Labels(Tree()->topLevelItem(0)).contains(QStringLiteral("tmp")));
    Tree()->setCurrentItem(Tree()->topLevelItem(0)->child(0));
    QCOMPARE(Selected().rfind('/'), size_t(0));  // "/bin", one separator
  }

  void a_name_that_is_not_utf8_comes_back_as_its_own_bytes() {
    const std::string odd = "\xff\x81\x40";
    MakeDir(odd);
    tree_->ShowRoot(TreeRoot::Folder(platform::PathName::Ascii(root_)));
    QTreeWidgetItem* root = Tree()->topLevelItem(0);
    Tree()->setCurrentItem(root->child(root->childCount() - 1));
    QCOMPARE(Selected(), root_ + "/" + odd);
    QVERIFY(tree_->SelectedPath()->sjis.find('?') != std::string::npos);
    rmdir((root_ + "/" + odd).c_str());  // QTemporaryDir cannot name it
  }

  void names_in_a_file_managers_order() {
    const std::vector<QByteArray> names{"track10", "Track2", "track02b", "b", "A", "10", "9", "007"};
    std::vector<QByteArray> sorted = names;
    std::sort(sorted.begin(), sorted.end(), platform::linux_impl::ShownBefore);
    QCOMPARE(sorted, (std::vector<QByteArray>{"007", "9", "10", "A", "b", "Track2", "track02b", "track10"}));
  }
};

QTEST_MAIN(FolderTreeTest)
#include "qt_folder_tree_test.moc"
