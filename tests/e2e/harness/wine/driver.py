"""The Wine driver: starts the real otopicco.exe in the session's prefix, types and clicks on the
session's X display, and reads the program through probe.exe, the speech stand-ins' logs and the
null sink's recording."""
import filecmp
import re
import shutil
import subprocess
from pathlib import Path

from ..browsing import BrowsingSteps
from ..dialogs import DialogSteps
from ..player import Player
from ..waiting import wait_until
from . import registration
from . import speech as stand_ins
from .probe import ProbeError
from .session import WineSession
from .windows import WineWindows


class WineDriver(WineWindows, BrowsingSteps, DialogSteps, Player):
    platform = "wine"
    counts_buttons_at_speech = True

    def __init__(self, program, prefix, probe_dir, stand_in, stand_in_dlls, session_dir):
        self.program = Path(program)
        # The run's speech stand-in, the one that speaks for the program; a scenario may register
        # others beside it. Their DLLs are known by file name.
        self.stand_in = stand_ins.STAND_INS[stand_in]
        self._dlls = {Path(path).name: Path(path) for path in stand_in_dlls}
        self.session = WineSession(prefix, probe_dir, session_dir)
        self._process = None
        self._exe_name = None
        self._forget_windows()
        self._other = None
        self._notepad_placed = False

    def open(self):
        for path in (self.program, self._dll(self.stand_in)):
            if not path.exists():
                raise RuntimeError(f"no {path} (build the win64 preset first)")
        self.session.start()
        return self

    def shut(self):
        self.session.stop()

    # --- One scenario.
    def leave_no_other_program(self):
        if self._other and self._other[0].poll() is None:
            self._other[0].kill()
            self._other[0].wait()
        self._other = None

    # --- The program.
    def start(self, folder, speech=True, refuse=None, program_dir=None, program_name="otopicco", speech_delay=0,
              other_speech=(), missing_libraries=()):
        """Beyond the verb: other_speech names further stand-ins registered beside the run's one
        (whose own registration follows `speech`), each logging on its own; missing_libraries
        names Windows DLLs ("sapi") that the program finds missing."""
        assert not self.running(), "the program of this scenario is still running"
        self._register({self.stand_in.name} if speech else set(), set(other_speech))
        exe = self.program
        if program_dir is not None:
            exe = Path(program_dir) / f"{program_name}.exe"
            exe.parent.mkdir(parents=True, exist_ok=True)
            # A second start leaves the copy in the working folder as it was.
            if not exe.exists() or not filecmp.cmp(self.program, exe, shallow=False):
                shutil.copyfile(self.program, exe)
        self._exe_name = exe.name
        self._forget_windows()
        self._starts += 1
        suffix = "" if self._starts == 1 else f"-{self._starts}"
        self._speech_logs = {name: self._case / f"speech-{name}{suffix}.log" for name in stand_ins.STAND_INS}
        env = {stand_in.log_variable: self.session.windows_path(self._speech_logs[name])
               for name, stand_in in stand_ins.STAND_INS.items()}
        if refuse:
            env[self.stand_in.refuse_variable] = self.stand_in.refused(refuse)
        if speech_delay:
            env[self.stand_in.delay_variable] = str(speech_delay)
        # Wine names every DLL it loads into the program's output.
        env["WINEDEBUG"] = "-all,+loaddll"
        if missing_libraries:
            env["WINEDLLOVERRIDES"] = ";".join([self.session.env["WINEDLLOVERRIDES"]] +
                                               [f"{name}=" for name in missing_libraries])
        self.speech = speech and refuse != "create"
        self._program_log = self._case / f"program{suffix}.log"
        self._program_starts()
        self._process = self.session.wine([str(exe)], cwd=str(folder), extra_env=env, log=self._program_log)

    def _dll(self, stand_in):
        path = self._dlls.get(stand_in.dll)
        if path is None:
            raise RuntimeError(f"no DLL given for the {stand_in.name} stand-in ({stand_in.dll})")
        return path

    def _register(self, *wanted):
        """Exactly the stand-ins named in these sets registered, every other one removed."""
        wanted = set().union(*wanted)
        known = self.session.registered
        if known == wanted:
            return
        add = [(stand_in, self._dll(stand_in)) for name, stand_in in stand_ins.STAND_INS.items()
               if name in wanted and (known is None or name not in known)]
        remove = [stand_in for name, stand_in in stand_ins.STAND_INS.items()
                  if name not in wanted and (known is None or name in known)]
        # Until the change is through, what is registered is not known.
        self.session.registered = None
        registration.change(self.session, add, remove)
        self.session.registered = wanted

    def running(self):
        return self._process is not None and self._process.poll() is None

    def exit_code(self):
        return None if self._process is None else self._process.poll()

    # --- Input.
    def keys(self, *names):
        self._keys_to_foreground()
        self.session.desktop.keys(*names)

    def key_down(self, name):
        self._keys_to_foreground()
        self.session.desktop.key_down(name)

    def _keys_to_foreground(self):
        """X delivers keys to its input focus, and Wine's desktop passes on only what reaches the
        foreground window's own X11 window. When a message box that opened before the player's
        window closes, X can hand the focus back to the desktop's window after Wine has already
        made the player the foreground window: Wine shows the player active, and every key is
        lost. With no window manager under Xvfb to set that right, the driver gives the X focus to
        the foreground window itself, as a window manager would, and notes it in the session."""
        try:
            foreground = self._foreground()
        except ProbeError:
            return
        window = int(foreground["xwindow"], 16)
        desktop = self.session.desktop
        if not window or desktop.input_focus() == window:
            return
        try:
            wait_until("Wine to give the X focus to its foreground window", lambda: desktop.input_focus() == window, 0.3)
        except AssertionError:
            desktop.give_input_focus(window)
            with open(self.session.dir / "focus.log", "a") as log:
                log.write(f"X focus handed to {foreground['foreground']} {foreground.get('foreground_text')!r}\n")

    def key_up(self, name):
        self.session.desktop.key_up(name)

    def num_lock(self, on):
        self.session.desktop.num_lock(on)

    # --- Speech and sound.
    def spoken(self):
        return self.stand_in.program_events(self.calls())

    def calls(self, stand_in=None):
        """The log of a stand-in (the run's unless named) as it wrote it, since the last start."""
        return stand_ins.read_log(self._speech_logs[stand_in or self.stand_in.name])

    def refusal_text(self, operation):
        """The error text the program shows when the stand-in refuses `operation` on request."""
        return self.stand_in.refusal(operation)

    def speech_used(self, stand_in=None):
        return self._speech_logs[stand_in or self.stand_in.name].exists()

    def imported_libraries(self):
        """The DLLs (lower case) the program file imports, which Windows must have for it to start."""
        dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(self.program)], check=True,
                              stdout=subprocess.PIPE, text=True).stdout
        return {name.lower() for name in re.findall(r"^\s*DLL Name: (\S+)$", dump, re.MULTILINE)}

    def loaded_libraries(self):
        """The file names (lower case) of the DLLs loaded into the program since the last start."""
        text = self._program_log.read_text(encoding="utf-8", errors="replace")
        return {name.lower() for name in re.findall(r'Loaded L"(?:[^"]*\\\\)?([^"\\]+)"', text)}

    def kill_sound_server(self):
        self.session.desktop.kill_sound()

    def restart_sound_server(self):
        self.session.desktop.restart_sound()

    def recording(self):
        recording = self.session.desktop.recording(self._case / f"recording-{len(self._recordings) + 1}.raw")
        self._recordings.append(recording)
        return recording.start()

    # --- Another program: Wine's notepad, placed over the whole player window.
    def open_other_program(self):
        if not self._notepad_placed:
            # Notepad opens where it was last closed: put it over the player (left 343, top 116).
            for name, value in (("iWindowPosX", 300), ("iWindowPosY", 80), ("iWindowPosDX", 420), ("iWindowPosDY", 1400)):
                self.session.reg("add", r"HKCU\Software\Microsoft\Notepad", "/v", name, "/t", "REG_DWORD",
                                 "/d", str(value), "/f")
            self._notepad_placed = True
        process = self.session.wine(["notepad.exe"], log="notepad.log")
        hwnd = wait_until("notepad's window", lambda: next(
            (w["hwnd"] for w in self._all_windows()
             if w["exe"] == "notepad.exe" and w["visible"] == "1" and w["class"] != "IME"), None), 20)
        self._other = (process, hwnd)
        wait_until("notepad to be the active window", self.other_program_active, 10)

    def other_program_active(self):
        return self._foreground()["foreground"] == self._other[1]

    def close_other_program(self):
        process, hwnd = self._other
        self.session.probe.ask("close", hwnd)
        process.wait(timeout=20)
        self._other = None

    # --- Evidence.
    def leave_evidence(self, folder):
        folder = Path(folder)
        self.session.desktop.screenshot(folder / "screenshot.png")
        try:
            lines = [f"{kind}\t{values}" for command in ("windows", "boxes")
                     for kind, values in self.session.probe.ask(command)]
            (folder / "windows.txt").write_text("\n".join(lines) + "\n", encoding="utf-8")
        except Exception as error:  # the evidence is a help, never a second failure
            (folder / "windows.txt").write_text(f"cannot list the windows: {error}\n")
        for recording in self._recordings:
            recording.save_wav(Path(recording.path).with_suffix(".wav"))
        for log in self.session.dir.glob("*.log"):
            shutil.copyfile(log, folder / f"session-{log.name}")
