"""The player window after a successful start with 1, 10, 20 and 2,000 songs: its title, place,
frame and outer size, the song buttons' captions, places and font in the order the focus visits
them, the speed set once every button exists and before the first announcement, song 1 framed in
blue and focused, and a music folder left exactly as it was. A long list shows 20 or 21 buttons
and starts about as fast as a list of one."""
import re
import shutil
import time

from harness import program
from harness.songs import folder_state
from harness.speech import CREATE, RELEASE, say, speed


def start_with(player, case, names):
    """A music folder of these songs, beside entries that are no songs, and the player on it."""
    music = case.songs(names, folder="cwd/music")
    (music / "old.mp3").mkdir()
    (music / "notes.txt").write_text("not a song\n")
    case.help_file("cwd")
    before = folder_state(music)
    player.start(case.dir / "cwd")
    player.wait_window(len(names))
    return music, before


def expect_window(player, songs):
    window = player.window()
    assert window.title == program.WINDOW_TITLE
    assert (window.left, window.top) == program.WINDOW_POSITION
    assert (window.resizable, window.can_maximize, window.can_minimize, window.system_menu) == (False, False, True, True)
    player.expect_outer_size(songs)
    player.expect_song_layout()


def expect_song_font(player, number):
    # A screen reader is not told a button's font: on Linux the song font goes unchecked here.
    if player.reads_fonts:
        assert player.song_font(number) == program.SONG_FONT, f"font of song {number}"


def expect_startup_speech(player, order):
    """Made, speed 160 (with every button made), then song 1's announcement."""
    player.wait_speaks(1)
    assert player.events() == [CREATE, speed(program.SPEED), say(program.announcement(1, order[0]))]
    if player.counts_buttons_at_speech:
        speed_set = next(e for e in player.spoken() if e.kind == "speed")
        assert speed_set.buttons == len(order), "song buttons when the speed was set"


def finish_unchanged(player, music, before):
    player.close()
    assert player.events()[-1] == RELEASE
    assert folder_state(music) == before, "the music folder changed"


def test_one_song(player, case):
    music, before = start_with(player, case, ["ABC.MP3"])
    expect_window(player, 1)
    order = player.match_captions(["ABC.MP3"])
    expect_song_font(player, 1)
    expect_startup_speech(player, order)
    # Left of the column the background shows; song 1 is framed in blue after its announcement.
    assert player.pixels([program.BACKGROUND_POINT, program.FRAME_POINT_SONG_1]) == [program.BACKGROUND, program.FRAME]
    assert player.focused_song() == 1
    finish_unchanged(player, music, before)


# Japanese, half-width katakana, punctuation, an upper-case extension, a hidden file (Wine marks
# dot files hidden), titles of exactly 20 and 21 bytes, and an empty title.
TEN = ["ABC.mp3", "さくら.mp3", "it's a [test] & 100%.mp3", "日本語の歌のタイトル.mp3", "abcdefghijklmnopqrstu.mp3",
       "UPPER.MP3", ".hidden song.mp3", "a,b;c=d+e~f.mp3", "ﾊﾝｶｸ ｶﾅ.mp3", ".mp3"]


def test_ten_songs(player, case):
    music, before = start_with(player, case, TEN)
    expect_window(player, 10)
    order = player.match_captions(TEN)
    for number in range(1, 11):
        expect_song_font(player, number)
    expect_startup_speech(player, order)
    finish_unchanged(player, music, before)


def test_twenty_songs(player, case):
    twenty = [name for i in range(1, 11) for name in (f"song {i:02}.mp3", f"みんなのうた{i:02}.mp3")]
    music, before = start_with(player, case, twenty)
    expect_window(player, 20)
    order = player.match_captions(twenty)
    expect_song_font(player, 1)
    expect_song_font(player, 20)
    expect_startup_speech(player, order)
    finish_unchanged(player, music, before)


def test_a_long_list_starts_as_fast_and_stays_untouched(player, case):
    case.songs(["only.mp3"], folder="one/music")
    started = time.monotonic()
    player.start(case.help_file("one"))
    player.wait_window(1)
    small = time.monotonic() - started
    player.close()

    # Made between the two starts; its own snapshot below shows that it stays untouched.
    case.changes("many")
    music = case.dir / "many" / "music"
    music.mkdir(parents=True)
    tone = case.tones.mp3((440, 0.4))
    for i in range(1, 2001):
        shutil.copyfile(tone, music / f"track {i}.mp3")
    before = folder_state(music)
    started = time.monotonic()
    player.start(case.help_file("many"))
    player.wait_window()
    count = player.wait_for("20 or 21 buttons", lambda: len(player.songs()), lambda n: n in program.MAX_SONG_BUTTONS)
    large = time.monotonic() - started
    assert large <= small + 3 and large <= 15, f"start with 2,000 songs took {large:.1f} s, with one song {small:.1f} s"
    player.expect_outer_size(count)
    player.expect_song_layout()
    # Each caption names a song of the folder, each song at most once.
    seen = set()
    for song in player.songs():
        match = re.fullmatch(rf" {song.number} (track \d+) +", song.caption) or \
            player.captions_trimmed and re.fullmatch(rf"{song.number} (track \d+)", song.caption)
        assert match, f"song {song.number} caption {song.caption!r}"
        assert (music / f"{match[1]}.mp3").exists() and match[1] not in seen, f"song {song.number} names {match[1]}"
        seen.add(match[1])
    player.close()
    assert folder_state(music) == before, "the music folder changed"
