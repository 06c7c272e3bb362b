"""The sound output missing at start-up or going away while a song plays (the session's sound
server, which the program's songs reach through GStreamer on Linux and through Wine's audio
driver under Wine). The program never crashes nor hangs; keys and announcements keep working.

- The sound server killed while a song plays: the song goes quiet, nothing is shown. Choosing
  another song then fails to open it, which is reported as for any song that cannot be played:
  spoken and in the "エラー" box naming the file; choosing it again reports again. Once the sound
  server is back, choosing another song opens and plays it.
- Choosing the song that played when the sound went, once the sound is back: on Linux the song
  goes on from where it broke off. Under Wine it stays silent, with no box, until another song is
  chosen, which then plays.
- No sound server when the program starts: on Linux speech-dispatcher cannot start without one,
  so the player gives its plain box about having no speech engine and runs without speech (also
  after the sound comes back); under Wine the speech stand-in needs no sound and announcements go
  on. Each song chosen fails to open and is reported. Under Wine songs stay unplayable for the
  rest of that run even when the sound server comes back (Wine's audio driver looks for it only
  when the program starts). On Linux, and under Wine on the next start, songs play once the sound
  server is back."""
import pytest

from harness import program

LOW, HIGH = "low.mp3", "high.mp3"
TONE = {LOW: "440", HIGH: "880"}


def two_long_songs(case):
    case.song(f"music/{LOW}", (440, 60))
    case.song(f"music/{HIGH}", (880, 60))


def start_and_play_low(player, case):
    """The player started, the low song playing; returns the songs in button order."""
    two_long_songs(case)
    order = player.start_songs(case.help_file(), [LOW, HIGH])
    recording = player.recording()
    player.focus_song(order.index(LOW) + 1)
    player.play(recording, "440", "the low song")
    return order, recording


def test_the_sound_server_killed_while_a_song_plays(player, case):
    order, recording = start_and_play_low(player, case)
    low, high = order.index(LOW) + 1, order.index(HIGH) + 1
    player.kill_sound_server()
    player.expect_running("once the sound server was killed")
    player.expect_no_box("once the sound server was killed")
    # Keys and announcements go on without sound.
    player.step("Down", high, order)
    player.keys("Enter")
    player.expect_song_not_found(HIGH)
    player.wait_focus(high)
    player.keys("Enter")
    player.expect_song_not_found(HIGH)
    player.restart_sound_server()
    recording = player.recording()
    player.step("Down", low, order)
    player.play(recording, TONE[LOW], "another song once the sound server is back")
    player.close()


def test_the_song_that_played_when_the_sound_went(player, case):
    case.song(f"music/{LOW}", (440, 3), (880, 60))
    case.song(f"music/{HIGH}", (880, 60))
    order = player.start_songs(case.help_file(), [LOW, HIGH])
    low = order.index(LOW) + 1
    recording = player.recording()
    player.focus_song(low)
    player.play(recording, "440", "the low song's beginning")
    recording.wait_class("880", 10, "the low song past its beginning")
    player.kill_sound_server()
    player.keys("Enter")
    player.wait_focus(low)
    player.expect_no_box("choosing the song while there is no sound")
    player.restart_sound_server()
    recording = player.recording()
    player.keys("Enter")
    if player.platform == "linux":
        # It goes on past its beginning, not from it.
        start = recording.mark()
        recording.wait_class("880", 10, "the song going on once the sound server is back")
        assert recording.count("440", start) == 0, f"the song started again: {recording.summary(3)}"
    else:
        recording.stays("silent", 2, "the song Wine's driver lost")
        player.expect_no_box("choosing the song again")
        high = order.index(HIGH) + 1
        player.step("Down", high, order)
        player.play(recording, "880", "another song once the sound server is back")
    player.close()


def test_no_sound_server_at_the_start(player, case):
    two_long_songs(case)
    if player.platform == "linux":
        player.session.stop_speech()    # it must start now, without a sound server
    player.kill_sound_server()
    try:
        player.start(case.help_file())
        if player.platform == "linux":
            player.speech = False       # speech-dispatcher cannot start without sound
        player.ready(2)
        order = player.match_captions([LOW, HIGH])
        player.keys("Enter")
        player.expect_song_not_found(order[0])
        if player.speech:
            player.step("Down", 2, order)
        else:
            player.keys("Down")
            player.wait_focus(2)
        player.keys("Enter")
        player.expect_song_not_found(order[1])
    finally:
        player.restart_sound_server()
    recording = player.recording()
    if player.platform == "linux":
        player.keys("Up")
        player.wait_focus(1)
        player.play(recording, TONE[order[0]], "a song once the sound server is back")
        player.close()
        player.expect_nothing_spoken()
    else:
        player.step("Up", 1, order)
        player.keys("Enter")
        player.expect_song_not_found(order[0])
        player.close()
        player.start(case.dir)
        player.ready(2)
        player.play(recording, TONE[player.match_captions([LOW, HIGH])[0]], "a song at the next start")
        player.close()
