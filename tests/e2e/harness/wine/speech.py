"""Speech stand-ins: in-process COM servers of the tests that take the place of a speech engine
in the test prefix and log every call. The driver registers the chosen one when a scenario wants
speech and removes it when a scenario wants none. Adding a stand-in is adding an entry to
STAND_INS: its class, its DLL, the registry values that make it known (registration.py writes
them), and the environment variables through which it is told where to log, what to refuse and
how slowly to speak.
Every stand-in writes its log in the same lines:

    <unix microseconds> TAB <song buttons> TAB <event> [TAB <argument>]...

with backslash, CR, LF and TAB in arguments written as \\ \\r \\n \\t. The SAPI 4 control's
stand-in logs the program's own events (create, speed, speak, silence, release, fail, bad); a
stand-in of another speech API logs that API's calls, which its `program_events` reads in the
program's terms (sapi5.py)."""
from dataclasses import dataclass
from typing import Callable

from ..speech import SpeechEvent
from . import sapi5
from .probe import unescape

def _unchanged(events):
    return events


def _refused_on_request(operation):
    return f"speech double: {operation} refused on request"


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
    # The program's operations ("create", "speed", "speak", "silence") that the stand-in knows by
    # other names, as (operation, name) pairs.
    operations: tuple = ()
    refusal: Callable = _refused_on_request     # operation -> the error text of its refusal
    # Further registry values it needs, as (key, value name or None for the default, data): the
    # voice tokens of a speech API, say. They are removed with the class.
    extra: tuple = ()
    # The class is also one of Wine's own, whose registration is saved before the stand-in first
    # takes its place and put back when the stand-in goes.
    replaces_wine: bool = False
    check: Callable = None                      # check(session) after registering: raises if amiss
    program_events: Callable = _unchanged       # its log's SpeechEvents -> the program's events

    @property
    def key(self):
        return f"{self.root}\\CLSID\\{self.clsid}"

    def refused(self, operation):
        """The stand-in's name for the program's operation."""
        return dict(self.operations).get(operation, operation)


STAND_INS = {
    # The speech control the program looks for first (the SAPI 4 text-to-speech control).
    "sapi4": StandIn("sapi4", "speech_double.dll", "{EEE78591-FE22-11D0-8BEF-0060081841DE}"),
    # SAPI 5's voice, which the program makes when that control is missing, with an English and
    # a Japanese voice token. HKCU registrations are ignored for it; a prefix update registers
    # Wine's own again.
    "sapi5": StandIn("sapi5", "voice_double.dll", sapi5.CLSID_SPVOICE, root=r"HKLM\Software\Classes",
                     threading="Both", log_variable="OTOPICCO_VOICE_LOG", refuse_variable="OTOPICCO_VOICE_FAIL",
                     delay_variable="OTOPICCO_VOICE_DELAY_MS", operations=sapi5.OPERATIONS,
                     refusal=sapi5.refusal, extra=sapi5.token_values(), replaces_wine=True,
                     check=sapi5.check_token_order, program_events=sapi5.program_events),
}


def read_log(path):
    """The stand-in's log as it wrote it."""
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
