"""What the player asked of its speech output, in the program's terms. Every driver turns its own
speech log (a stand-in control's log, a speech server's log) into these events, so scenarios
compare lists of plain tuples:

    ("create",)          the speech output was made at start-up
    ("speed", "160")     the speed was set
    ("speak", TEXT)      TEXT was handed over to be spoken
    ("silence",)         what was being spoken was cut off
    ("release",)         the speech output was let go at the end
    ("fail", OPERATION)  the speech output refused OPERATION (a stand-in asked to fail)
"""
from dataclasses import dataclass

CREATE = ("create",)
SILENCE = ("silence",)
RELEASE = ("release",)


def say(text):
    return ("speak", text)


def speed(value):
    return ("speed", str(value))


def refused(operation):
    return ("fail", operation)


@dataclass(frozen=True)
class SpeechEvent:
    event: tuple            # one of the tuples above
    micros: int             # host clock, microseconds since the epoch
    buttons: int = None     # song buttons that existed at the call, when the log tells

    @property
    def kind(self):
        return self.event[0]


def speaks(events):
    """The texts handed over to be spoken, in order."""
    return [e.event[1] for e in events if e.kind == "speak"]
