// The folder dialog's tree: folders only, no hidden ones, loaded when a node is opened, never
// watching the file system. Names are kept as the system's own bytes, so a folder whose name is
// not valid UTF-8 is still chosen by its real name.
#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTreeWidget>
#include <optional>

#include "platform/linux/qt_controls.h"
#include "platform/window_system.h"

namespace platform::linux_impl {

class FolderTreeWidget : public QTreeWidget {
 public:
  explicit FolderTreeWidget(QWidget* parent);
  // The top of the namespace is the file system's root "/".
  void ShowRoot(const TreeRoot& root);
  // The selected node's full path: no trailing "/" except for "/" itself.
  std::optional<QByteArray> SelectedNative() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTreeWidgetItem* MakeNode(const QByteArray& path, const QString& label);
  void LoadChildren(QTreeWidgetItem* node);
};

// The tree's nodes are made when the form is first shown or the selection is asked for (a
// folder with many subfolders takes a while).
class QtFolderTree : public FolderTree {
 public:
  QtFolderTree(QtForm& form, FolderTreeWidget* tree, int id) : tree_(tree), link_(form, id) {}
  void ShowRoot(const TreeRoot& root) override;
  std::optional<PathName> SelectedPath() const override;

 private:
  QPointer<FolderTreeWidget> tree_;
  ControlLink link_;
};

// The subfolders of a folder that the tree shows, in the order it shows them.
std::vector<QByteArray> VisibleSubfolders(const QByteArray& folder);
bool ShownBefore(const QByteArray& a, const QByteArray& b);

}  // namespace platform::linux_impl
