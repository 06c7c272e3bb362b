"""When the sound server ran dry. On a busy machine the sound path of the program under test
sometimes runs late (Wine keeps only about 80 ms of sound queued), and the null sink then plays
silence for a moment: a dropout in the recording that is the machine's, not the program's. The
sound server writes each such underrun of a stream to its debug log; this module reads them and
puts them on the host's monotonic clock, so the recording can tell a dropout of the sound path
from a song that the program broke off (a stop of the program's own leaves no underrun: its
stream goes on, playing silence)."""
import re
import subprocess
import time

_TIME = re.compile(r"\(\s*(\d+\.\d+)\|")
_START = re.compile(r"(Implicit underrun|Underrun) of '")
_END = "end of underrun"


class SoundServerLog:
    def __init__(self, path):
        self.path = path
        self._offset = None         # host monotonic time of the log's time 0
        self._read = 0
        self._open_start = None
        self._episodes = []

    def calibrate(self, env):
        """Finds where the log's clock (seconds since its first line) stands on the host's: a
        client with a name of its own comes and goes, and the log notes when. The quickest of a
        few tries pins it to a few milliseconds."""
        best = None
        for i in range(5):
            name = f"otopicco-clock-{i}"
            before = time.monotonic()
            subprocess.run(["pactl", f"--client-name={name}", "stat"], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            after = time.monotonic()
            if best is None or after - before < best[1] - best[0]:
                best = (before, after, name)
        # The server writes its log a moment after the client has gone.
        deadline = time.monotonic() + 10
        while True:
            with open(self.path, encoding="utf-8", errors="replace") as log:
                for line in log:
                    if "Freed" in line and f'"{best[2]}"' in line:
                        self._offset = (best[0] + best[1]) / 2 - float(_TIME.match(line).group(1))
                        return
            if time.monotonic() > deadline:
                raise RuntimeError(f"the sound server's log {self.path} does not show its clients (debug log off?)")
            time.sleep(0.05)

    def underruns(self):
        """(start, end) of every underrun so far, in host monotonic seconds."""
        with open(self.path, "rb") as log:
            log.seek(self._read)
            lines = log.readlines()
        if lines and not lines[-1].endswith(b"\n"):
            lines.pop()                 # a line still being written is read next time
        self._read += sum(map(len, lines))
        for line in (raw.decode("utf-8", "replace") for raw in lines):
            stamp = _TIME.match(line)
            if not stamp:
                continue
            moment = float(stamp.group(1)) + self._offset
            if _START.search(line):
                self._open_start = moment
            elif _END in line and self._open_start is not None:
                self._episodes.append((self._open_start, moment))
                self._open_start = None
        running = [(self._open_start, time.monotonic())] if self._open_start is not None else []
        return self._episodes + running
