"""Help files a teacher may leave beside the player, none of which may hold up the player:

- an empty file: no error box; the help window opens with an empty text (not the built-in one);
- a file of 50 MB: the player is ready (window, song 1 announced) within 10 s; the help window
  opens at once and shows the file's first megabyte, whole lines only, and then the line
  "（ヘルプのファイルが大きすぎるので、ここから先は表示していません。）": laying out 50 MB in the
  text box would keep the player from answering for a minute and more;
- a file saved as UTF-16 with its byte order mark: it is read as the Shift-JIS text the player
  expects, so it shows oddly (each character followed by a blank, the mark as one or two odd
  characters), but whole, with no error box and nothing cut off.
(A missing file and one holding NUL bytes are in test_help.py.)"""
import time

from harness import program
from harness.waiting import wait_until

SONGS = ["one.mp3", "two.mp3"]


def start(player, case, help_bytes):
    case.songs(SONGS)
    (case.dir / program.HELP_FILE).write_bytes(help_bytes)
    started = time.monotonic()
    player.start(case.dir)
    player.ready(len(SONGS))
    player.expect_no_box("after the start")
    return time.monotonic() - started


def close_help(player):
    player.keys("Enter")
    wait_until("the help window hidden after おわる", player.help_hidden, 10)


def test_an_empty_help_file(player, case):
    start(player, case, b"")
    text = player.open_help().text
    assert text == "", f"help text of an empty file: {text[:200]!r}"
    close_help(player)
    player.close()


def test_a_help_file_of_50_mb(player, case):
    line = "オトピッコのヘルプ、とても長いファイルの一行です。".encode("cp932") + b"\r\n"
    body = "最初の行\r\n".encode("cp932") + line * (50_000_000 // len(line) + 1) + "最後の行\r\n".encode("cp932")
    assert len(body) >= 50_000_000
    ready = start(player, case, body)
    assert ready < 10, f"the player took {ready:.1f} s to be ready with a 50 MB help file"
    text = player.open_help().text
    lines = text.split("\r\n")
    assert lines[0] == "最初の行" and lines[-1] == program.HELP_TOO_LONG, \
        f"help text: {text[:100]!r} ... {text[-100:]!r}"
    # Every line shown whole, as many as fit in the first megabyte.
    assert set(lines[1:-1]) == {line[:-2].decode("cp932")}, f"help text: {text[:100]!r} ... {text[-200:]!r}"
    assert len(lines) - 2 == (program.HELP_SHOWN_BYTES - len("最初の行\r\n".encode("cp932"))) // len(line)
    close_help(player)
    player.close()


def test_a_help_file_in_utf16(player, case):
    lines = ["Help line one", "line two", "the last line"]
    start(player, case, "\ufeff".encode("utf-16-le") + "".join(l + "\r\n" for l in lines).encode("utf-16-le"))
    text = player.open_help().text
    for line in lines:
        assert " ".join(line) in text, f"{line!r} is not in the help text: {text!r}"
    close_help(player)
    player.close()
