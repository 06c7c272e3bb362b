"""What the soak reads of the Windows program under Wine: its speech events from the stand-in's
log, read on from where the last read stopped (a long run must not read its whole log at every
key), and what the program holds: GDI and USER objects, windows, handles and memory as the
probe reads them inside Wine, and memory and file descriptors of the Wine process from /proc.
Wine counts no GUI resources (GetGuiResources answers 0); the GDI objects are then those of the
process's GDI handle table and the USER objects its windows. The figures of /proc are named
"wine ...": they are the Wine process's, with Wine's own parts in it."""
from ..soak_figures import proc_figures
from .probe import unescape
from ..speech import SpeechEvent



class SpeechFeed:
    """The program's speech events, each given once, in the order the stand-in logged them."""

    def __init__(self, driver):
        self._path = driver._speech_logs[driver.stand_in.name]
        self._program_events = driver.stand_in.program_events
        self._offset = 0

    def new_events(self):
        try:
            with open(self._path, "rb") as log:
                log.seek(self._offset)
                data = log.read()
        except FileNotFoundError:
            return []
        data = data[: data.rfind(b"\n") + 1]
        self._offset += len(data)
        events = []
        for line in data.decode("utf-8").splitlines():
            micros, buttons, *event = line.split("\t")
            event = tuple(event[:1]) + tuple(unescape(argument) for argument in event[1:])
            events.append(SpeechEvent(event, int(micros), int(buttons)))
        return [e.event for e in self._program_events(events)]


def resources(driver):
    player = driver._player()
    pid = next(w["pid"] for w in driver._all_windows() if w["hwnd"] == player)
    held = driver._records("resources", "resources", pid)[0]
    gdi, user = int(held["gdi"]), int(held["user"])
    figures = {
        "gdi objects": gdi if gdi else int(held["gdi_table"]),
        "user objects": user if user else int(held["windows"]),
        "windows": int(held["windows"]),
        "kernel handles": int(held["handles"]),
        "private bytes": int(held["private"]),
        "working set": int(held["working_set"]),
    }
    # Wine counts neither kernel handles nor private bytes: a figure it reads as 0 tells nothing.
    figures = {name: value for name, value in figures.items() if value}
    return dict(figures, **{f"wine {name}": value for name, value in proc_figures(driver._process.pid).items()})
