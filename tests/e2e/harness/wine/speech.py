"""Speech stand-ins: in-process COM servers of the tests that take the place of a speech engine
in the test prefix and log every call. The driver registers the chosen one when a scenario wants
speech and removes it when a scenario wants none. Adding a stand-in is adding an entry to
STAND_INS: its class, its DLL, the registry values that make it known, and the environment
variables through which it is told where to log, what to refuse and how slowly to speak.
Every stand-in writes the same log format:

    <unix microseconds> TAB <song buttons> TAB <event> [TAB <argument>]

with the events create, speed, speak, silence, release, fail and bad, and backslash, CR, LF and
TAB in arguments written as \\ \\r \\n \\t."""
import shutil
from dataclasses import dataclass

from ..speech import SpeechEvent
from .probe import unescape

FOLDER = r"C:\otopicco-test"


@dataclass(frozen=True)
class StandIn:
    name: str
    dll: str                # file name of the built DLL
    clsid: str
    root: str = "HKCR"      # where the class is registered (HKCR writes HKLM\Software\Classes)
    threading: str = "Apartment"
    log_variable: str = "OTOPICCO_SPEECH_LOG"
    refuse_variable: str = "OTOPICCO_SPEECH_FAIL"
    delay_variable: str = "OTOPICCO_SPEECH_DELAY_MS"
    refusal: str = "speech double: {} refused on request"   # the error text of a refusal
    # Further registry values it needs, as (key, value name or None for the default, data): the
    # voice tokens of a speech API, say. They are removed with the class.
    extra: tuple = ()

    @property
    def key(self):
        return f"{self.root}\\CLSID\\{self.clsid}"


STAND_INS = {
    # The speech control the program looks for first (the SAPI 4 text-to-speech control).
    "sapi4": StandIn("sapi4", "speech_double.dll", "{EEE78591-FE22-11D0-8BEF-0060081841DE}"),
}


def register(session, stand_in, dll_path):
    target = session.prefix / "drive_c" / "otopicco-test"
    target.mkdir(exist_ok=True)
    shutil.copyfile(dll_path, target / stand_in.dll)
    server = f"{stand_in.key}\\InprocServer32"
    session.reg("add", server, "/ve", "/d", f"{FOLDER}\\{stand_in.dll}", "/f")
    session.reg("add", server, "/v", "ThreadingModel", "/d", stand_in.threading, "/f")
    for key, name, data in stand_in.extra:
        session.reg("add", key, *(["/v", name] if name else ["/ve"]), "/d", data, "/f")


def unregister(session, stand_in):
    session.reg("delete", stand_in.key, "/f")
    for key in {key for key, _, _ in stand_in.extra}:
        session.reg("delete", key, "/f")


def read_log(path):
    try:
        with open(path, encoding="utf-8") as log:
            lines = log.read().splitlines()
    except FileNotFoundError:
        return []
    events = []
    for line in lines:
        micros, buttons, *event = line.split("\t")
        event = tuple(event[:1]) + tuple(unescape(argument) for argument in event[1:])
        events.append(SpeechEvent(event, int(micros), int(buttons)))
    return events
