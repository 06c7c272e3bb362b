// Start and end of the program: the three windows in their order, the message loop between.
#include "app/program.h"

#include <memory>

#include "app/exception_box.h"
#include "folder/folder_form.h"
#include "help/help_form.h"
#include "player/mp3_form.h"

namespace app {

namespace {
// A creation handler that fails leaves its window created and working with whatever it built.
template <typename Handler>
void RunCreationHandler(platform::WindowSystem& windows, Handler handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(windows, error);
  }
}
}  // namespace

int RunProgram(const platform::Services& services) {
  platform::WindowSystem& windows = services.windows;
  windows.SetExceptionHandler(
      [&windows](const std::exception& error) { ShowException(windows, error); });
  windows.SetShortCutHook(&TMp3Form::ApplicationEvents1ShortCut);

  auto mp3_form = std::make_unique<TMp3Form>(services);
  RunCreationHandler(windows, [&] { mp3_form->FormCreate(); });
  auto help_form = std::make_unique<THelpF>(services);
  RunCreationHandler(windows, [&] { help_form->FormCreate(); });
  auto folder = std::make_unique<TFolder>(services, *mp3_form);
  RunCreationHandler(windows, [&] { folder->FormCreate(); });
  mp3_form->HelpF = help_form.get();
  mp3_form->Folder = folder.get();

  windows.Run(mp3_form->Window());

  folder.reset();
  help_form.reset();
  mp3_form.reset();
  return 0;
}

}  // namespace app
