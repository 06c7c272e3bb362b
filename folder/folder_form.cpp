// The folder dialog's handlers.
#include "folder/folder_form.h"

#include "folder/folder_layout.h"
#include "player/message_boxes.h"
#include "player/sjis.h"
#include "player/texts.h"

namespace {
bool SameRoot(const platform::TreeRoot& a, const platform::TreeRoot& b) {
  if (a.IsTop() || b.IsTop()) return a.IsTop() == b.IsTop();
  return player::SameTextIgnoringCase(a.folder->sjis, b.folder->sjis);
}

platform::PushButtonSpec WithClick(platform::PushButtonSpec spec, std::function<void()> click) {
  spec.on_click = [click = std::move(click)](platform::PushButton&) { click(); };
  return spec;
}
}  // namespace

TFolder::TFolder(const platform::Services& services, TakeSongs take_songs)
    : services_(services), take_songs_(std::move(take_songs)) {
  window_ = services_.windows.CreateForm(folder::FolderFormSpec(), *this);
  ShellTreeView1 = window_->AddFolderTree(folder::ShellTreeView1Spec());
  Button1 = window_->AddPushButton(WithClick(folder::Button1Spec(), [this] { Button1Click(); }));
  Button2 = window_->AddPushButton(WithClick(folder::Button2Spec(), [this] { Button2Click(); }));
  Button3 = window_->AddPushButton(WithClick(folder::Button3Spec(), [this] { Button3Click(); }));
}

void TFolder::FormCreate() { SetRoot(platform::TreeRoot::Folder(services_.files.ProgramFolder())); }

void TFolder::SetRoot(const platform::TreeRoot& root) {
  if (SameRoot(root, root_)) return;
  if (tree_filled_) ShellTreeView1->ShowRoot(root);
  root_ = root;
}

void TFolder::Button1Click() { SetRoot(platform::TreeRoot::Top()); }

void TFolder::Button2Click() {
  // The dialog closes when this handler returns, whichever way the folder turns out.
  window_->SetModalResult(platform::ModalResult::Ok);
  const std::optional<platform::PathName> chosen = ShellTreeView1->SelectedPath();
  if (!chosen || chosen->empty() || !take_songs_(*chosen)) {
    player::AlertTwice(services_.windows);
    player::ShowPlainBox(services_, texts::kNoMp3Found);
    return;
  }
  window_->Hide();
}

// Cancel ends the showing the way OK does; nothing reads the result.
void TFolder::Button3Click() { window_->SetModalResult(platform::ModalResult::Ok); }

platform::ModalResult TFolder::ShowModal() {
  if (!tree_filled_) {
    // Raises, leaving the dialog closed, when the tree cannot show its root; the next opening
    // tries again.
    ShellTreeView1->ShowRoot(root_);
    tree_filled_ = true;
  }
  return window_->ShowModal();
}
