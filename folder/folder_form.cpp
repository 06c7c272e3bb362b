// The folder dialog's layout and handlers.
#include "folder/folder_form.h"

#include "player/message_boxes.h"
#include "player/mp3_form.h"
#include "player/sjis.h"
#include "player/texts.h"

namespace {
constexpr char kDesktop[] = "rfDesktop";
constexpr int kModalResultOk = 1;

platform::FormSpec FolderFormSpec() {
  platform::FormSpec spec;
  spec.caption = texts::kFolderCaption;
  spec.centred_first_time = true;
  spec.client_width = 298;
  spec.client_height = 341;
  spec.border = platform::Border::Dialog;
  spec.background = platform::kYellow;
  spec.font = platform::FontSpec{texts::kUiFont, 12, false};
  return spec;
}

platform::PushButtonSpec DialogButton(int left, const char* caption, platform::FontSpec font,
                                      std::function<void()> click) {
  platform::PushButtonSpec spec;
  spec.bounds = platform::Bounds{left, 288, 73, 49};
  spec.caption = caption;
  spec.font = std::move(font);
  spec.on_click = [click = std::move(click)](platform::PushButton&) { click(); };
  return spec;
}

// The folder holding the program file, ending with its backslash.
platform::PathName FolderOf(const platform::PathName& file) {
  const auto sjis_end = player::LastDelimiter(file.sjis, "\\:");
  const auto native_end = file.native.find_last_of("\\:");
  return platform::PathName{
      sjis_end == std::string::npos ? std::string() : file.sjis.substr(0, sjis_end + 1),
      native_end == std::string::npos ? std::string() : file.native.substr(0, native_end + 1)};
}
}  // namespace

TFolder::TFolder(const platform::Services& services, TMp3Form& mp3_form)
    : services_(services), mp3_form_(mp3_form), root_(platform::PathName::Ascii(kDesktop)) {
  window_ = services_.windows.CreateForm(FolderFormSpec(), *this);
  ShellTreeView1 = window_->AddFolderTree(platform::FolderTreeSpec{{17, 12, 265, 265}});
  const platform::FontSpec ui{texts::kUiFont, 12, false};
  Button1 = window_->AddPushButton(DialogButton(13, texts::kDesktopButton,
                                                {texts::kUiFont, 12, true}, [this] { Button1Click(); }));
  auto ok = DialogButton(113, texts::kOkButton, {texts::kUiFont, 16, true}, [this] { Button2Click(); });
  ok.is_default = true;
  Button2 = window_->AddPushButton(ok);
  auto cancel = DialogButton(210, texts::kCancelButton, ui, [this] { Button3Click(); });
  cancel.is_cancel = true;
  Button3 = window_->AddPushButton(cancel);
}

void TFolder::FormCreate() { SetRoot(FolderOf(services_.windows.ProgramFileName())); }

void TFolder::SetRoot(const platform::PathName& root) {
  if (player::SameTextIgnoringCase(root.sjis, root_.sjis)) return;
  root_ = root;
  if (root.sjis == kDesktop) {
    ShellTreeView1->ShowRoot(std::nullopt);
  } else {
    ShellTreeView1->ShowRoot(root);
  }
}

void TFolder::Button1Click() { SetRoot(platform::PathName::Ascii(kDesktop)); }

void TFolder::Button2Click() {
  // The dialog closes when this handler returns, whichever way the folder turns out.
  window_->SetModalResult(kModalResultOk);
  const platform::PathName remembered = ChosenFolder;
  ChosenFolder = ShellTreeView1->SelectedPath().value_or(platform::PathName{});
  if (ChosenFolder.empty() ||
      !mp3_form_.RebuildSongList(platform::Join(ChosenFolder, "\\", platform::PathName::Ascii("*.mp3")))) {
    player::AlertTwice(services_.windows);
    player::ShowPlainBox(services_.windows, texts::kNoMp3Found);
    ChosenFolder = remembered;
    return;
  }
  window_->Hide();
}

void TFolder::Button3Click() { window_->SetModalResult(kModalResultOk); }
