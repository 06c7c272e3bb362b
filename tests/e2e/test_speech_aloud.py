"""Speech heard, not only asked for: with a real voice (espeak-ng behind speech-dispatcher) the
start-up announcement, the announcements of browsing, the message about a song that cannot be
played and the version and goodbye messages are heard in the recording, and an announcement
cut off by the next key stops at once instead of being heard to its end. The other scenarios
check what was asked of the speech service; these check that it reaches the ear."""
import pytest

from harness import program
from harness.heard import wait_heard, wait_quiet
from harness.speech import SILENCE, say

pytestmark = pytest.mark.platforms("linux")     # Wine has no speech engine to hear

LONG = "とてもながいなまえのうたをみんなでいっしょにきいてみましょうね.mp3"
SHORT = "あ.mp3"


def start_aloud(player, case, names, help_file=True):
    case.songs(names)
    recording = player.recording()
    player.speak_aloud()
    mark = recording.mark()
    player.start(case.help_file() if help_file else case.dir)
    return recording, mark


def test_start_up_and_browsing_cut_off(player, case):
    recording, mark = start_aloud(player, case, [LONG, SHORT])
    player.ready(2)
    # The long title shows cut in its button; its announcement says it whole.
    long_number = player.song_showing(LONG[:4])
    order = [LONG, SHORT] if long_number == 1 else [SHORT, LONG]
    # Start-up: song 1's announcement is heard. Each title heard to its end gives its length.
    onset = wait_heard(recording, mark, "the start-up announcement")
    first = wait_quiet(recording, onset, "the start-up announcement")
    if long_number != 1:
        mark = recording.mark()
        player.step("Down", long_number, order)
        first = wait_quiet(recording, wait_heard(recording, mark, "the long announcement"), "the long one")
    assert first >= 2.5, f"the long title was heard for {first:.2f} s only"
    other = long_number % 2 + 1
    mark = recording.mark()
    player.step("Down", other, order)
    short = wait_quiet(recording, wait_heard(recording, mark, "the short announcement"), "the short announcement")
    assert short < first - 1.5, f"the short title took {short:.2f} s, the long one {first:.2f} s"

    # The long announcement again, cut off by Down half a second after it is first heard.
    mark, seen = recording.mark(), len(player.events())
    player.keys("Up")
    onset = wait_heard(recording, mark, "the long announcement again")
    recording.wait_recorded(onset, 0.5)
    player.keys("Down")
    heard = wait_quiet(recording, onset, "the cut-off announcement and the next one")
    assert player.events_since(seen) == [SILENCE, player.announced(long_number, order),
                                         SILENCE, player.announced(other, order)]
    assert heard < 0.5 + short + 1.0 < first, \
        f"after the cut-off {heard:.2f} s of speech were heard; the long title takes {first:.2f} s"
    player.finish()


def test_a_start_up_failure_is_heard(player, case):
    recording = player.recording()
    player.speak_aloud()
    mark = recording.mark()
    (case.dir / "cwd").mkdir()
    player.start(case.help_file("cwd"))
    player.expect_box(program.ERROR_TITLE, program.NO_FOLDER_BOX, icon=True)
    assert player.events()[-1] == say(program.NO_FOLDER_SPOKEN)
    wait_quiet(recording, wait_heard(recording, mark, "the message about the missing folder"), "the message")
    player.press_ok()
    player.expect_clean_exit()


def test_a_song_that_cannot_be_played_is_heard_and_cut_off(player, case):
    recording, _ = start_aloud(player, case, [SHORT, "ゆき.mp3"])
    player.ready(2)
    wait_quiet(recording, wait_heard(recording, 0, "the start-up announcement"), "the start-up announcement")
    case.changes("music/ゆき.mp3")
    (case.dir / "music" / "ゆき.mp3").unlink()
    target = player.song_showing("ゆき")
    player.focus_song(target)
    wait_quiet(recording, wait_heard(recording, recording.mark(), "the announcement"), "the announcement")
    mark = recording.mark()
    player.keys("Enter")
    player.expect_box(program.ERROR_TITLE, program.not_found("ゆき.mp3"), icon=True)
    whole = wait_quiet(recording, wait_heard(recording, mark, "the message"), "the message")
    player.press_ok()
    player.wait_active("player")
    # Again, and the next key's announcement cuts the message off.
    mark = recording.mark()
    player.keys("Enter")
    box = player.expect_box(program.ERROR_TITLE, program.not_found("ゆき.mp3"), icon=True)
    onset = wait_heard(recording, mark, "the message again")
    player.press_ok(box)
    player.wait_active("player")
    player.keys("Down")
    player.wait_events("the next announcement", lambda events: events[-2:] == [SILENCE, say(program.announcement(
        target % 2 + 1, SHORT))])
    heard = wait_quiet(recording, onset, "the message cut off and the announcement")
    assert whole >= 2 and heard < whole, f"the whole message is {whole:.2f} s, cut off it was heard {heard:.2f} s"
    player.finish()


def test_version_and_goodbye_are_heard(player, case):
    recording, _ = start_aloud(player, case, [SHORT])
    player.ready(1)
    wait_quiet(recording, wait_heard(recording, 0, "the start-up announcement"), "the start-up announcement")
    mark = recording.mark()
    player.open_menu("H", "Down", "Enter")
    player.expect_box(program.PLAIN_TITLE, program.VERSION_BOX, icon=False)
    assert wait_quiet(recording, wait_heard(recording, mark, "the version"), "the version") >= 1.5
    player.press_ok()
    player.wait_active("player")
    mark = recording.mark()
    player.keys("Keypad /")
    player.expect_box(program.PLAIN_TITLE, program.GOODBYE_BOX, icon=False)
    assert wait_quiet(recording, wait_heard(recording, mark, "the goodbye"), "the goodbye") >= 1.5
    player.keys("Enter")
    player.expect_clean_exit()
