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
void RunCreationHandler(const platform::Services& services, Handler handler) {
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(services, error);
  }
}
}  // namespace

int RunProgram(const platform::Services& services) {
  services.windows.SetExceptionHandler(
      [&services](const std::exception& error) { ShowException(services, error); });
  services.windows.SetShortCutHook(&TMp3Form::ApplicationEvents1ShortCut);

  auto mp3_form = std::make_unique<TMp3Form>(services);
  RunCreationHandler(services, [&] { mp3_form->FormCreate(); });
  auto help_form = std::make_unique<THelpF>(services);
  RunCreationHandler(services, [&] { help_form->FormCreate(); });
  TMp3Form& player = *mp3_form;
  auto folder = std::make_unique<TFolder>(
      services, [&player](const platform::PathName& chosen) { return player.TakeSongsOf(chosen); });
  RunCreationHandler(services, [&] { folder->FormCreate(); });
  mp3_form->Connect(TMp3Form::OtherWindows{[&help_form] { help_form->Show(); },
                                           [&folder] { folder->ShowModal(); }});

  services.windows.Run(mp3_form->Window());

  // The windows go in the reverse order of their creation; none calls another any more.
  mp3_form->Connect(TMp3Form::OtherWindows{});
  folder.reset();
  help_form.reset();
  mp3_form.reset();
  return 0;
}

}  // namespace app
