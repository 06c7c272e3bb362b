"""What song 1's announcement waits for under Windows: only the player window and its speech. The
folder dialog's tree (comctl32, and shell32 for its icons and root) and the songs' sound (winmm
with its MCI drivers) are loaded when first used, so a child hears song 1 sooner; everything the
user sees stays the same."""
import pytest

from harness.waiting import wait_until

pytestmark = pytest.mark.platforms("wine")

TREE = {"comctl32.dll", "shell32.dll"}
SOUND = {"winmm.dll"}


def test_tree_and_sound_are_loaded_when_first_used(player, case):
    case.songs(["one.mp3", "two.mp3"])
    player.start_songs(case.help_file(), ["one.mp3", "two.mp3"])
    imports = player.imported_libraries()
    assert not imports & (TREE | SOUND), f"the program imports {sorted(imports)}"
    loaded = player.loaded_libraries()
    assert not loaded & (TREE | SOUND), f"loaded before the first key: {sorted(loaded & (TREE | SOUND))}"

    player.open_folder_dialog()
    assert player.selected_label() is not None, "the tree shows no folder when first opened"
    # Also proves that the log of loaded libraries is read at all.
    missing = TREE - player.loaded_libraries()
    assert not missing, f"the folder tree is shown, yet not loaded: {sorted(missing)}"
    player.keys("Esc")
    player.wait_folder_closed("Esc")
    assert not player.loaded_libraries() & SOUND, "the sound was loaded without a song to play"

    player.keys("Enter")
    wait_until("winmm loaded for the first song", lambda: SOUND <= player.loaded_libraries(), 15)
    player.close()
