"""The music folder going wrong while the player runs, and a music folder far too full.

- Made unreadable (no permissions at all) while a song plays: the song plays on, since its file is
  open already; choosing another song reports it as not found, aloud and in the error box, and
  nothing plays; once the folder is readable again, choosing a song plays it.
- Deleted, songs and all, while a song plays: the player goes on answering; choosing another song
  reports it as not found and nothing plays; the player ends cleanly.
- 100,000 entries: the player starts, shows 20 or 21 buttons, each naming a song of the folder
  once, announces song 1, and plays it. (How fast it starts beside a folder of 51 songs is a
  benchmark figure: scripts/bench.sh launch and linux-launch.)
"""
import os
import re
import shutil

from harness import program


def start(player, case, names):
    for i, name in enumerate(names):
        case.song(f"music/{name}", ((440, 880)[i % 2], 8))
    player.start(case.help_file())
    player.ready(len(names))
    return player.recording()


def test_the_music_folder_made_unreadable_while_a_song_plays(player, case):
    recording = start(player, case, ["low.mp3", "high.mp3"])
    low, high = player.song_showing("low"), player.song_showing("high")
    player.focus_song(low)
    player.play(recording, 440, "Enter on the low song")
    music = case.dir / "music"
    mode = music.stat().st_mode
    music.chmod(0)
    try:
        # The song's file is open already: it plays on (a busy machine's sound output may drop
        # out for a moment, so what counts is that it is still heard a second later).
        recording.wait_recorded(recording.samples(), 1)
        recording.wait_class(440, 3, "the song already open, with the folder unreadable")
        player.focus_song(high)
        player.keys("Enter")
        player.expect_song_not_found("high.mp3")
        recording.wait_class("silent", 3, "after the song that could not be opened")
        player.expect_running("after the report")
    finally:
        music.chmod(mode)
    player.focus_song(low)
    player.play(recording, 440, "a song once the folder is readable again")
    player.close()


def test_the_music_folder_deleted_while_a_song_plays(player, case):
    recording = start(player, case, ["low.mp3", "high.mp3"])
    low, high = player.song_showing("low"), player.song_showing("high")
    player.focus_song(low)
    player.play(recording, 440, "Enter on the low song")
    case.changes("music")
    shutil.rmtree(case.dir / "music")
    player.focus_song(high)
    player.keys("Enter")
    player.expect_song_not_found("high.mp3")
    recording.wait_class("silent", 3, "after the song that could not be opened")
    player.focus_song(low)
    player.keys("Enter")
    player.expect_song_not_found("low.mp3")
    recording.stays("silent", 0.5, "with the folder gone")
    player.close()


def test_a_music_folder_of_100000_entries(player, case):
    music = case.dir / "music"
    music.mkdir()
    # Two songs under 100,000 names: hard links cost no room and are each a file of the folder
    # (a file system allows some 65,000 links to one file).
    tone = case.tones.mp3((440, 8))
    for i in range(100000):
        if i % 50000 == 0:
            source = shutil.copyfile(tone, music / f"track {i:06}.mp3")
        else:
            os.link(source, music / f"track {i:06}.mp3")
    player.start(case.help_file())
    player.wait_window(timeout=60)
    count = player.wait_for("20 or 21 buttons", lambda: len(player.songs()), lambda n: n in program.MAX_SONG_BUTTONS)
    player.expect_outer_size(count)
    seen = set()
    for song in player.songs():
        match = re.fullmatch(rf" ?{song.number} (track \d{{6}}) *", song.caption)
        assert match and (music / f"{match[1]}.mp3").exists() and match[1] not in seen, \
            f"song {song.number} caption {song.caption!r}"
        seen.add(match[1])
    player.wait_speaks(1, timeout=20)
    player.wait_focus(1)
    player.wait_active("player")
    recording = player.recording()
    player.play(recording, 440, "Enter on song 1 of 100,000")
    player.close()
