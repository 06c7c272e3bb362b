"""The check that every scenario's working folder is left as it was (harness/untouched.py), tried
on a folder of its own without any program: each kind of change is caught, and only what a
scenario declares is left out."""
import os

import pytest

from harness.untouched import WorkingFolder


@pytest.fixture
def folder(tmp_path):
    (tmp_path / "music").mkdir()
    (tmp_path / "music" / "one.mp3").write_bytes(b"ID3 one")
    (tmp_path / "music" / "two.mp3").write_bytes(b"ID3 two")
    (tmp_path / "ReadMe_sapi.txt").write_bytes(b"help\r\n")
    check = WorkingFolder(tmp_path)
    check.program_starts()
    return tmp_path, check


def same_size_other_bytes(path):
    data = path.read_bytes()
    stat = path.stat()
    path.write_bytes(data[:-1] + b"X")
    os.utime(path, ns=(stat.st_atime_ns, stat.st_mtime_ns))


CHANGES = {
    "nothing": (lambda d: None, []),
    "a file written": (lambda d: (d / "ReadMe_sapi.txt").write_bytes(b"other\r\n"), ["changed: ReadMe_sapi.txt"]),
    "same size, same time, other bytes": (lambda d: same_size_other_bytes(d / "music" / "one.mp3"),
                                          ["changed: music/one.mp3"]),
    "a file touched": (lambda d: os.utime(d / "music" / "two.mp3", ns=(1, 1)), ["changed: music/two.mp3"]),
    "a file's mode": (lambda d: (d / "music" / "two.mp3").chmod(0o600), ["changed: music/two.mp3"]),
    "a file lost": (lambda d: (d / "music" / "one.mp3").unlink(), ["lost: music/one.mp3"]),
    "a file new": (lambda d: (d / "otopicco.log").write_text(""), ["new: otopicco.log"]),
    "a folder new": (lambda d: (d / "music" / "cache").mkdir(), ["new: music/cache"]),
    "a folder's mode": (lambda d: (d / "music").chmod(0o700), ["changed: music"]),
}


@pytest.mark.parametrize("change", CHANGES)
def test_every_change_is_caught(folder, change):
    path, check = folder
    make, expected = CHANGES[change]
    make(path)
    assert [line.split(":")[0] + ":" + line.split(":")[1] for line in check.problems()] == expected


def test_declared_changes_are_left_out_and_nothing_else(folder):
    path, check = folder
    check.changed_by_the_scenario("music/one.mp3")
    (path / "music" / "one.mp3").unlink()
    assert check.problems() == []
    (path / "music" / "one.mp3.bak").write_bytes(b"")
    assert [line[:4] for line in check.problems()] == ["new:"]


def test_a_declared_folder_covers_what_is_below_it(folder):
    path, check = folder
    check.changed_by_the_scenario("music")
    (path / "music" / "two.mp3").write_bytes(b"")
    (path / "music" / "three.mp3").write_bytes(b"")
    assert check.problems() == []
    (path / "musical.txt").write_text("")
    assert check.problems() == ["new: musical.txt"]


def test_the_first_start_is_the_one_compared_with(folder):
    path, check = folder
    (path / "log.txt").write_text("written by the first run")
    check.program_starts()
    assert check.problems() == ["new: log.txt"]


def test_no_start_no_check(tmp_path):
    check = WorkingFolder(tmp_path)
    (tmp_path / "x").write_text("")
    assert check.problems() == []
