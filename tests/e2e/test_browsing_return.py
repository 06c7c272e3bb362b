"""Focus moves that leave the selection behind, and coming back to the player. Holding Down
announces every song passed, each cut off by the next, yet moves the selection by one: a repaint
(minimise, restore) frames the song at the selection, and keypad 2 goes on from there, also when
a slow speech engine keeps the player busy long after the key is let go. Coming
back from another program's window over the player, or from the version box, speaks and draws
nothing."""
import pytest

from harness import program
from harness.speech import CREATE, SILENCE, speed

THREE = ["one.mp3", "two.mp3", "three.mp3"]


def start_on_song_2(player, case):
    """Three songs, song 1 announced, then Down to song 2, framed and announced."""
    case.songs(THREE)
    order = player.start_songs(case.help_file(), THREE)
    player.keys("Down")
    player.wait_speaks(2)
    player.wait_frames(2)
    return order, len(player.events())


# With a slow speech engine the player handles the held key's repeats more slowly than the
# keyboard sends them, and is still moving the focus long after the key is let go.
# On Linux a text is handed to speech-dispatcher at once, however slow the voice.
@pytest.mark.parametrize("speech_delay", [0, pytest.param(150, marks=pytest.mark.platforms("wine"))],
                         ids=["speech at once", "slow speech"])
def test_a_held_down_key(player, case, speech_delay):
    twenty = [f"song {i:02}.mp3" for i in range(1, 21)]
    case.songs(twenty)
    order = player.start_songs(case.help_file(), twenty, speech_delay=speech_delay)
    player.key_down("Down")
    try:
        # Song 1, the first key-down's song 2, then at least three repeats.
        player.wait_speaks(5)
    finally:
        player.key_up("Down")
    # The window menu opens only once the player has handled every key before it: the repeats
    # still queued and the key-up. Only then are the focus and the announcements final.
    player.minimize()
    player.restore()
    player.wait_active("player")
    last = player.last_announced()
    assert 5 <= last <= 20, f"the held key went to song {last}"
    expected = [CREATE, speed(program.SPEED), player.announced(1, order)]
    for number in range(2, last + 1):
        expected += [SILENCE, player.announced(number, order)]
    assert player.events() == expected
    seen = len(player.events())
    if player.repaints_when_restored:
        # The selection moved by one on the key-up: the repaint frames song 2, not the focused song.
        player.wait_frames(2)
    else:
        # Natively the restored window shows what it showed before: the band around the held
        # key's last song. Only keypad 2 tells where the selection is.
        player.wait_frames(last)
    player.wait_focus(last)
    player.keys("Keypad 2")
    player.wait_speaks(last + 1)
    assert player.events_since(seen) == [SILENCE, player.announced(3, order)]
    # The focus change paints over the band it drew last (around the held key's last song); the
    # band that the repaint drew around song 2 stays.
    player.wait_frames(*((2, 3) if player.repaints_when_restored else (3,)))
    player.finish()


def test_back_from_another_program(player, case):
    order, seen = start_on_song_2(player, case)
    player.open_other_program()
    assert player.active() != "player", "the player is still active under the other program"
    player.close_other_program()
    # Back the way a sighted helper comes back: a click on the player's title bar.
    player.click_player_title()
    player.wait_active("player")
    player.wait_focus(2)
    player.keys("Down")
    player.wait_speaks(3)
    assert player.events_since(seen) == [SILENCE, player.announced(3, order)]
    player.wait_frames(3)
    player.finish()


def test_back_from_the_version_box(player, case):
    order, seen = start_on_song_2(player, case)
    player.open_menu("H", "Down", "Enter")      # the Help menu's second item: the version
    player.press_ok()
    player.wait_active("player")
    player.wait_focus(2)
    speaks = player.speak_count()
    player.keys("Down")
    player.wait_speaks(speaks + 1)
    # The version message's own speech is left out: only focus announcements matter here.
    after = [e for e in player.events_since(seen) if e != ("speak", program.VERSION_SPOKEN)]
    assert after == [SILENCE, player.announced(3, order)]
    player.wait_frames(3)
    player.finish()
