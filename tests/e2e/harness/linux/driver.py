"""The Linux driver: starts the native program in the session, types and clicks on the session's
X display, reads the windows through AT-SPI and the X server, the speech from speech-dispatcher's
log and the sound from the null sink's recording. What a window manager would do is in
manager.py."""
import filecmp
import shutil
import subprocess
from pathlib import Path

from ..browsing import BrowsingSteps
from ..children import as_a_user, ends_with_us
from ..dialogs import DialogSteps
from ..player import Player
from ..waiting import QueryFailed, wait_until
from . import accessible
from .manager import WindowManagerSteps
from .session import LinuxSession
from .windows import LinuxWindows
from .xdisplay import XDisplay

# The module the program plays its songs with, which it loads from its own folder.
SONG_PLAYER_MODULE = "otopicco-gstreamer.so"


class LinuxDriver(WindowManagerSteps, LinuxWindows, BrowsingSteps, DialogSteps, Player):
    platform = "linux"
    window_frame = False        # no window manager: no frame, no title bar
    reads_fonts = False         # AT-SPI does not tell a button's font
    sees_hidden_windows = False  # a window never shown has no accessible object yet
    slow_speech = False         # a text handed to speech-dispatcher never waits for the voice
    captions_trimmed = True     # a button's accessible name is its caption without the blanks
    # Qt puts back a restored window's stored picture without painting it again.
    repaints_when_restored = False

    def __init__(self, program, session_dir, voice="log"):
        self.program = Path(program)
        self.session = LinuxSession(session_dir)
        self.voice = voice
        self._process = None
        self._other = None
        self._minimized = None
        self.x = None

    def open(self):
        if not self.program.exists():
            raise RuntimeError(f"no {self.program} (build the linux preset first)")
        self.session.start()
        accessible.connect(self.session.env)
        self.x = XDisplay(self.session.env)
        self.num_lock(True)
        return self

    def shut(self):
        if self.x:
            self.x.close()
        self.session.stop()

    # --- One scenario.
    def begin_scenario(self, folder, program_starts=lambda: None):
        super().begin_scenario(folder, program_starts)
        self.voice = "log"

    def leave_no_other_program(self):
        self.close_other_program()

    def speak_aloud(self, voice="espeak"):
        """The scenario's next start finds a real voice ("espeak", or "voice" for Open JTalk)."""
        self.voice = voice

    # --- The program.
    def start(self, folder, speech=True, refuse=None, program_dir=None, program_name="otopicco", speech_delay=0):
        assert not self.running(), "the program of this scenario is still running"
        if refuse:
            raise NotImplementedError("speech-dispatcher cannot be told to refuse a request")
        self.session.set_speech(self.voice if speech else "none")
        self.session.service_log.mark()
        exe = self.program
        if program_dir is not None:
            exe = Path(program_dir) / program_name
            exe.parent.mkdir(parents=True, exist_ok=True)
            # A second start leaves the copy in the working folder as it was. The song player
            # is a module the program loads from beside itself: it goes along.
            for made, copy in ((self.program, exe),
                               (self.program.parent / SONG_PLAYER_MODULE, exe.parent / SONG_PLAYER_MODULE)):
                if not copy.exists() or not filecmp.cmp(made, copy, shallow=False):
                    shutil.copy2(made, copy)
        self._starts += 1
        suffix = "" if self._starts == 1 else f"-{self._starts}"
        self._speech_log_name = f"speech{suffix}.log"
        self.speech = speech
        # Qt finds the accessibility bus through the session bus, as on a desktop; given the
        # bus's address directly it connects but never joins the registry.
        env = {k: v for k, v in self.session.env.items() if k != "AT_SPI_BUS_ADDRESS"}
        env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self._program_starts()
        with open(self._case / f"program{suffix}.log", "ab") as out:
            self._process = subprocess.Popen(as_a_user([str(exe)]), cwd=str(folder), env=env, stdout=out,
                                              stderr=subprocess.STDOUT, preexec_fn=ends_with_us)

    def running(self):
        return self._process is not None and self._process.poll() is None

    def exit_code(self):
        return None if self._process is None else self._process.poll()

    def request_close(self):
        window = self._x_window(self._player_title()) if self.running() else None
        if not window:
            raise QueryFailed("the player window is not there to close")
        self.x.ask_to_close(window)

    def _player_title(self):
        player = self._player()
        if player is None:
            raise QueryFailed("no player window")
        return player.name

    # --- Input.
    def keys(self, *names):
        self._give_keys_to_program()
        self.session.desktop.keys(*names)

    def key_down(self, name):
        self._give_keys_to_program()
        self.session.desktop.key_down(name)

    def key_up(self, name):
        self.session.desktop.key_up(name)

    def num_lock(self, on):
        self.session.desktop.num_lock(on)

    # --- Speech and sound.
    def spoken(self):
        log = self.session.service_log
        if not self.running():
            wait_until("speech-dispatcher to note that the program's connection ended", lambda: not log.connected(), 10)
        return log.events()

    def speech_used(self):
        return bool(self.spoken())

    def kill_sound_server(self):
        self.session.kill_sound()

    def restart_sound_server(self):
        self.session.restart_sound()

    def recording(self):
        recording = self.session.desktop.recording(self._case / f"recording-{len(self._recordings) + 1}.raw")
        self._recordings.append(recording)
        return recording.start()

    # --- Evidence.
    def leave_evidence(self, folder):
        folder = Path(folder)
        self.session.desktop.screenshot(folder / "screenshot.png")
        try:
            lines = []
            if self.running():
                app = accessible.application(self._process.pid)
                for node in accessible.Node(app).walk() if app else []:
                    lines.append(f"{node.role}\t{node.name!r}\t{sorted(node.states)}")
            (folder / "windows.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
        except Exception as error:  # the evidence is a help, never a second failure
            (folder / "windows.txt").write_text(f"cannot list the windows: {error}\n")
        (folder / "speech-events.txt").write_text("\n".join(map(str, self.spoken())) + "\n", encoding="utf-8")
        for recording in self._recordings:
            recording.save_wav(Path(recording.path).with_suffix(".wav"))
        for log in list(self.session.dir.glob("*.log")) + list((self.session.dir / "speechd-log").glob("*.log")):
            shutil.copyfile(log, folder / f"session-{log.name}")
