"""The help window: opened from the menu with Alt+H, A, captioned "ヘルプ", its "おわる" button
holding the focus; it shows ReadMe_sapi.txt of the working folder, Left and Right do not move the
caret in its text, "おわる" (Enter) hides it, and opening it again shows the same text even after
the file changed. A NUL byte in the file shows as a blank and cuts nothing off. Started without
the file, one error box about it comes first and the window shows the built-in text."""
from harness import program
from harness.waiting import wait_until

SONGS = ["one.mp3", "二曲目.mp3"]
HELP = ["オトピッコのヘルプ（テスト用）", "　↓キーで次の曲へ。", "Enterキーで演奏します。", "", "最後の行"]


def expect_help_text(player, lines, what):
    """The help text shows exactly these lines (a last empty line for the file's final line end
    is allowed: whether it makes a line of its own is not the point here)."""
    text, expected = player.help_window().text, "\r\n".join(lines)
    assert text in (expected, expected + "\r\n"), f"{what}: {text!r}"


def close_help(player):
    player.keys("Enter")
    wait_until("the help window hidden after おわる", player.help_hidden, 10)


def test_the_help_file_of_the_working_folder(player, case):
    case.songs(SONGS)
    player.start_songs(case.help_file(lines=HELP), SONGS)
    # Natively a window never shown yet has no accessible object to find.
    if player.sees_hidden_windows:
        assert player.help_hidden(), "the help window should exist, hidden, before it is asked for"
    spoken = player.events()
    helper = player.open_help()
    assert (helper.window.title, helper.button, helper.focus) == (program.HELP_CAPTION, program.HELP_CLOSE, "button")
    expect_help_text(player, HELP, "help text")
    assert player.events() == spoken, "something was spoken while the help window opened"

    # Left and Right in the help text. Caret positions count characters, each line end two.
    player.keys("Tab")
    player.wait_for("the focus in the help text", player.help_focus, "text")
    player.keys("Ctrl+Home")
    player.wait_for("the caret at the start", player.help_caret, (0, 0))
    line2 = len(HELP[0]) + 2
    line3 = line2 + len(HELP[1]) + 2
    player.keys("Down", "Down")
    player.wait_for("the caret at the start of line 3", player.help_caret, (line3, line3))
    player.keys("Right", "Right", "Left")
    # Up behind Left and Right: once it has moved the caret, Left and Right have been handled.
    player.keys("Up")
    after = player.wait_for("the caret one line up", player.help_caret, lambda caret: caret != (line3, line3))
    # Had Right or Left moved the caret along line 3, Up would land off the start of line 2.
    assert after == (line2, line2), "caret after Down Down Right Right Left Up"
    player.keys("Tab")
    player.wait_for("the focus back on おわる", player.help_focus, "button")

    # おわる hides the window; opening it again shows the text read at start-up.
    close_help(player)
    case.changes(program.HELP_FILE)
    case.help_file(lines=["書きかえたヘルプ", "これは表示されないはず"])
    helper = player.open_help()
    expect_help_text(player, HELP, "help text after opening it again")
    assert helper.focus == "button"
    close_help(player)
    player.close()
    player.expect_release_once_last()


def test_a_nul_byte_in_the_help_file_shows_as_a_blank(player, case):
    # Notepad shows a NUL as a blank; the help window does the same and loses nothing after it.
    case.songs(SONGS)
    player.start_songs(case.help_file(lines=["前\0後ろの文", "\0", "最後の行"]), SONGS)
    player.open_help()
    expect_help_text(player, ["前 後ろの文", " ", "最後の行"], "help text with NUL bytes")
    close_help(player)
    player.close()
    player.expect_release_once_last()


def test_without_a_help_file_the_built_in_help(player, case):
    case.songs(SONGS)
    player.start(case.dir)
    player.expect_box(program.PLAIN_TITLE, program.CANNOT_OPEN_HELP, icon=True)
    player.press_ok()
    player.wait_window(2)
    player.wait_speaks(1, timeout=20)
    player.expect_no_box("after the one about the help file")
    text = player.open_help().text
    assert text.split("\r\n")[0] == program.BUILTIN_HELP_FIRST_LINE
    assert "\r\n".join(program.BUILTIN_HELP_USE) + "\r\n" in text, f"the built-in help lacks its use section: {text!r}"
    close_help(player)
    player.close()
    player.expect_release_once_last()
