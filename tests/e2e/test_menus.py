"""The player's menu bar and the ways the program ends. The menu bar holds its captions, access
keys and shortcuts in display order; Ctrl+S with nothing playing does nothing (no box, the next
key is still handled); the version item speaks the version, then shows it in a plain box. The
keypad divide key speaks the goodbye, shows it in a plain box and ends after Enter (silently
without speech); the menu's "終了(&X)" and Alt+F4 end the program at once. Every way ends with
exit code 0 and no window left, the speech output released once, as the last thing asked of it."""
from harness import program
from harness.speech import SILENCE, say

SONGS = ["one.mp3", "二曲目.mp3"]


def start(player, case, speech=True):
    case.songs(SONGS)
    return player.start_songs(case.help_file(), SONGS, speech=speech)


def goodbye(player):
    """The keypad divide key: the goodbye box, dismissed with Enter as the spoken goodbye asks."""
    seen = len(player.events())
    player.keys("Keypad /")
    player.wait_box()
    if player.speech:
        assert player.events_since(seen) == [say(program.GOODBYE_SPOKEN)]
    player.expect_box(program.PLAIN_TITLE, program.GOODBYE_BOX, icon=False)
    player.expect_running("before the goodbye box was dismissed")
    player.wait_active("box")
    player.keys("Enter")
    player.expect_clean_exit()


def test_keypad_divide_without_speech(player, case):
    start(player, case, speech=False)
    goodbye(player)
    player.expect_nothing_spoken()


def test_menu_bar_ctrl_s_and_the_version(player, case):
    order = start(player, case)
    assert player.menu_bar() == player.readable_menu(program.MENU_BAR)

    seen = len(player.events())
    player.keys("Ctrl+S")
    # Down after Ctrl+S: had Ctrl+S opened a box, the box would take the key and song 2 would
    # not be announced.
    player.keys("Down")
    player.wait_events("song 2's announcement", lambda events: player.announced(2, order) in events, timeout=15)
    player.expect_no_box("after Ctrl+S")
    player.expect_running("after Ctrl+S")
    assert player.events_since(seen) == [SILENCE, player.announced(2, order)]

    seen = len(player.events())
    player.open_menu("H", "Down", "Enter")      # バージョン情報... has no access key
    box = player.wait_box()
    # The speech is not waited for, but it is asked for before the box opens.
    assert player.events_since(seen) == [say(program.VERSION_SPOKEN)]
    player.expect_box(program.PLAIN_TITLE, program.VERSION_BOX, icon=False)
    player.press_ok(box)
    player.wait_active("player")
    player.expect_running("after the version box")
    player.close()
    player.expect_release_once_last()


def test_keypad_divide(player, case):
    start(player, case)
    goodbye(player)
    player.expect_release_once_last()


def test_the_exit_item(player, case):
    start(player, case)
    player.open_menu("F", "X")
    player.expect_clean_exit()
    player.expect_release_once_last()


def test_alt_f4(player, case):
    start(player, case)
    player.keys("Alt+F4")
    player.expect_clean_exit()
    player.expect_release_once_last()
