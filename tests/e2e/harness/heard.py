"""Real speech in the recording: when a voice starts to be heard and when it stops. Speech pauses
between words for a moment, so an utterance has ended only after a longer silence."""
from .audio import RATE, WINDOW, seconds
from .waiting import wait_until

PAUSE = 0.6     # seconds of silence that end an utterance


def wait_heard(recording, start, what, timeout=15):
    """The first sample of sound after `start`."""
    return wait_until(f"{what} to be heard", lambda: recording.first_audible(start), timeout,
                      seen=lambda: f"last second: {recording.summary()}")


def sound_end(recording, onset):
    """The first sample of a silence of PAUSE seconds after `onset`, or None while none came."""
    needed = round(PAUSE * RATE / WINDOW)
    for position, windows in recording.silent_runs(onset):
        if windows >= needed:
            return position
    return None


def wait_quiet(recording, onset, what, timeout=20):
    """Waits until the sound that began at `onset` has stopped; returns the seconds it lasted."""
    end = wait_until(f"{what} to stop", lambda: sound_end(recording, onset), timeout,
                     seen=lambda: f"last second: {recording.summary()}")
    return seconds(end - onset)
