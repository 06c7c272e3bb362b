"""Song files whose names would break an MCI command string (quotes, spaces, "%", "&",
brackets) or that hold Japanese and characters Shift-JIS cannot hold: every one of them plays.
Each song is chosen in turn; it must be heard, without an error box, and stop on keypad minus."""

NAMES = ["it's 'quoted'.mp3", "two  spaces here.mp3", "100% sure.mp3", "rock & roll.mp3", "(live) [take 2].mp3",
         "さくら さくら.mp3", "🎵 emoji.mp3", "𠮷野家の歌.mp3", "a;b,c=d^e!.mp3"]


def test_names_that_must_play(player, case):
    for name in NAMES:
        case.song(f"music/{name}", (440, 6))
    player.start(case.help_file())
    player.ready(len(NAMES))
    recording = player.recording()
    for song in player.songs():
        player.focus_song(song.number)
        what = f"song {song.number} {song.caption!r}"
        player.keys("Enter")
        player.wait_for(f"{what} heard or a box", lambda: recording.tail_is(440) or not player.no_box(), True)
        player.expect_no_box(f"for {what}")
        player.keys("Keypad -")
        recording.wait_class("silent", 3, f"keypad minus on {what}")
    player.close()
