"""One Wine session, shared by the scenarios of a test run: the private desktop (X and sound
servers), the test prefix made by the run's fixture, a persistent wineserver, a serving probe,
and the speech stand-ins' registration, switched only when a scenario asks for another one.
Only one session uses a prefix at a time, also across test runs (a lock file beside it)."""
import fcntl
import os
import subprocess
import time
from pathlib import Path

from ..children import as_a_user, ends_with_us
from ..desktop import Desktop
from .probe import Probe

TEST_MARK = "otopicco-test-prefix"


class WineSession:
    def __init__(self, prefix, probe_dir, session_dir):
        self.prefix = Path(prefix)
        self.probe_dir = Path(probe_dir)
        self.dir = Path(session_dir)
        self.desktop = Desktop(self.dir)
        self.env = None
        self.probe = None
        self.registered = None              # names of the stand-ins registered; unknown at first
        self._lock = None

    def start(self):
        if not (self.prefix / TEST_MARK).exists():
            raise RuntimeError(f"no test prefix at {self.prefix} (the e2e_wine_prefix test makes it)")
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def _start(self):
        self._take_lock()
        self.desktop.start()
        self.env = dict(self.desktop.env, WINEPREFIX=str(self.prefix), WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
        # A wineserver that stays up between the scenarios' programs (the probe keeps it busy),
        # and ends by itself half a minute after the session's last Wine process. It opens the
        # files for the Windows programs, so it runs with a user's powers over them.
        subprocess.run(as_a_user(["wineserver", "-p30"]), env=self.env, check=True)
        # The first wine process starts the prefix's services and its desktop, which keep that
        # process's standard streams open for good: let a process whose output goes to a file
        # start them, before the probe talks through pipes.
        self.run_wine([str(self.probe_dir / "probe.exe"), "windows"])
        self.probe = Probe(self, self.probe_dir / "probe.exe")
        self.probe.start()
        # Num Lock on, so that the keypad's keys arrive as the keypad's.
        self.desktop.num_lock(True)

    def _take_lock(self):
        self._lock = open(f"{self.prefix}.lock", "w")
        deadline = time.monotonic() + 900
        while True:
            try:
                fcntl.flock(self._lock, fcntl.LOCK_EX | fcntl.LOCK_NB)
                return
            except BlockingIOError:
                if time.monotonic() > deadline:
                    raise RuntimeError(f"the prefix {self.prefix} stayed busy") from None
                time.sleep(1)

    def stop(self):
        if self.probe:
            self.probe.stop()
        if self.env:
            subprocess.run(["wineserver", "-k"], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.desktop.stop()
        if self._lock:
            self._lock.close()
            self._lock = None

    def wine(self, args, cwd=None, extra_env=None, log="wine.log", **streams):
        """Starts a Windows program. Its output goes to `log` (a name in the session folder or a
        path): a reader of a pipe would wait for the services that keep wine's streams open."""
        out = open(self.dir / log, "ab")
        streams.setdefault("stdout", out)
        streams.setdefault("stderr", out)
        env = dict(self.env, **(extra_env or {}))
        try:
            return subprocess.Popen(["wine", *args], cwd=cwd, env=env, preexec_fn=ends_with_us, **streams)
        finally:
            out.close()

    def run_wine(self, args, timeout=120):
        process = self.wine(args)
        return process.wait(timeout=timeout)

    def reg(self, *args):
        """Runs reg.exe; every use here is forced (/f), so asking again is harmless. Now and then
        on a loaded machine reg.exe ends with 1 without a word: it is asked again."""
        for _ in range(3):
            rc = self.run_wine(["reg", *args])
            if rc == 0 or args[0] == "delete":
                return
        raise RuntimeError(f"wine reg {' '.join(args)} failed ({rc}); see {self.dir / 'wine.log'}")

    def reg_query(self, key):
        """What reg.exe lists under `key`, or the error it gives."""
        out = self.dir / "reg-query.txt"
        out.unlink(missing_ok=True)
        self.wine(["reg", "query", key], log=out).wait(timeout=120)
        return out.read_bytes().decode("utf-8", "replace").replace("\r", "")

    @staticmethod
    def windows_path(path):
        """Wine's name for a Unix path (Z: is the Unix root)."""
        return "Z:" + os.path.abspath(path).replace("/", "\\")
