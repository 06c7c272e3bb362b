// The Linux program: Qt for the windows, speech-dispatcher for speech, GStreamer for the songs.
// The `music` folder and ReadMe_sapi.txt are looked for in the working directory, as on Windows.
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <thread>

#include "app/program.h"
#include "platform/linux/iconv_codec.h"
#include "platform/linux/media_module.h"
#include "platform/linux/posix_file_system.h"
#include "platform/linux/qt_window_system.h"
#include "platform/linux/speech_dispatcher.h"
#include "platform/services.h"

int main(int argc, char* argv[]) {
  // Before the first text can be laid out, fontconfig reads its configuration (dozens of XML
  // files) and its font lists, which takes longer than anything else the first window needs. It
  // does so on a thread of its own while Qt connects to the display.
  std::thread fonts([] {
    // Behind the display server and the session bus, which the main thread waits for meanwhile.
    setpriority(PRIO_PROCESS, gettid(), 19);
    FcInit();
  });
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("otopicco"));
  QApplication::setDesktopFileName(QStringLiteral("otopicco"));
  fonts.join();

  platform::linux_impl::QtWindowSystem windows;
  // The first announcement comes first: what the windows do not show at once, and the song
  // player, which the first song needs, are made ready just after it (the song player is also
  // loaded at once, should a song be opened before).
  windows.HoldPreparationsUntilStarted();
  platform::linux_impl::PosixFileSystem files;
  platform::linux_impl::MediaModule media(platform::linux_impl::GstModuleBeside(files), &argc,
                                          &argv);
  windows.Prepare([&media] { media.Load(); });
  platform::linux_impl::SpeechDispatcherFactory speech;
  const platform::linux_impl::IconvCodec codec;
  const platform::Services services{windows, speech, media, files, codec};
  return app::RunProgram(services);
}
