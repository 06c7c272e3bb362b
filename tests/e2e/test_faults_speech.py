"""The speech output failing while the player runs.

Under Wine the speech stand-in is told to refuse one operation, every time it is asked:
- making it: the plain box "対応している音声合成エンジンがありません。", then the player runs with
  every song and plays them, and nothing is ever asked of the speech output again;
- speaking: the first announcement already fails, and every announcement after it too: each
  shows the program's exception box (titled after the program, error icon) with the speech
  output's own error text, after which the focus stays on the new song and the player goes on
  (songs play). A song that cannot be played is then reported by that same exception box, the
  "エラー" box about the file never following it. With the music folder missing, the refused
  speech of the start-up message is shown by the exception box, and the folder's error box never
  follows; the player then stays open without songs until it is closed, and ends cleanly;
- silencing (the SAPI 4 control): song 1 is announced, then every move to another song shows the
  exception box with the control's error text and that song is not spoken; songs still play. SAPI
  5's voice is asked to stop once while it is made, to see that it takes requests: a voice that
  refuses counts as no voice at all, so the player gives the plain box about it and runs without
  speech.

On Linux speech-dispatcher itself is the speech output; nothing can make it refuse one request
and take the next, but the service can be unreachable or go away:
- a service that runs but offers no voice counts as no speech output: the plain box, and the
  player runs without speech;
- the service killed during a run (as if it crashed) is started again by the next announcement,
  which is heard, at the speed set at start-up; no box appears;
- the service stopped during a run and unable to start again: the next announcement shows one
  exception box saying that speech-dispatcher cannot be reached; the keys after it move the focus
  without any box while the service stays away; once it can be started again, announcements come
  back within a few seconds, still without a box;
- the service gone when a song cannot be played: the report of the song is the first request that
  fails, so the exception box about speech-dispatcher shows instead of the "エラー" box; choosing
  the song again shows the "エラー" box, without speech, and another song still plays."""
import pytest

from harness import program
from harness.speech import CREATE, RELEASE, SILENCE, refused, say
from harness.waiting import wait_until

SONGS = ["one.mp3", "two.mp3", "three.mp3"]


def exception_box(player, text):
    """The program's exception box is shown now and says `text` (the box may add a final ".")."""
    box = player.wait_box()
    assert (box.title, box.icon, box.buttons) == (program.PLAIN_TITLE, True, ("OK",)), \
        f"exception box: {(box.title, box.text, box.icon, box.buttons)}"
    assert text in box.text, f"the box does not show {text!r}: {box.text!r}"
    return box


def dismiss(player, box):
    player.press_ok(box)
    player.wait_active("player")


def down_with_box(player, text, number):
    """Down moves the focus to song `number`, and the exception box saying `text` comes with it."""
    seen = len(player.events())
    player.keys("Down")
    dismiss(player, exception_box(player, text))
    player.wait_focus(number)
    return player.events_since(seen)


# --- Wine: the stand-in refuses.

@pytest.mark.platforms("wine")
def test_an_engine_that_cannot_be_made(player, case):
    case.songs(["low.mp3", "high.mp3"], seconds=6)     # 440 and 880 Hz
    player.start(case.help_file(), refuse="create")
    player.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    player.press_ok()
    player.wait_window(2)
    second = player.match_captions(["low.mp3", "high.mp3"])[1]
    player.wait_focus(1)
    player.wait_active("player")
    recording = player.recording()
    player.keys("Down")
    player.wait_focus(2)
    player.play(recording, "880" if second == "high.mp3" else "440", "Enter without speech")
    player.close()
    assert player.events() == [refused("create")]


@pytest.mark.platforms("wine")
def test_an_engine_that_refuses_to_speak(player, case):
    case.song("music/good.mp3", (440, 6))
    case.song("music/gone.mp3", (880, 6))
    player.start(case.help_file(), refuse="speak")
    refusal = player.refusal_text("speak")
    # Song 1's announcement, the first thing spoken, is refused.
    dismiss(player, exception_box(player, refusal))
    assert player.events() == [CREATE, ("speed", str(program.SPEED)), refused("speak")]
    player.wait_window(2)
    player.wait_focus(1)
    good, gone = player.song_showing("good"), player.song_showing("gone")
    case.changes("music/gone.mp3")
    (case.dir / "music" / "gone.mp3").unlink()
    recording = player.recording()
    # Every move to another song is refused again, and shown again.
    if good != 1:
        assert down_with_box(player, refusal, good) == [SILENCE, refused("speak")]
    player.play(recording, "440", "Enter after the refused announcement")
    assert down_with_box(player, refusal, gone) == [SILENCE, refused("speak")]
    # The file is gone: the report of it is refused too, and only the exception box shows.
    seen = len(player.events())
    player.keys("Enter")
    dismiss(player, exception_box(player, refusal))
    assert player.events_since(seen) == [refused("speak")]
    recording.wait_class("silent", 3, "the failed song closed the one that played")
    # No "エラー" box follows: the next key's box is the next refusal.
    assert down_with_box(player, refusal, good) == [SILENCE, refused("speak")]
    player.close()
    assert player.events()[-1] == RELEASE


@pytest.mark.platforms("wine")
def test_a_refused_start_up_message(player, case):
    (case.dir / "elsewhere").mkdir()
    player.start(case.help_file(), refuse="speak")
    dismiss(player, exception_box(player, player.refusal_text("speak")))
    assert player.events() == [CREATE, refused("speak")]
    # The rest of the start-up is skipped: no error box about the folder, no song button, and the
    # player stays open until it is closed.
    player.wait_window()
    assert player.songs() == [] and player.no_box(), f"{player.songs()} {player.boxes()}"
    player.expect_running("after the refused start-up message")
    player.close()
    assert player.events() == [CREATE, refused("speak"), RELEASE]


@pytest.mark.platforms("wine")
@pytest.mark.speech_stand_ins("sapi4")
def test_a_control_that_refuses_to_silence(player, case):
    case.songs(SONGS, seconds=6)
    player.start(case.help_file(), refuse="silence")
    player.ready(3)
    order = player.match_captions(SONGS)
    assert player.events() == [CREATE, ("speed", str(program.SPEED)), say(program.announcement(1, order[0]))]
    refusal = player.refusal_text("silence")
    # The silence comes before the announcement: refused, it leaves the new song unspoken.
    assert down_with_box(player, refusal, 2) == [refused("silence")]
    assert down_with_box(player, refusal, 3) == [refused("silence")]
    recording = player.recording()
    player.play(recording, "440" if order[2] != "two.mp3" else "880", "Enter after the refused silences")
    player.close()
    assert player.events()[-1] == RELEASE


def browse_without_speech(player):
    """OK on the no-engine box; the player comes up and Down still moves the focus; it closes."""
    player.press_ok()
    player.wait_window(3)
    player.wait_focus(1)
    player.wait_active("player")
    player.keys("Down")
    player.wait_focus(2)
    player.close()


@pytest.mark.platforms("wine")
@pytest.mark.speech_stand_ins("sapi5")
def test_a_voice_that_refuses_to_stop_counts_as_none(player, case):
    case.songs(SONGS, seconds=6)
    player.start(case.help_file(), refuse="silence")
    player.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    assert player.events() == [CREATE, refused("silence"), RELEASE]
    browse_without_speech(player)
    assert player.events() == [CREATE, refused("silence"), RELEASE]


# --- Linux: the speech service itself fails.

@pytest.mark.platforms("linux")
def test_a_service_without_a_voice_counts_as_none(player, case):
    case.songs(SONGS)
    player.speak_aloud("novoice")
    player.start(case.help_file())
    player.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    browse_without_speech(player)
    assert not [e for e in player.events() if e[0] in ("speak", "silence")], player.events()


def start_speaking(player, case):
    """The player started with its songs and announcing; returns the songs in button order."""
    case.songs(SONGS)
    return player.start_songs(case.help_file(), SONGS)


@pytest.mark.platforms("linux")
def test_a_service_that_crashed_comes_back_at_the_next_announcement(player, case):
    order = start_speaking(player, case)
    speed = next(e for e in player.events() if e[0] == "speed")
    player.session.stop_speech(crash=True)
    seen = len(player.events())
    player.keys("Down")
    player.wait_speaks(2)
    player.wait_focus(2)
    player.expect_no_box("after the service came back")
    # A new connection, at the speed of the first; the cut-off and the announcement go through it.
    assert player.events_since(seen) == [CREATE, speed, SILENCE, say(program.announcement(2, order[1]))]
    player.step("Down", 3, order)
    player.close()


@pytest.mark.platforms("linux")
def test_a_service_that_stays_away_is_reported_once(player, case):
    order = start_speaking(player, case)
    player.session.set_speech("none")           # stopped, and it cannot be started again
    player.keys("Down")
    box = exception_box(player, "音声合成サービス (speech-dispatcher) に接続できません。")
    dismiss(player, box)
    player.wait_focus(2)
    # While the service is away the keys move the focus quietly: a box would take the next key.
    for number in (3, 1, 2):
        player.keys("Down")
        player.wait_focus(number)
    player.expect_no_box("while the service is away")
    speaks = player.speak_count()
    player.session.set_speech("log")            # it can be started again
    focus = [2]

    def announced_again():
        player.keys("Down")
        focus[0] = focus[0] % 3 + 1
        player.wait_focus(focus[0])
        player.expect_no_box("while speech comes back")
        return player.speak_count() > speaks

    wait_until("an announcement once the service can start again", announced_again, 20, poll=0.5)
    player.wait_speaks(speaks + 1)
    texts = [e[1] for e in player.events() if e[0] == "speak"]
    assert texts[-1] == program.announcement(focus[0], order[focus[0] - 1]), texts
    player.close()


@pytest.mark.platforms("linux")
def test_a_song_that_cannot_be_played_while_the_service_is_away(player, case):
    case.song("music/good.mp3", (440, 6))
    case.song("music/gone.mp3", (880, 6))
    order = player.start_songs(case.help_file(), ["good.mp3", "gone.mp3"])
    gone, good = order.index("gone.mp3") + 1, order.index("good.mp3") + 1
    player.focus_song(gone)
    case.changes("music/gone.mp3")
    (case.dir / "music" / "gone.mp3").unlink()
    player.session.set_speech("none")
    player.keys("Enter")
    dismiss(player, exception_box(player, "音声合成サービス (speech-dispatcher) に接続できません。"))
    speaks = player.speak_count()
    player.wait_focus(gone)
    player.keys("Enter")
    player.expect_box(program.ERROR_TITLE, program.not_found("gone.mp3"), icon=True)
    assert player.speak_count() == speaks, player.events()
    player.press_ok()
    player.wait_active("player")
    recording = player.recording()
    player.keys("Down")
    player.wait_focus(good)
    player.play(recording, "440", "another song while the service is away")
    player.close()
