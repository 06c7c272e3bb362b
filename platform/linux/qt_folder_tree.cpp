#include "platform/linux/qt_folder_tree.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFileIconProvider>
#include <QHeaderView>
#include <QKeyEvent>
#include <algorithm>
#include <memory>

#include "platform/linux/iconv_codec.h"
#include "platform/linux/qt_form.h"

namespace platform::linux_impl {

namespace {
constexpr int kPathRole = Qt::UserRole;
constexpr int kLoadedRole = Qt::UserRole + 1;

// A full path without "." or ".." steps and without a trailing "/" (except the root); a relative
// path is taken from the working directory, so the dialog always hands back a full path.
QByteArray Normalize(QByteArray path) {
  if (!path.startsWith('/')) {
    char cwd[4096];
    if (getcwd(cwd, sizeof cwd)) path = QByteArray(cwd) + '/' + path;
  }
  QList<QByteArray> steps;
  for (const QByteArray& step : path.split('/')) {
    if (step.isEmpty() || step == ".") continue;
    if (step == "..") {
      if (!steps.isEmpty()) steps.removeLast();
      continue;
    }
    steps.append(step);
  }
  return '/' + steps.join('/');
}

QByteArray Join(const QByteArray& folder, const QByteArray& name) {
  return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

QString Label(const QByteArray& path) {
  if (path == "/") return QStringLiteral("/");
  return QString::fromLocal8Bit(path.mid(path.lastIndexOf('/') + 1));
}

bool IsFolder(const QByteArray& folder, const dirent& entry) {
  if (entry.d_type == DT_DIR) return true;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return false;
  struct stat info;
  return stat(Join(folder, entry.d_name).constData(), &info) == 0 && S_ISDIR(info.st_mode);
}
}  // namespace

namespace {
// The digits of a run from `at`, without leading zeros; `at` moves past the run.
QString NumberAt(const QString& text, qsizetype& at) {
  while (at < text.size() && text[at] == QLatin1Char('0') && at + 1 < text.size() &&
         text[at + 1].isDigit())
    ++at;
  const qsizetype start = at;
  while (at < text.size() && text[at].isDigit()) ++at;
  return text.mid(start, at - start);
}
}  // namespace

// The order a file manager shows: letter case aside, a run of digits by its value, so "2" comes
// before "10" whatever the locale; names that still tie keep their byte order.
bool ShownBefore(const QByteArray& a_bytes, const QByteArray& b_bytes) {
  const QString a = QString::fromLocal8Bit(a_bytes), b = QString::fromLocal8Bit(b_bytes);
  qsizetype i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i].isDigit() && b[j].isDigit()) {
      const QString x = NumberAt(a, i), y = NumberAt(b, j);
      if (x.size() != y.size()) return x.size() < y.size();
      if (const int order = x.compare(y); order != 0) return order < 0;
      continue;
    }
    const int order = QString(a[i]).compare(QString(b[j]), Qt::CaseInsensitive);
    if (order != 0) return order < 0;
    ++i;
    ++j;
  }
  if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
  return a_bytes < b_bytes;
}

std::vector<QByteArray> VisibleSubfolders(const QByteArray& folder) {
  std::vector<QByteArray> names;
  std::unique_ptr<DIR, int (*)(DIR*)> dir(opendir(folder.constData()), closedir);
  if (!dir) return names;
  while (const dirent* entry = readdir(dir.get())) {
    if (entry->d_name[0] == '.') continue;  // hidden, and "." and ".."
    if (IsFolder(folder, *entry)) names.emplace_back(entry->d_name);
  }
  std::sort(names.begin(), names.end(), ShownBefore);
  return names;
}

FolderTreeWidget::FolderTreeWidget(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setRootIsDecorated(false);  // no line or button at the root level
  setIndentation(19);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformRowHeights(true);
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* node) { LoadChildren(node); });
}

QTreeWidgetItem* FolderTreeWidget::MakeNode(const QByteArray& path, const QString& label) {
  static const QIcon folder_icon = QFileIconProvider().icon(QAbstractFileIconProvider::Folder);
  auto* node = new QTreeWidgetItem(QStringList(label));
  node->setIcon(0, folder_icon);
  node->setData(0, kPathRole, path);
  node->setData(0, kLoadedRole, false);
  node->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  return node;
}

void FolderTreeWidget::LoadChildren(QTreeWidgetItem* node) {
  if (node->data(0, kLoadedRole).toBool()) return;
  node->setData(0, kLoadedRole, true);
  const QByteArray path = node->data(0, kPathRole).toByteArray();
  for (const QByteArray& name : VisibleSubfolders(path))
    node->addChild(MakeNode(Join(path, name), QString::fromLocal8Bit(name)));
  node->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void FolderTreeWidget::ShowRoot(const TreeRoot& root) {
  clear();
  const QByteArray path = root.IsTop() ? QByteArray("/") : Normalize(QByteArray::fromStdString(root.folder->native));
  QTreeWidgetItem* node = MakeNode(path, Label(path));
  addTopLevelItem(node);
  node->setExpanded(true);  // loads its subfolders
  setCurrentItem(node);
}

std::optional<QByteArray> FolderTreeWidget::SelectedNative() const {
  const QList<QTreeWidgetItem*> selected = selectedItems();
  if (selected.isEmpty()) return std::nullopt;
  return selected.front()->data(0, kPathRole).toByteArray();
}

// "*" would open every folder below the node, through the whole file system and round any
// symbolic link that points back up; it is kept from the tree.
void FolderTreeWidget::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Asterisk) {
    event->accept();
    return;
  }
  QTreeWidget::keyPressEvent(event);
}

void QtFolderTree::ShowRoot(const TreeRoot& root) {
  if (!link_.FormAlive()) return;
  link_.Form().Prepare([tree = tree_, root] {
    if (tree) tree->ShowRoot(root);
  });
}

std::optional<PathName> QtFolderTree::SelectedPath() const {
  if (!link_.FormAlive() || !tree_) return std::nullopt;
  link_.Form().PrepareNow();
  const std::optional<QByteArray> native = tree_->SelectedNative();
  if (!native) return std::nullopt;
  const std::string bytes = native->toStdString();
  return PathName{IconvCodec::Utf8ToSjis(bytes), bytes};
}

}  // namespace platform::linux_impl
