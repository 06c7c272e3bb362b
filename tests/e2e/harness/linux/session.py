"""One Linux session, shared by the scenarios of a test run: the private desktop (X and sound
servers), a session bus of its own with the accessibility bus that it starts, a silent stream
that keeps the null sink's monitor delivering, and speech-dispatcher with a configuration of its
own (written by scripts/linux-session.sh, which also stops the service). The program starts the
service itself at its first request, as on a desktop; the service stays up between scenarios
and is stopped only when a scenario wants another speech mode."""
import os
import signal
import subprocess
import time
from pathlib import Path

from ..children import ends_with_us, stop_all
from ..desktop import SINK, Desktop
from ..waiting import wait_until
from .speech import ServiceLog

REPO = Path(__file__).resolve().parents[4]
SESSION_SCRIPT = REPO / "scripts" / "linux-session.sh"


class LinuxSession:
    def __init__(self, session_dir):
        self.dir = Path(session_dir)
        self.desktop = Desktop(self.dir)
        self.env = None
        self.speech_mode = None
        self.service_log = ServiceLog(self.dir / "speechd-log" / "speech-dispatcher.log")
        self._servers = []

    def start(self):
        try:
            self.desktop.start()
            self._start_bus()
            self._start_keeper()
        except BaseException:
            self.stop()
            raise
        return self

    def _start_bus(self):
        runtime, config = self.dir / "runtime", self.dir / "config"
        runtime.mkdir(mode=0o700, exist_ok=True)
        config.mkdir(exist_ok=True)
        self.env = dict(self.desktop.env, XDG_RUNTIME_DIR=str(runtime), XDG_CONFIG_HOME=str(config),
                        OTOPICCO_SESSION=str(self.dir), LS_SPEECH_LOG=str(self.dir / "voice.log"),
                        LS_SPEECH_LOG_LEVEL="5", LANG="C.UTF-8", LC_ALL="C.UTF-8")
        read, write = os.pipe()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={write}"],
                               pass_fds=(write,), env=self.env, stdout=self._log("dbus.log"),
                               stderr=subprocess.STDOUT, preexec_fn=ends_with_us)
        os.close(write)
        self._servers.append(bus)
        with os.fdopen(read) as answer:
            address = answer.readline().strip()
        if not address:
            raise RuntimeError(f"the session bus did not start (see {self.dir / 'dbus.log'})")
        self.env["DBUS_SESSION_BUS_ADDRESS"] = address
        # The accessibility bus, as a desktop session starts it before any program.
        reply = subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path",
                                "/org/a11y/bus", "--method", "org.a11y.Bus.GetAddress"],
                               env=self.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True, timeout=30)
        if reply.returncode != 0:
            raise RuntimeError(f"no accessibility bus: {reply.stdout}")
        self.env["AT_SPI_BUS_ADDRESS"] = reply.stdout.strip().strip("(),").strip("'")

    def _start_keeper(self):
        # The null sink's monitor delivers nothing while no stream plays: a silent stream keeps
        # the recording going between songs. The stream asks only for what it plays.
        self._keeper = subprocess.Popen(
            ["pacat", "--playback", "--raw", "--format=s16le", "--rate=16000", "--channels=1",
             "--latency-msec=30", f"--device={SINK}", "--client-name=silence"],
            stdin=open("/dev/zero", "rb"), env=self.env,
            stdout=self._log("keeper.log"), stderr=subprocess.STDOUT, preexec_fn=ends_with_us)
        self._servers.append(self._keeper)

    # --- The sound server going away and coming back.
    def kill_sound(self):
        self.desktop.kill_sound()
        wait_until("the silent stream to end with the sound server", lambda: self._keeper.poll() is not None, 10)
        self._servers.remove(self._keeper)

    def restart_sound(self):
        self.desktop.restart_sound()
        self._start_keeper()

    # --- Speech.
    def set_speech(self, mode):
        """The speech the program finds at its next start: "log" (the logging voice), "espeak",
        "voice" (Open JTalk), "novoice", "none" (no service can be started)."""
        if mode == self.speech_mode:
            return
        self._session_script("speech-mode", mode)
        self.speech_mode = mode

    def stop_speech(self, crash=False):
        """Stops the running service (`crash`: killed at once, as if it crashed); the program's
        next request starts it again, in the same speech mode."""
        self._session_script("speech-stop", *(["--kill"] if crash else []))

    def _session_script(self, *args):
        done = subprocess.run(["bash", str(SESSION_SCRIPT), *args], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True, timeout=60)
        if done.returncode != 0:
            raise RuntimeError(f"linux-session.sh {' '.join(args)} failed: {done.stdout}")

    def stop(self):
        if self.env is not None and self.speech_mode is not None:
            try:
                self._session_script("speech-stop")
            except Exception:
                pass
        stop_all(self._servers)
        self._servers = []
        self._end_marked()
        self.desktop.stop()

    def _end_marked(self):
        """What the servers started on their own (speech-dispatcher's voices, the accessibility
        bus) carries the session's mark in its environment."""
        mark = f"OTOPICCO_SESSION={self.dir}".encode()
        for _ in range(2):
            left = [pid for pid in _pids() if pid != os.getpid() and mark in _environ(pid).split(b"\0")]
            if not left:
                return
            for pid in left:
                try:
                    os.kill(pid, signal.SIGTERM)
                except ProcessLookupError:
                    pass
            time.sleep(0.2)
        for pid in left:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass

    def _log(self, name):
        return open(self.dir / name, "ab")



def _pids():
    return [int(name) for name in os.listdir("/proc") if name.isdigit()]


def _environ(pid):
    try:
        with open(f"/proc/{pid}/environ", "rb") as f:
            return f.read()
    except OSError:
        return b""
