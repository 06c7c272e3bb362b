"""Browsing a list of three songs by ear: song 1 framed and announced at start-up with no silence
before it; Down and Up wrapping round the list, each later announcement cut off by a silence, the
blue band moving and the yellow painted over the band left behind; Tab and Shift+Tab announcing
without moving the selection, so that keypad 8 and 2 go on from where Up and Down left it, and a
keypad move onto the focused song saying and drawing nothing; Left and Right doing nothing; keypad
8 and 2 acting as Up and Down while Num Lock is off. Without speech the frames move all the same."""
from harness import program
from harness.speech import CREATE, SILENCE, speed

SONGS = ["one.mp3", "二曲目.mp3", "three.mp3"]


def start(player, case):
    case.songs(SONGS)
    return player.start_songs(case.help_file(), SONGS)


def test_start_up(player, case):
    order = start(player, case)
    assert player.events() == [CREATE, speed(program.SPEED), player.announced(1, order)]
    assert player.frames() == "B Y Y"
    player.wait_focus(1)
    player.finish()


def test_up_and_down_wrap(player, case):
    order = start(player, case)
    for keys, song in [("Down", 2), ("Down", 3), ("Down", 1), ("Up", 3), ("Up", 2), ("Up", 1), ("Up", 3)]:
        player.step(keys, song, order)
    # The selection followed every key: from song 3 keypad 2 goes to song 1 and keypad 8 back.
    player.step("Keypad 2", 1, order)
    player.step("Keypad 8", 3, order)
    player.finish()


def test_tab_keeps_the_selection(player, case):
    order = start(player, case)
    player.step("Tab", 2, order)
    # The selection is still song 1: keypad 2 lands on song 2, which has the focus already, so
    # nothing is said or drawn; the next keypad 2 goes on to song 3.
    player.step(("Keypad 2", "Keypad 2"), 3, order)
    player.step("Tab", 1, order)
    player.step("Keypad 8", 2, order)
    player.finish()


def test_shift_tab_keeps_the_selection(player, case):
    order = start(player, case)
    player.step("Shift+Tab", 3, order)
    player.step("Shift+Tab", 2, order)
    player.step(("Keypad 2", "Keypad 2"), 3, order)
    player.finish()


def test_left_and_right_do_nothing(player, case):
    order = start(player, case)
    player.step("Down", 2, order)
    # Nothing may come between the announcements of Down and the next Down.
    seen = len(player.events())
    player.keys("Left", "Right", "Left", "Right")
    player.step("Down", 3, order)
    assert player.events_since(seen) == [SILENCE, player.announced(3, order)]
    player.step("Keypad 8", 2, order)
    player.finish()


def test_keypad_with_num_lock_off(player, case):
    order = start(player, case)
    player.num_lock(False)
    player.step("Keypad 2", 2, order)
    player.step("Keypad 2", 3, order)
    player.step("Keypad 8", 2, order)
    player.num_lock(True)
    player.step("Keypad 2", 3, order)
    player.step("Keypad 2", 1, order)
    player.finish()


def test_frames_without_speech(player, case):
    case.songs(["one.mp3", "two.mp3", "three.mp3"])
    player.start(case.help_file(), speech=False)
    player.ready(3)
    player.wait_frames(1)
    # The selection stays on song 1 when Tab moves the focus: keypad 8 goes to the last song.
    for key, song in [("Down", 2), ("Down", 3), ("Down", 1), ("Tab", 2), ("Keypad 8", 3), ("Up", 2)]:
        player.keys(key)
        player.wait_frames(song)
        player.wait_focus(song)
    player.expect_no_box("while browsing")
    player.expect_running("while browsing")
    player.close()
    player.expect_nothing_spoken()
