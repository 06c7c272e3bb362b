// The folder dialog's layout as the form designer stored it: every number of the dialog is here.
#pragma once

#include "platform/window_system.h"

namespace folder {

platform::FormSpec FolderFormSpec();
platform::FolderTreeSpec ShellTreeView1Spec();
// The three buttons along the bottom, without their clicks: "デスクットプ", "ＯＫ" (the default
// button) and "キャンセル" (the cancel button).
platform::PushButtonSpec Button1Spec();
platform::PushButtonSpec Button2Spec();
platform::PushButtonSpec Button3Spec();

}  // namespace folder
