"""Leaving the folder dialog without a new folder: "キャンセル" (clicked with the mouse), Esc and
the close box each leave the buttons and the songs as they were, give the focus back to the song
that had it without an announcement, and the next opening shows the selection as it was left.
"デスクットプ" makes the desktop the tree's root; pressing it again keeps the opened nodes and the
selection, and so does closing and opening the dialog again."""
from harness import program
from harness.waiting import WaitTimeout

ROOT_DEPTH, CHILD_DEPTH, GRANDCHILD_DEPTH = 0, 1, 2


def leave_unchanged(player, recording, how, focused, leave):
    """`leave` closes the dialog; then the player is back as before with song `focused` focused
    and nothing spoken; the stopped song resumes, and the next song plays from music too (a
    changed folder would show a not-found box or another tone)."""
    captions, seen = player.captions(), len(player.events())
    leave()
    player.wait_folder_closed(how)
    player.expect_back(focused, captions)
    player.play(recording, 440, f"the stopped song resumes after {how}")
    assert player.events_since(seen) == [], f"spoken from {how} to the song"
    speaks = player.speak_count()
    player.keys("Down")
    player.wait_focus(focused + 1)
    player.wait_speaks(speaks + 1)
    player.play(recording, 440, f"song {focused + 1} plays from music after {how}")
    player.expect_no_box(f"after {how}")


def wait_folder_focus(player, where, what):
    player.wait_for(what, player.folder_focus, where, 5)


def open_a_node_below_the_desktop(player):
    """Down through the desktop's folders, opening each with the tree's own key (keypad +)
    until one opens with folders in it; then Down into it. Returns the opened node's label."""
    for _ in range(10):
        before = player.selected_label()
        player.keys("Down")
        try:
            player.wait_for(f"the selection to move from {before}", player.selected_label, lambda now: now != before, 5)
        except WaitTimeout:
            break
        if player.selected_folder().depth != CHILD_DEPTH:
            break
        player.keys("Keypad +")
        try:
            player.wait_for("the node to open", player.selected_folder, lambda node: node.expanded and node.children, 3)
        except WaitTimeout:
            continue
        opened = player.selected_label()
        player.keys("Down")
        player.wait_for(f"a folder of {opened} selected", lambda: player.selected_folder().depth, GRANDCHILD_DEPTH, 5)
        return opened
    raise AssertionError(f"no node below the desktop could be opened: {player.folder_tree()}")


def press_desktop(player):
    """Tab to デスクットプ and press it with Space."""
    player.keys("Tab")
    wait_folder_focus(player, program.FOLDER_DESKTOP, "the focus on デスクットプ")
    player.keys("Space")


def test_cancel_esc_close_box_and_the_desktop_twice(player, case):
    case.songs(["a.mp3", "b.mp3", "c.mp3", "d.mp3"], hz=440, seconds=8)
    case.songs(["p.mp3", "q.mp3"], folder="two", hz=880, seconds=8)
    (case.dir / "empty").mkdir()
    player.start(case.help_file(), program_dir=case.dir)
    player.ready(4)
    recording = player.recording()

    player.keys("Down")
    player.wait_focus(2)
    player.play(recording, 440, "song 2 plays")
    player.open_folder_dialog_while_playing(recording)
    player.select_folder("two")
    leave_unchanged(player, recording, "キャンセル", 2, lambda: player.click_folder_button(program.FOLDER_CANCEL))

    player.open_folder_dialog_while_playing(recording)
    assert player.selected_label() == "two", "selection kept after キャンセル"
    player.select_folder("empty")
    leave_unchanged(player, recording, "Esc", 3, lambda: player.keys("Esc"))

    player.keys("Up")
    player.wait_focus(3)
    player.play(recording, 440, "song 3 plays again")
    player.open_folder_dialog_while_playing(recording)
    assert player.selected_label() == "empty", "selection kept after Esc"
    player.select_folder("two")
    leave_unchanged(player, recording, "the close box", 3, player.click_folder_close_box)

    # The desktop, twice.
    player.open_folder_dialog()
    assert player.selected_label() == "two", "selection kept after the close box"
    program_tree = player.folder_tree()
    press_desktop(player)
    desktop_tree = player.wait_for("a new root", player.folder_tree, lambda tree: tree != program_tree)
    roots = [node for node in desktop_tree if node.depth == ROOT_DEPTH]
    assert len(roots) == 1, f"the desktop tree should have one root: {desktop_tree}"
    assert roots[0].selected and roots[0].expanded and roots[0].label != case.dir.name, \
        f"the desktop root should be selected and expanded, not the program's folder: {roots}"
    player.keys("Shift+Tab")
    wait_folder_focus(player, "tree", "the focus on the tree")
    opened = open_a_node_below_the_desktop(player)
    moved_tree = player.folder_tree()
    press_desktop(player)
    # The button has taken the press once its handler has run and the dialog takes keys again:
    # Shift+Tab moves the focus back to the tree only then.
    player.keys("Shift+Tab")
    wait_folder_focus(player, "tree", "the focus on the tree")
    assert player.folder_tree() == moved_tree, f"デスクットプ a second time changed the tree below {opened}"

    player.keys("Esc")
    player.wait_folder_closed("Esc")
    player.open_folder_dialog()
    assert player.folder_tree() == moved_tree, "the tree when the dialog opens again"
    player.keys("Esc")
    player.wait_folder_closed("Esc")
    player.close()
