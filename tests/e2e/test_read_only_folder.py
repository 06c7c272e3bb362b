"""A working folder that cannot be written, as on a CD, a write-protected stick or a school's
shared folder: the player starts as usual, announces song 1, plays a song, shows its help file and
ends cleanly with no box about the folder. (That it writes nothing there is checked for every
scenario.)"""
from harness.waiting import wait_until

SONGS = ["one.mp3", "二曲目.mp3"]
HELP = ["読み取り専用のフォルダのヘルプ", "最後の行"]


def test_a_read_only_working_folder(player, case):
    case.songs(SONGS, seconds=6)
    case.help_file(lines=HELP)
    case.read_only()
    order = player.start_songs(case.dir, SONGS)
    recording = player.recording()
    player.focus_song(order.index("one.mp3") + 1)
    player.play(recording, 440, "Enter on a song of the read-only folder")
    player.keys("Keypad -")
    recording.wait_class("silent", 3, "keypad minus")
    text = player.open_help().text
    assert text.split("\r\n")[:2] == HELP, f"help text: {text!r}"
    player.keys("Enter")
    wait_until("the help window hidden after おわる", player.help_hidden, 10)
    player.close()
