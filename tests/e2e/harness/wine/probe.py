"""The client of probe.exe, the inspection helper that runs inside the Wine prefix. One probe
keeps running for the whole session ("probe.exe serve"), since starting a Wine process for every
question costs a few hundred milliseconds, seconds on a loaded machine. Its answers are lines of
tab-separated key=value fields after a record kind, closed by "end<TAB>exit code"."""
import os
import re
import select
import subprocess
import time

from ..waiting import QueryFailed

_ESCAPES = {"\\": "\\", "t": "\t", "r": "\r", "n": "\n"}


def unescape(text):
    return re.sub(r"\\(.)", lambda m: _ESCAPES.get(m.group(1), m.group(0)), text)


def parse(line):
    """"window<TAB>hwnd=0x1<TAB>title=a\\tb" -> ("window", {"hwnd": "0x1", "title": "a<TAB>b"})"""
    kind, *fields = line.split("\t")
    values = {}
    for field in fields:
        key, _, value = field.partition("=")
        values[key] = unescape(value)
    return kind, values


class ProbeError(QueryFailed):
    pass


class Probe:
    def __init__(self, session, exe):
        self._session, self._exe = session, exe
        self._process = None
        self._buffer = b""

    def start(self):
        self._process = self._session.wine([str(self._exe), "serve"], stdin=subprocess.PIPE,
                                           stdout=subprocess.PIPE, log="probe.log")
        self._buffer = b""

    def stop(self):
        if self._process and self._process.poll() is None:
            self._process.stdin.close()
            try:
                self._process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self._process.kill()
                self._process.wait()
        self._process = None

    def ask(self, *words, timeout=20):
        """Runs one probe command; returns its records as (kind, values) pairs. Raises ProbeError
        when the command fails (exit code not 0) or the probe does not answer."""
        deadline = time.monotonic() + timeout
        while True:
            lines = self._ask_once(words, deadline)
            # A question put to a window's own thread waits 5 s for it; on a loaded machine the
            # thread can be busier than that. The question only reads, so it is asked again.
            busy = any(line.endswith("\tno answer from the window's thread") for line in lines)
            if not busy or time.monotonic() >= deadline:
                break
        rc = int(lines[-1].split("\t")[1])
        records = [parse(line) for line in lines[:-1]]
        if rc != 0:
            raise ProbeError(f"probe {' '.join(words)} failed ({rc}): {lines[:-1]}")
        return records

    def _ask_once(self, words, deadline):
        if self._process is None or self._process.poll() is not None:
            self.start()
        try:
            self._process.stdin.write((" ".join(words) + "\n").encode())
            self._process.stdin.flush()
            return self._read_answer(deadline)
        except (OSError, ProbeError) as error:
            # A probe that hangs or died is replaced; the question fails.
            self._process.kill()
            self._process.wait()
            self._process = None
            raise ProbeError(f"probe {' '.join(words)}: {error}") from None

    def _read_answer(self, deadline):
        lines = []
        fd = self._process.stdout.fileno()
        while True:
            while b"\n" in self._buffer:
                line, self._buffer = self._buffer.split(b"\n", 1)
                lines.append(line.decode("utf-8", "replace"))
                if lines[-1].startswith("end\t"):
                    return lines
            left = deadline - time.monotonic()
            if left <= 0:
                raise ProbeError("no answer in time")
            ready, _, _ = select.select([fd], [], [], left)
            if ready:
                chunk = os.read(fd, 65536)
                if not chunk:
                    raise ProbeError("the probe ended")
                self._buffer += chunk
