"""What the player asked of speech-dispatcher, read from the service's own log. At log level 5
the service writes down every request its clients send (SSIP, one read of the socket a line):

    [Wed Dec  9 17:35:37 2026 : 394227] speechd:    Adding client on fd 17
    [... : 394551] speechd:     17:DATA:|SET SELF CLIENT_NAME "user:otopicco:main"\\r\\n| (42)
    [...] speechd:     17:DATA:|SPEAK\\r\\n| (7)      then the text's lines, then ".\\r\\n"
    [...] speechd:     17:DATA:|CANCEL SELF\\r\\n| (13)
    [...] speechd:    Removing client on fd 17

and these become the suite's speech events: a connection of the player is "create", a rate its
"speed" (in the voice's words per minute), a message "speak", a cancel "silence", the end of
the connection "release". Other clients of the service are left out."""
import re
import time

from ..speech import SpeechEvent

_ENTRY = re.compile(r"\[(\w{3} \w{3} [ \d]\d \d\d:\d\d:\d\d \d{4}) : (\d+)\] speechd: +")
_DATA = re.compile(r"(\d+):DATA:\|(.*)\| \((\d+)\)\s*\Z", re.S)
_ADDED = re.compile(r"Adding client on fd (\d+)")
_REMOVED = re.compile(r"Removing client on fd (\d+)")
PROGRAM_CLIENT = re.compile(r'SET SELF CLIENT_NAME "[^:"]*:otopicco:[^"]*"', re.I)


def words_per_minute(rate):
    """The speed a speech-dispatcher rate (-100..100) gives the voice: Debian's espeak-ng
    configuration maps -100, 0 and 100 to 80, 170 and 449 words per minute, in between linearly
    (C's integer division)."""
    span = 90 if rate < 0 else 279
    return 170 + int(span * rate / 100)


class _Client:
    def __init__(self, micros):
        self.micros = micros
        self.program = False
        self.events = []
        self.text = None            # the lines of a message being sent, else None
        self.ended = False

    def add(self, event, micros):
        self.events.append(SpeechEvent(event, micros))

    def request(self, line, micros):
        if self.text is not None:
            if line == ".\r\n":
                self.add(("speak", "".join(self.text)[:-2]), micros)
                self.text = None
            else:
                self.text.append(line[1:] if line.startswith("..") else line)
            return
        command = line.strip()
        words = command.upper().split()
        if PROGRAM_CLIENT.fullmatch(command):
            self.program = True
            self.add(("create",), self.micros)
        elif words[:3] == ["SET", "SELF", "RATE"] and len(words) == 4:
            self.add(("speed", str(words_per_minute(int(words[3])))), micros)
        elif words[:1] == ["SPEAK"]:
            self.text = []
        elif words[:1] == ["CANCEL"]:
            self.add(("silence",), micros)
        elif words[:1] == ["QUIT"]:
            self.end(micros)

    def end(self, micros):
        if not self.ended:
            self.ended = True
            self.add(("release",), micros)


class ServiceLog:
    def __init__(self, path):
        self.path = path
        self.start = 0

    def mark(self):
        """Later reads see only what the service logs from now on."""
        try:
            self.start = self.path.stat().st_size
        except FileNotFoundError:
            self.start = 0

    def forget(self):
        """The service has stopped: its next run writes a new log."""
        self.path.unlink(missing_ok=True)
        self.start = 0

    def text(self):
        try:
            with open(self.path, "rb") as log:
                log.seek(self.start)
                data = log.read()
        except FileNotFoundError:
            return ""
        # A line still being written is read next time.
        return data[: data.rfind(b"\n") + 1].decode("utf-8", "replace")

    def events(self):
        """The player's speech events since mark(), in the order the service received them."""
        return self._read()[0]

    def connected(self):
        """The player is still connected as far as the log tells (an ended program's connection
        is noted a moment after the program has gone)."""
        return self._read()[1]

    def _read(self):
        clients, done = {}, []
        for stamp, body in _entries(self.text()):
            data = _DATA.match(body)
            if data:
                client = clients.get(int(data[1]))
                if client is not None:
                    for line in re.findall(r".*?\r\n|.+\Z", data[2], re.S):
                        client.request(line, stamp)
                continue
            added = _ADDED.match(body)
            if added:
                clients[int(added[1])] = _Client(stamp)
                continue
            removed = _REMOVED.match(body)
            if removed and int(removed[1]) in clients:
                client = clients.pop(int(removed[1]))
                client.end(stamp)
                done.append(client)
        events = [e for client in done + list(clients.values()) if client.program for e in client.events]
        return sorted(events, key=lambda e: e.micros), any(c.program for c in clients.values())


def _entries(text):
    """(microseconds since the epoch, body) of each entry; a body can span lines."""
    marks = list(_ENTRY.finditer(text))
    last = 0
    for i, mark in enumerate(marks):
        end = marks[i + 1].start() - 1 if i + 1 < len(marks) else len(text) - 1
        seconds = time.mktime(time.strptime(mark[1], "%a %b %d %H:%M:%S %Y"))
        stamp = int(seconds) * 1_000_000 + int(mark[2])
        # The service reads the clock twice for a stamp, the second and then the microseconds:
        # at the turn of a second an entry can carry the second before with the new
        # microseconds ("18:42:18 : 101" after "18:42:18 : 999910"). The log's order is right.
        if stamp < last and stamp + 1_000_000 >= last:
            stamp += 1_000_000
        last = max(last, stamp)
        yield stamp, text[mark.end():max(end, mark.end())]
