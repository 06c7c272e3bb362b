"""What the soak reads of the native program: its speech events as speech-dispatcher logs them,
read on from where the last read stopped (a long run must not parse its whole log at every key),
and what the program holds: memory and file descriptors from /proc, X resources from the X
server's resource extension."""
import re

from ..soak_figures import proc_figures
from .speech import _ADDED, _DATA, _ENTRY, _REMOVED, _Client, _entries
from .xresources import x_resources


class SpeechFeed:
    """The player's speech events, each given once, in the order the service received them."""

    def __init__(self, driver):
        self._log = driver.session.service_log
        self._offset = self._log.start
        self._clients = {}

    def new_events(self):
        try:
            with open(self._log.path, "rb") as log:
                log.seek(self._offset)
                data = log.read()
        except FileNotFoundError:
            return []
        # Only whole lines, and a last request whose text is still being written waits.
        text = data[: data.rfind(b"\n") + 1].decode("utf-8", "surrogateescape")
        marks = list(_ENTRY.finditer(text))
        if marks:
            last = text[marks[-1].end():].rstrip("\n")
            if re.match(r"\d+:DATA:", last) and not _DATA.match(last):
                text = text[: marks[-1].start()]
        self._offset += len(text.encode("utf-8", "surrogateescape"))
        journal = []    # this read's events of every client, in the log's order
        for client in self._clients.values():
            client.journal = journal
        for stamp, body in _entries(text):
            data = _DATA.match(body)
            if data:
                client = self._clients.get(int(data[1]))
                if client is not None:
                    for line in re.findall(r".*?\r\n|.+\Z", data[2], re.S):
                        client.request(line, stamp)
            elif _ADDED.match(body):
                self._clients[int(_ADDED.match(body)[1])] = _Client(stamp, journal)
            elif _REMOVED.match(body) and int(_REMOVED.match(body)[1]) in self._clients:
                self._clients.pop(int(_REMOVED.match(body)[1])).end(stamp)
        return [event.event for client, event in journal if client.program]


def resources(driver):
    pid = driver._process.pid
    return dict(proc_figures(pid), **x_resources(driver.session.env["DISPLAY"], pid))
