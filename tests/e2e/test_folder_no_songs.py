"""OK on a folder without songs: a folder with no MP3 file at all, and one whose only match is a
folder named x.mp3, both give the plain box "mp3ファイルがみつかりません。"; the player then has its
old buttons, the focus back on the song it had, nothing is announced, and songs still come from
the folder in force before (music at first, later a chosen one)."""
from harness import program
from harness.songs import folder_state


def ok_without_songs(player, recording, folder, focused, tone):
    """OK on `folder`: the box, OK on it; then the player is back as it was with song `focused`
    focused, nothing spoken meanwhile, and Enter resumes the stopped song (`tone`)."""
    captions = player.captions()
    player.select_folder(folder)
    seen = len(player.events())
    player.keys("Enter")
    player.expect_box(program.PLAIN_TITLE, program.NO_MP3_FOUND, icon=False)
    player.press_ok()
    player.wait_folder_closed(f"after the box for {folder}")
    player.expect_back(focused, captions)
    # By the time the song is heard, an announcement on the return would have been asked long since.
    player.play(recording, tone, f"the stopped song resumes after OK on {folder}")
    assert player.events_since(seen) == [], f"spoken from OK on {folder} to the song"


def next_song_plays(player, recording, key, number, tone):
    """`key` moves to song `number`, which is announced; Enter plays it from the folder in force."""
    speaks = player.speak_count()
    player.keys(key)
    player.wait_focus(number)
    player.wait_speaks(speaks + 1)
    player.play(recording, tone, f"song {number} plays from the folder in force")
    player.expect_no_box(f"after Enter on song {number}")


def test_folders_without_songs(player, case):
    case.songs(["a.mp3", "b.mp3", "c.mp3"], hz=440, seconds=8)
    (case.dir / "empty").mkdir()
    (case.dir / "empty" / "notes.txt").write_text("not a song\n")
    case.song("dironly/x.mp3/inside.mp3", (880, 8))
    case.songs(["p.mp3", "q.mp3"], folder="two", hz=880, seconds=8)
    player.start(case.help_file(), program_dir=case.dir)
    player.ready(3)
    recording = player.recording()
    before = folder_state(case.dir / "dironly")

    # A folder without MP3 files: the box, the old buttons and focus, songs from music.
    next_song_plays(player, recording, "Down", 2, 440)
    player.open_folder_dialog_while_playing(recording)
    ok_without_songs(player, recording, "empty", 2, 440)
    next_song_plays(player, recording, "Down", 3, 440)

    # A folder whose only match is a folder named x.mp3: the same box, songs from music.
    player.open_folder_dialog_while_playing(recording)
    assert player.selected_label() == "empty", "selection kept after the failed OK"
    ok_without_songs(player, recording, "dironly", 3, 440)
    next_song_plays(player, recording, "Up", 2, 440)
    assert folder_state(case.dir / "dironly") == before, "the folder with x.mp3 changed"

    # After a folder was chosen, a failed OK keeps that folder, not music.
    player.open_folder_dialog_while_playing(recording)
    player.select_folder("two")
    player.keys("Enter")
    player.wait_folder_closed("OK on two")
    player.expect_rebuilt(["p.mp3", "q.mp3"])
    player.play(recording, 880, "song 1 of two plays")
    player.open_folder_dialog_while_playing(recording)
    ok_without_songs(player, recording, "empty", 1, 880)
    next_song_plays(player, recording, "Down", 2, 880)
    player.close()
