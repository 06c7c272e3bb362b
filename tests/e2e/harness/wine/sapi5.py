"""SAPI 5's voice (SpVoice) as the player's speech output: the voice stand-in's class, the voice
tokens it comes with, and its log read in the program's terms.

The stand-in logs the voice's own calls (create, voice, rate, speak with its flags, release; see
tests/wine/voice_double/voice.h). What the player means by them:

    create, then a stop request and the voice chosen    ("create",): the voice was made, found
                                                         to take requests, and given its voice
    rate -1                                              ("speed", "160"): 160 words a minute is
                                                         a little slower than a voice's own pace
    speak ASYNC|IS_NOT_XML TEXT                          ("speak", TEXT)
    speak PURGEBEFORESPEAK (no text)                     ("silence",)
    fail rate / stop / create / speak                    ("fail", "speed" / "silence" / ...)
    release                                              ("release",)

Anything else stays as the voice logged it (a text spoken with other flags keeps its flags, say),
so that a scenario comparing the program's events fails on it and shows it."""
from dataclasses import replace

from ..speech import CREATE

CLSID_SPVOICE = "{96749377-3391-11D2-9EE3-00C04F797396}"
VOICE_TOKENS = r"HKLM\SOFTWARE\Microsoft\Speech\Voices\Tokens"
ENGLISH, JAPANESE = "Otopicco Test English", "Otopicco Test Japanese"
# In the order the voice category lists them (its keys' order): English first, so that a player
# taking the first voice, or trusting Wine's attribute filter, ends up with English.
VOICES = ((ENGLISH, "409"), (JAPANESE, "411"))

# Every text returns at once and is read as written, never parsed as markup.
SPEAK_FLAGS = "ASYNC|IS_NOT_XML"
# No text, purge: what is being spoken and what waits is dropped.
STOP = ("speak", "PURGEBEFORESPEAK")
RATE_OF_SPEED = {"160": "-1"}
# The program's operations as the stand-in is told to refuse them and logs their refusal.
OPERATIONS = (("create", "create"), ("speed", "rate"), ("speak", "speak"), ("silence", "stop"))
# What the player says it could not do when the voice refuses; the stand-in answers E_FAIL.
_COULD_NOT = {"speed": "音声合成の速さを設定できませんでした", "speak": "音声合成で読み上げられませんでした",
              "silence": "音声合成を止められませんでした"}


def refusal(operation):
    return f"{_COULD_NOT[operation]} (HRESULT 0x80004005)"


def token_values():
    """The registry values of the voice tokens: a voice registers its token with a name and the
    languages it reads; no engine, since only the stand-in ever hears the player."""
    values = []
    for name, language in VOICES:
        key = f"{VOICE_TOKENS}\\{name}"
        values += [(key, None, name), (f"{key}\\Attributes", "Name", name),
                   (f"{key}\\Attributes", "Language", language)]
    return tuple(values)


def check_token_order(session):
    """The tokens are listed English first, or a scenario could not tell the Japanese voice
    chosen from the first one taken."""
    listed = [line.rsplit("\\", 1)[-1] for line in session.reg_query(VOICE_TOKENS).splitlines()
              if line.rsplit("\\", 1)[-1] in (ENGLISH, JAPANESE)]
    if listed != [ENGLISH, JAPANESE]:
        raise RuntimeError(f"the voice tokens are listed as {listed}, not English first")


def _program_event(event):
    refused = {voice: program for program, voice in OPERATIONS}
    if event == STOP:
        return ("silence",)
    if event[0] == "speak" and len(event) == 3 and event[1] == SPEAK_FLAGS:
        return ("speak", event[2])
    if event[0] == "rate":
        speed = next((s for s, r in RATE_OF_SPEED.items() if r == event[1]), None)
        return ("speed", speed) if speed else event
    if event[0] == "fail" and event[1] in refused:
        return ("fail", refused[event[1]])
    return event


def program_events(calls):
    """The voice's log (SpeechEvents of its calls) as the player's speech events."""
    events = []
    making = None       # after create: "check" until the stop request, then "choose"
    for call in calls:
        if call.event == ("create",):
            making = "check"
            events.append(replace(call, event=CREATE))
            continue
        if making == "check" and call.event == STOP:
            making = "choose"
            continue
        if making == "choose" and call.event[0] == "voice":
            continue
        making = None
        events.append(replace(call, event=_program_event(call.event)))
    return events
