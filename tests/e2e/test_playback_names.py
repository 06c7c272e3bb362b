"""Song files whose names would break an MCI command string (quotes, spaces, "%", "&",
brackets) or a formatted message ("%s", "%n", "%1"), that hold Japanese and characters Shift-JIS
cannot hold ("ü", emoji, characters beyond the basic plane), or that are as long as a name can
be (255 bytes): every one of them plays. Each song is chosen in turn; it must be heard, without
an error box, and stop on keypad minus. A long name is announced whole. A file with such a name
that is gone is reported with its name exactly as it is. On Linux a name that is not even valid
UTF-8 (from a stick written elsewhere) plays too."""
import os

import pytest

from harness import program
from harness.speech import say

NAMES = ["it's 'quoted'.mp3", "two  spaces here.mp3", "100% sure.mp3", "rock & roll.mp3", "(live) [take 2].mp3",
         "さくら さくら.mp3", "🎵 emoji.mp3", "𠮷野家の歌.mp3", "a;b,c=d^e!.mp3", "%s%n%x %1!s! 50%%.mp3",
         "Müller ü.mp3"]
# 255 bytes each, as the file system stores them: ASCII, and Japanese in UTF-8.
LONG = ["long " + "x" * 246 + ".mp3", "あ" * 83 + "ab.mp3"]


def plays_each(player, recording):
    for song in player.songs():
        player.focus_song(song.number)
        what = f"song {song.number} {song.caption!r}"
        player.keys("Enter")
        player.wait_for(f"{what} heard or a box", lambda: recording.tail_is(440) or not player.no_box(), True)
        player.expect_no_box(f"for {what}")
        player.keys("Keypad -")
        recording.wait_class("silent", 3, f"keypad minus on {what}")


def test_names_that_must_play(player, case):
    for name in NAMES:
        case.song(f"music/{name}", (440, 6))
    player.start(case.help_file())
    player.ready(len(NAMES))
    plays_each(player, player.recording())
    player.close()


def test_names_of_255_bytes_are_announced_whole_and_play(player, case):
    assert all(len(name.encode()) == 255 for name in LONG)
    for name in LONG:
        case.song(f"music/{name}", (440, 6))
    player.start(case.help_file())
    player.ready(len(LONG))
    announced = set()
    for number in (1, 2):
        player.focus_song(number)
        player.wait_speaks(number)
        said = player.events()[-1]
        names = [name for name in LONG if said == say(program.announcement(number, name))]
        assert names, f"song {number} was announced as {said!r}, not by its whole title"
        announced.update(names)
    assert announced == set(LONG)
    plays_each(player, player.recording())
    player.close()


def test_a_gone_song_is_reported_by_its_name_as_it_is(player, case):
    # Names a message formatter would read as its own: they must come out exactly as written.
    gone = ["%s%n%x 100%.mp3", "%1 & %2!s! 'quoted'.mp3"]
    case.song("music/good.mp3", (440, 6))
    for name in gone:
        case.song(f"music/{name}", (880, 6))
    player.start(case.help_file())
    player.ready(3)
    for name in gone:
        case.changes(f"music/{name}")
        (case.dir / "music" / name).unlink()
        player.focus_song(player.song_showing(name[:4]))
        player.keys("Enter")
        player.expect_song_not_found(name)
    player.expect_running("after the reports")
    player.close()


@pytest.mark.platforms("linux")  # a Windows file name is always text
def test_a_name_that_is_not_utf8_plays(player, case):
    case.song("music/good.mp3", (440, 6))
    music = os.fsencode(case.dir / "music")
    with open(os.path.join(music, b"\xff\xfe bad \x81.mp3"), "wb") as song:
        song.write(case.tones.mp3((440, 6)).read_bytes())
    player.start(case.help_file())
    player.ready(2)
    plays_each(player, player.recording())
    player.close()
