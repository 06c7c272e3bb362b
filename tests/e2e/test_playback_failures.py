"""Songs that cannot be played: a file deleted after the list was built, a file that is not MP3
data, a zero-byte file, the whole music folder removed. Each is reported aloud (with speech) and
in the error box "エラー", naming the music folder and the file; the song that played before
ends; choosing the same song again reports again; another song still plays afterwards. Without
speech only the box appears.

Songs that are damaged but still MP3 data are no failure: a file cut off in the middle plays what
it holds and ends by itself, and a file that grows while it plays (still being copied) plays; in
neither case is there an error box, and the player goes on answering."""


def start(player, case, songs, speech=True):
    player.start(case.help_file(), speech=speech)
    player.ready(songs)
    return player.recording()


def fails_then_recovers(player, recording, name, good):
    """The song of file `name` cannot be played while song `good` plays."""
    player.focus_song(good)
    player.play(recording, 440, "Enter on a playable song")
    target = player.song_showing(name[:-4])
    player.focus_song(target)
    player.keys("Enter")
    player.expect_song_not_found(name)
    # Opening the failed song closed the one that played.
    recording.wait_class("silent", 3, "after the failed song")
    player.wait_focus(target)
    player.keys("Enter")
    player.expect_song_not_found(name)
    recording.stays("silent", 0.5, "after the second report")
    player.expect_running("after the reports")
    player.focus_song(good)
    player.play(recording, 440, "a playable song after the reports")
    player.keys("Keypad -")
    recording.wait_class("silent", 3, "keypad minus")


def test_a_file_deleted_after_the_start(player, case):
    case.song("music/good.mp3", (440, 6))
    case.song("music/ゆき.mp3", (880, 6))
    recording = start(player, case, 2)
    case.changes("music/ゆき.mp3")
    (case.dir / "music" / "ゆき.mp3").unlink()
    fails_then_recovers(player, recording, "ゆき.mp3", player.song_showing("good"))
    player.close()


def test_not_mp3_data_and_zero_bytes(player, case):
    case.song("music/good.mp3", (440, 6))
    (case.dir / "music" / "text.mp3").write_bytes(b"This is a text file, not a song.\r\n")
    (case.dir / "music" / "empty.mp3").write_bytes(b"")
    recording = start(player, case, 3)
    good = player.song_showing("good")
    fails_then_recovers(player, recording, "text.mp3", good)
    fails_then_recovers(player, recording, "empty.mp3", good)
    player.close()


def test_the_music_folder_removed_after_the_start(player, case):
    case.song("music/one.mp3", (440, 6))
    case.song("music/two.mp3", (440, 6))
    recording = start(player, case, 2)
    (case.dir / "music").rename(case.dir / "away")
    first = player.song_showing("one")
    player.focus_song(first)
    player.keys("Enter")
    player.expect_song_not_found("one.mp3")
    player.wait_focus(first)
    player.keys("Enter")
    player.expect_song_not_found("one.mp3")
    player.focus_song(player.song_showing("two"))
    player.keys("Enter")
    player.expect_song_not_found("two.mp3")
    recording.stays("silent", 0.5, "with the folder gone")
    # The folder comes back: the next Enter opens its song, whatever the failed opens left behind.
    (case.dir / "away").rename(case.dir / "music")
    player.focus_song(first)
    player.play(recording, 440, "a song once the folder is back")
    player.close()


def test_a_file_deleted_after_the_start_without_speech(player, case):
    case.song("music/good.mp3", (440, 6))
    case.song("music/gone.mp3", (880, 6))
    recording = start(player, case, 2, speech=False)
    case.changes("music/gone.mp3")
    (case.dir / "music" / "gone.mp3").unlink()
    fails_then_recovers(player, recording, "gone.mp3", player.song_showing("good"))
    player.close()
    player.expect_nothing_spoken()


def test_a_file_cut_off_in_the_middle(player, case):
    case.song("music/whole.mp3", (880, 6))
    cut = case.song("music/cut.mp3", (440, 2), (880, 6))
    data = cut.read_bytes()
    cut.write_bytes(data[:len(data) // 5])     # about the first 1.6 s: the low part only
    recording = start(player, case, 2)
    player.focus_song(player.song_showing("cut"))
    mark = recording.samples()
    player.play(recording, 440, "Enter on the cut song")
    recording.wait_class("silent", 8, "the cut song ending where its data ends")
    assert recording.first(880, mark) is None, "the cut song played more than its data holds"
    player.expect_no_box("for the cut song")
    player.focus_song(player.song_showing("whole"))
    player.play(recording, 880, "another song after the cut one")
    player.close()


def test_a_file_growing_while_it_plays(player, case):
    case.song("music/other.mp3", (880, 6))
    growing = case.dir / "music" / "growing.mp3"
    data = case.tones.mp3((440, 8)).read_bytes()
    growing.write_bytes(data[:len(data) // 4])
    recording = start(player, case, 2)
    case.changes("music/growing.mp3")
    player.focus_song(player.song_showing("growing"))
    player.play(recording, 440, "Enter on the growing song")
    with open(growing, "ab") as song:
        for start_at in range(len(data) // 4, len(data), 4096):
            song.write(data[start_at:start_at + 4096])
            song.flush()
    player.expect_no_box("for the growing song")
    player.expect_running("while the song grew")
    player.keys("Keypad -")
    recording.wait_class("silent", 3, "keypad minus on the growing song")
    player.focus_song(player.song_showing("other"))
    player.play(recording, 880, "another song after the growing one")
    player.close()
