"""Start-up failures: no music folder in the working folder (even with one beside the program), a
file named music, a music folder whose only *.mp3 entry is a folder, an empty music folder. Each
shows its boxes in order, with the announcement spoken before the error box when there is speech,
and the program then ends with exit code 0 and no window left."""
import pytest

from harness import program
from harness.speech import CREATE, RELEASE, refused, say


# Each setup makes the working folder and, when the program must run from elsewhere, the folder
# of its copy; it returns both.
def missing_folder(case):
    case.songs(["beside the program.mp3"], folder="app/music")
    (case.dir / "cwd").mkdir()
    return case.dir / "cwd", case.dir / "app"


def music_is_a_file(case):
    case.song("cwd/music", (440, 0.4))
    return case.dir / "cwd", None


def only_a_folder(case):
    case.song("cwd/music/x.mp3/inside.mp3", (440, 0.4))
    case.song("cwd/music/song.wav", (880, 0.4))
    return case.dir / "cwd", None


def empty_folder(case):
    (case.dir / "cwd" / "music").mkdir(parents=True)
    return case.dir / "cwd", None


NO_FOLDER = (program.NO_FOLDER_BOX, program.NO_FOLDER_SPOKEN)
NO_FILES = (program.NO_FILES_BOX, program.NO_FILES_SPOKEN)
FAILURES = [(missing_folder, *NO_FOLDER), (music_is_a_file, *NO_FOLDER), (only_a_folder, *NO_FILES),
            (empty_folder, *NO_FILES)]


IDS = ["missing folder", "music is a file", "only a folder", "empty folder"]


@pytest.mark.parametrize("setup, box, spoken", FAILURES, ids=IDS)
def test_error_box_after_the_announcement(player, case, setup, box, spoken):
    cwd, program_dir = setup(case)
    case.help_file(cwd)
    player.start(cwd, program_dir=program_dir)
    player.wait_box()
    assert player.events() == [CREATE, say(spoken)]
    player.expect_box(program.ERROR_TITLE, box, icon=True)
    player.press_ok()
    player.expect_clean_exit()
    assert player.events() == [CREATE, say(spoken), RELEASE]


@pytest.mark.platforms("wine")  # the speech stand-in refuses on request
def test_speech_that_cannot_be_made_counts_as_none(player, case):
    cwd, program_dir = missing_folder(case)
    case.help_file(cwd)
    player.start(cwd, refuse="create", program_dir=program_dir)
    player.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    player.press_ok()
    player.expect_box(program.ERROR_TITLE, program.NO_FOLDER_BOX, icon=True)
    player.press_ok()
    player.expect_clean_exit()
    assert player.events() == [refused("create")]


# Without speech the plain box about it comes first, titled after the program file (its name up
# to the first ".", lower case after the first character), then the error box; nothing is
# spoken. There is no help file either: its error box must not hold up the end of the program.
@pytest.mark.parametrize("setup, box, program_name, title", [
    (missing_folder, program.NO_FOLDER_BOX, "OtoPICCO.v2", "Otopicco"),
    (music_is_a_file, program.NO_FOLDER_BOX, "otopicco", "otopicco"),
    (only_a_folder, program.NO_FILES_BOX, "otopicco", "otopicco"),
    (empty_folder, program.NO_FILES_BOX, "otopicco", "otopicco"),
], ids=IDS)
def test_plain_box_then_error_box_without_speech(player, case, setup, box, program_name, title):
    cwd, program_dir = setup(case)
    player.start(cwd, speech=False, program_dir=program_dir, program_name=program_name)
    player.expect_box(title, program.NO_SPEECH_ENGINE, icon=False)
    player.press_ok()
    player.expect_box(program.ERROR_TITLE, box, icon=True)
    player.press_ok()
    player.expect_clean_exit()
    player.expect_nothing_spoken()
