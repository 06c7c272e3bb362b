"""Keys that must neither move, draw nor say anything. With a single song, Up, Down, keypad 8,
keypad 2, Tab, Shift+Tab, Left and Right leave song 1 focused, framed and unspoken; the keypad
divide key comes last, and its goodbye proves that every key before it has been handled. With
three songs, Shift+Enter and Ctrl+Enter say nothing, and Enter on a song keeps the program
running and listening."""
from harness import program
from harness.speech import SILENCE, say

THREE = ["one.mp3", "two.mp3", "three.mp3"]


def test_a_single_song_stays_put(player, case):
    case.songs(["ひとつ.mp3"])
    player.start_songs(case.help_file(), ["ひとつ.mp3"])
    assert player.frames() == "B"
    seen = len(player.events())
    player.keys("Up", "Down", "Keypad 8", "Keypad 2", "Tab", "Shift+Tab", "Left", "Right", "Down", "Keypad 2")
    player.keys("Keypad /")
    box = player.wait_box()
    # The box sits in the middle of the screen, clear of the player's only button.
    assert player.frames() == "B"
    assert player.events_since(seen) == [say(program.GOODBYE_SPOKEN)]
    assert (box.title, box.text) == (program.PLAIN_TITLE, program.GOODBYE_BOX)
    player.press_ok(box)
    player.expect_clean_exit()


def test_enter_with_and_without_modifiers(player, case):
    case.songs(THREE)
    order = player.start_songs(case.help_file(), THREE)
    player.keys("Down")
    player.wait_speaks(2)
    player.wait_frames(2)
    seen = len(player.events())
    player.keys("Shift+Enter", "Ctrl+Enter", "Down")
    player.wait_speaks(3)
    assert player.events_since(seen) == [SILENCE, player.announced(3, order)]
    player.wait_frames(3)
    player.keys("Enter", "Up")
    player.wait_speaks(4)
    assert player.events_since(seen) == [SILENCE, player.announced(3, order), SILENCE, player.announced(2, order)]
    player.wait_frames(2)
    player.expect_running("after Enter")
    player.expect_no_box("after Enter")
    player.finish()
