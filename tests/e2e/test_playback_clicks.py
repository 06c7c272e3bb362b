"""Clicks other than Enter. A mouse press on a song button that has not got the focus moves the
focus to it first, so the song is announced, and the click that follows on release plays it; the
announcement and the song are heard together. Space clicks the focused song on key-up."""
from harness import program
from harness.speech import SILENCE, say


def tone_of(song):
    return 880 if "three" in song.caption else 440


def test_mouse_press_announces_then_plays_and_space_plays_on_key_up(player, case):
    case.song("music/one.mp3", (440, 6))
    case.song("music/two.mp3", (440, 6))
    case.song("music/three.mp3", (880, 6))
    player.start(case.help_file())
    player.ready(3)
    recording = player.recording()
    # Song 3 has not got the focus (song 1 has it); which file it is depends on the folder's order.
    third = player.songs()[2]
    title = program.caption_title(third.caption)
    player.click_song(3)
    player.wait_events(f"the announcement of song 3 ({title})", lambda events: say(f"3 {title}") in events)
    assert player.events()[-2:] == [SILENCE, say(f"3 {title}")]
    player.wait_focus(3)
    recording.wait_class(tone_of(third), 10, "the clicked song")
    player.expect_no_box("after the click")

    # Space on the same player: nothing while it is held, song 2 plays when it is let go.
    player.keys("Keypad -")
    recording.wait_class("silent", 5, "keypad minus")
    player.keys("Up")
    player.wait_focus(2)
    player.key_down("Space")
    try:
        recording.stays("silent", 1, "Space held down")
    finally:
        player.key_up("Space")
    recording.wait_class(tone_of(player.songs()[1]), 10, "Space released")
    player.close()
