"""Start-up without speech, and with a speech output that refuses the speed. Without speech the
plain box about it comes first, the player then starts with every button and nothing is ever
spoken; a refused speed is shown by the error box of the program's exception handler, after which
the player still starts with its buttons and announces song 1."""
import pytest

from harness import program
from harness.speech import CREATE, RELEASE, refused, say

SONGS = ["one.mp3", "二曲目.mp3", "three.mp3"]


def test_without_speech_every_button_and_nothing_spoken(player, case):
    case.songs(SONGS)
    player.start(case.help_file(), speech=False)
    player.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    player.press_ok()
    player.wait_window(3)
    player.match_captions(SONGS)
    player.wait_focus(1)
    player.close()
    player.expect_nothing_spoken()


@pytest.mark.platforms("wine")  # the speech stand-in refuses on request
def test_a_refused_speed_is_shown_and_the_player_goes_on(player, case):
    case.songs(SONGS)
    player.start(case.help_file(), refuse="speed")
    box = player.wait_box()
    assert (box.title, box.icon) == (program.PLAIN_TITLE, True)
    assert player.refusal_text("speed") in box.text, f"the box does not show the speech output's error: {box.text!r}"
    assert player.events() == [CREATE, refused("speed")]
    player.press_ok(box)
    player.wait_window(3)
    order = player.match_captions(SONGS)
    player.wait_speaks(1)
    assert player.events() == [CREATE, refused("speed"), say(program.announcement(1, order[0]))]
    player.close()
    assert player.events()[-1] == RELEASE
