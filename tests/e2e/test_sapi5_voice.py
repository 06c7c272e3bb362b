"""SAPI 5's voice, the player's speech where the SAPI 4 control is missing, seen through the
voice's own calls. Where the SAPI 4 control can be made it speaks, and the voice is never made.
Otherwise the voice must take a stop request when it is made; the Japanese voice is chosen
although an English one is listed first; the rate is set once; every text is handed over to be
spoken at once and as written, so a title with "<", "&" or "&lt;" is read as it stands; only the
announcements after the first are cut off before them. Wine's own SpVoice, which has no engine,
counts as no speech at all, and the program starts and says so on a Windows without sapi.dll.
The other scenarios run with this voice too (see CMakeLists.txt), read in the program's terms."""
import pytest

from harness import program
from harness.speech import CREATE, RELEASE, speed
from harness.wine import sapi5

pytestmark = [pytest.mark.platforms("wine"), pytest.mark.speech_stand_ins("sapi5")]

TWO = ["one.mp3", "two.mp3"]
MARKUP = ["one.mp3", "<two> & &lt;.mp3", "three.mp3"]


def spoken(text):
    return ("speak", sapi5.SPEAK_FLAGS, text)


def calls(player, stand_in=None):
    return [call.event for call in player.calls(stand_in)]


def test_the_sapi4_control_comes_first(player, case):
    case.songs(TWO)
    player.start(case.help_file(), other_speech=("sapi4",))
    player.wait_window(2)
    order = player.match_captions(TWO)
    announced = ("speak", program.announcement(1, order[0]))
    player.wait_for("song 1 announced by the SAPI 4 control", lambda: calls(player, "sapi4"),
                    lambda events: announced in events, 20)
    player.close()
    assert calls(player, "sapi4") == [CREATE, speed(program.SPEED), announced, RELEASE]
    assert not player.speech_used(), f"the voice was made although the SAPI 4 control speaks: {calls(player)}"


def test_the_japanese_voice_reads_every_text_as_written(player, case):
    case.songs(MARKUP)
    order = player.start_songs(case.help_file(), MARKUP)
    player.step("Down", 2, order)
    player.step("Down", 3, order)
    gone = order[2]
    case.changes(f"music/{gone}")
    (case.dir / "music" / gone).unlink()
    player.keys("Enter")
    player.expect_song_not_found(gone)
    player.open_menu("H", "Down", "Enter")      # the version
    player.expect_box(program.PLAIN_TITLE, program.VERSION_BOX, icon=False)
    player.press_ok()
    player.wait_active("player")
    player.keys("Keypad /")
    player.expect_box(program.PLAIN_TITLE, program.GOODBYE_BOX, icon=False)
    player.press_ok()
    player.expect_clean_exit()
    announcements = [spoken(program.announcement(number, name)) for number, name in enumerate(order, 1)]
    assert calls(player) == [
        CREATE, sapi5.STOP, ("voice", sapi5.JAPANESE), ("rate", sapi5.RATE_OF_SPEED[str(program.SPEED)]),
        announcements[0], sapi5.STOP, announcements[1], sapi5.STOP, announcements[2],
        spoken(program.not_found(gone)), spoken(program.VERSION_SPOKEN), spoken(program.GOODBYE_SPOKEN), RELEASE]


def test_wines_own_voice_counts_as_none(player, case):
    case.songs(TWO)
    # Without the stand-in, SpVoice is Wine's own: it is made, and refuses the stop request.
    player.start(case.help_file(), speech=False)
    player.ready(2)
    assert "sapi.dll" in player.loaded_libraries(), "Wine's own SpVoice was never made"
    player.close()
    player.expect_nothing_spoken()


def test_the_player_starts_without_sapi_dll(player, case):
    imports = player.imported_libraries()
    assert "ole32.dll" in imports and not any("sapi" in name for name in imports), f"the program imports {imports}"
    case.songs(["one.mp3"])
    player.start(case.help_file(), speech=False, missing_libraries=("sapi",))
    player.ready(1)
    assert "sapi.dll" not in player.loaded_libraries()
    player.close()
    player.expect_nothing_spoken()
