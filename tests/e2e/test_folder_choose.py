"""Choosing other folders of songs: Ctrl+O while a song plays stops it and opens "フォルダの選択"
with the program's folder as its only root, expanded and selected; OK on a folder with MP3 files
rebuilds the button column (fewer songs shrink the window, more songs grow it), makes the player
active with song 1 focused and announced, and the next Enter plays the new folder's song even
though it has the same number as the song played before. A folder whose name Shift-JIS cannot
hold still plays. The dialog keeps its selection from one opening to the next."""
from harness import program
from harness.speech import SILENCE
from harness.verbs import TreeNode

OLD = ["a.mp3", "b.mp3", "c.mp3"]
TWO = ["二曲目.mp3", "y.mp3"]
FIVE = ["k1.mp3", "k2.mp3", "k3.mp3", "k4.mp3", "k5.mp3"]
WIDE_NAME, WIDE = "曲𠮷🎵", ["s.mp3"]


def choose(player, folder, names):
    """OK on `folder`: the dialog closes, the column is rebuilt, and song 1 is announced after a
    silence. Returns the names in button order."""
    player.select_folder(folder)
    seen = len(player.events())
    player.keys("Enter")
    player.wait_folder_closed(f"OK on {folder}")
    order = player.expect_rebuilt(names)
    player.wait_events("the announcement of song 1", lambda events: len(events) >= seen + 2)
    assert player.events_since(seen) == [SILENCE, player.announced(1, order)]
    return order


def test_choose_folders(player, case):
    # Each folder plays its own tone, so the recording tells which folder a song came from; the
    # program runs from the case folder, which the tree shows first.
    for folder, tone, names in [("music", 440, OLD), ("two", 880, TWO), ("five", 440, FIVE), (WIDE_NAME, 880, WIDE)]:
        case.songs(names, folder=folder, hz=tone, seconds=8)
    player.start(case.help_file(), program_dir=case.dir)
    player.ready(3)
    recording = player.recording()
    player.play(recording, 440, "song 1 of music plays")
    player.open_folder_dialog_while_playing(recording)

    # The first opening: the dialog's frame and buttons, and the folder that holds the program as
    # the tree's only root, expanded one level and selected.
    dialog = player.folder_dialog()
    assert dialog.window.client_size == program.FOLDER_DIALOG_CLIENT
    assert list(dialog.buttons) == program.FOLDER_BUTTONS
    assert dialog.focus == "tree"
    tree = player.folder_tree()
    assert tree[0] == TreeNode(0, case.dir.name, True, True, 4)
    assert all(node.depth == 1 for node in tree[1:]), tree
    assert sorted(node.label for node in tree[1:]) == sorted(["five", "music", "two", WIDE_NAME])

    # Fewer songs: the window shrinks; song 1 (as before) now plays from the new folder.
    choose(player, "two", TWO)
    player.play(recording, 880, "song 1 of the new folder plays, not the old song 1")

    # More songs: the window grows. The dialog opens with the folder chosen last still selected.
    player.open_folder_dialog_while_playing(recording)
    assert player.selected_label() == "two", "selection kept from the last opening"
    choose(player, "five", FIVE)
    player.play(recording, 440, "song 1 of five plays, not song 1 of two")

    # A folder name with characters outside Shift-JIS: its songs are still found and played.
    player.open_folder_dialog_while_playing(recording)
    player.select_folder(WIDE_NAME)
    player.keys("Enter")
    player.wait_folder_closed(f"OK on {WIDE_NAME}")
    player.expect_rebuilt(WIDE)
    player.play(recording, 880, f"the song of {WIDE_NAME} plays")
    player.expect_no_box(f"after OK on {WIDE_NAME}")
    player.close()
