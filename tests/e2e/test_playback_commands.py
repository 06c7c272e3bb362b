"""Playing and stopping songs, heard in the recording: Enter plays the focused song; keypad minus
and Ctrl+S stop it and a later Enter resumes it where it stopped; a second Enter on the playing
song does not restart it; Enter on another song ends the old one at once and plays the new one
from its start; a song that played to its end plays again from its start; the stop keys with
nothing playing change nothing. Songs are tones whose pitch changes at known times, so where in
a song the player is can be told from the recording."""
from harness import program
from harness.audio import RATE, seconds
from harness.speech import CREATE, say, speed

RISING = ((440, 2), (880, 3))       # 2 s low, then 3 s high


def start(player, case, songs):
    player.start(case.help_file())
    player.ready(songs)
    return player.recording()


def play_first(player, recording):
    """Enter on the focused song; returns where its first tone was first heard."""
    start = recording.mark()
    player.keys("Enter")
    recording.wait_class(440, 10, "Enter on song 1")
    onset = recording.first(440, start)
    assert onset is not None, "no onset of song 1"
    return onset


def test_keypad_minus_stops_and_enter_resumes(player, case):
    case.song("music/rising.mp3", *RISING)
    recording = start(player, case, 1)
    onset = play_first(player, recording)
    recording.wait_recorded(onset, 1.2)
    player.keys("Keypad -")
    recording.wait_class("silent", 3, "keypad minus")
    recording.stays("silent", 1.5, "after keypad minus")
    resume = recording.mark()
    # Everything of the low tone up to the silence, also what played while the stop was on its way.
    before = recording.span(440, onset, resume - onset)
    player.keys("Enter")
    recording.wait_class(880, 10, "Enter on the stopped song, its second tone")
    assert recording.first_tone(resume) == "440", "first tone after the resume"
    after = recording.span(440, resume)
    # What the sound path dropped while the machine was too busy to feed it may be missing.
    high = recording.first(880, resume)
    dropped = recording.dropout_seconds(onset, resume - onset) + recording.dropout_seconds(resume, high - resume)
    # 2 s of the low tone in all when it resumes; a restart would add the whole 2 s again.
    assert 1.6 - dropped <= before + after <= 2.6, \
        f"low tone heard {before:.2f} s before the stop and {after:.2f} s after it " \
        f"({dropped:.2f} s dropped by the sound path): the song did not resume"
    assert player.events() == [CREATE, speed(program.SPEED), say("1 rising")]
    player.close()


def test_a_second_enter_does_not_restart_and_ctrl_s_stops(player, case):
    case.song("music/rising.mp3", *RISING)
    recording = start(player, case, 1)
    onset = play_first(player, recording)
    recording.wait_recorded(onset, 1.0)
    second = recording.mark()
    player.keys("Enter")
    recording.wait_class(880, 10, "the song's second tone")
    high = recording.first(880, onset)
    assert high is not None, "no onset of the second tone"
    # The second tone starts 2 s into the song; a restart at the second Enter would put it at 3 s.
    # A busy machine's sound path drops out: Wine either delays the song by the dropout or skips
    # what it could not play to keep time. So the recording's time may be late by the dropouts,
    # and the song's own time (less them) may be early by them.
    elapsed, gap = seconds(high - onset), recording.song_seconds(onset, high)
    assert 1.7 <= elapsed and gap <= 2.4, \
        f"the second tone came {elapsed:.2f} s after the first ({gap:.2f} s less dropouts): " \
        "the second Enter restarted the song"
    breaks = [(round(seconds(p - second), 2), n) for p, n in recording.breaks(onset, high - onset)]
    assert not breaks, f"the song broke off (seconds after the second Enter, silent windows): {breaks}"
    player.keys("Ctrl+S")
    recording.wait_class("silent", 3, "Ctrl+S")
    recording.stays("silent", 1.5, "after Ctrl+S")
    player.expect_no_box("after Ctrl+S")
    player.close()


def test_another_song_replaces_the_playing_one(player, case):
    case.song("music/steady.mp3", (440, 8))
    case.song("music/falling.mp3", (880, 2), (440, 6))
    recording = start(player, case, 2)
    low, high = player.song_showing("steady"), player.song_showing("falling")
    player.focus_song(low)
    player.keys("Enter")
    recording.wait_class(440, 10, "Enter on the low song")
    player.focus_song(high)
    switch = recording.mark()
    player.keys("Enter")
    recording.wait_class(880, 10, "Enter on the other song")
    switched = recording.first(880, switch)
    assert switched is not None, "the other song was not heard"
    assert recording.song_seconds(switch, switched) <= 1.0, \
        f"the other song began {recording.song_seconds(switch, switched):.2f} s after Enter"
    # One 20 ms window may hold the old song's last sound and the new one's first, one after the
    # other; both songs at once would fill window after window.
    assert recording.count("both", switch, switched - switch + RATE) <= 1, "both tones over the new song's start"
    recording.wait_recorded(switched, 0.5)
    assert recording.count(440, switched, RATE // 2) == 0, "the low tone while the other song plays"
    # Let the other song reach its low part, go back to the first song, then choose the other
    # again: it must start with its high tone, not go on where it was.
    recording.wait_class(440, 5, "the other song's low part")
    player.focus_song(low)
    back = recording.mark()
    player.keys("Enter")
    # The switch shows as a short break between the two low tones.
    player.wait_for("a break at the switch", lambda: recording.count("silent", back), lambda n: n > 0, 5)
    recording.wait_class(440, 5, "the first song again")
    player.focus_song(high)
    again = recording.mark()
    player.keys("Enter")
    recording.wait_class(880, 3, "the other song from its start")
    # The old song's low tone, the break of the switch, then the first sound of the other song.
    assert recording.first_tone(again, after_gap=True) == "880", "tone after Enter on the other song again"
    player.keys("Keypad -")
    recording.wait_class("silent", 3, "keypad minus")
    player.close()


def test_stop_keys_with_nothing_playing_and_an_ended_song_again(player, case):
    case.song("music/short.mp3", (440, 1), (880, 1))
    recording = start(player, case, 1)
    events = player.events()
    player.keys("Keypad -", "Ctrl+S")
    recording.stays("silent", 1, "the stop keys before any song")
    player.expect_no_box("for a stop key with nothing playing")
    player.expect_running("after the stop keys")
    player.keys("Enter")
    recording.wait_class(440, 10, "Enter on song 1")
    recording.wait_class(880, 5, "the second tone")
    recording.wait_class("silent", 5, "the end of the song")
    recording.stays("silent", 0.5, "after the end")
    player.keys("Keypad -", "Ctrl+S")
    recording.stays("silent", 1, "the stop keys after the end")
    player.expect_no_box("for a stop key after the end")
    assert player.events() == events
    again = recording.mark()
    player.keys("Enter")
    recording.wait_class(880, 10, "the ended song again, its second tone")
    recording.wait_class("silent", 5, "the second end")
    low, high = recording.span(440, again), recording.span(880, again)
    # What the sound path dropped on a busy machine may be missing from either tone.
    dropped = recording.dropout_seconds(again)
    assert 0.8 <= low + dropped and low <= 1.2 and 0.8 <= high + dropped and high <= 1.2, \
        f"after the end Enter played {low:.2f} s of the first tone and {high:.2f} s of the second " \
        f"(1 s each expected; {dropped:.2f} s dropped by the sound path)"
    player.close()
