#!/usr/bin/env python3
"""Writes the seed corpus of the fuzz targets (tests/fuzz/corpus/TARGET/NAME), each seed an input
in the format its target's opening comment describes. Run it after changing a format; the fuzzers
start from these and find the rest themselves.

    tests/fuzz/make_seeds.py
"""
import os
import shutil

HERE = os.path.dirname(os.path.abspath(__file__))
CORPUS = os.path.join(HERE, "corpus")


def sjis(text):
    return text.encode("cp932")


# platform::Key, in its order.
KEYS = ["Other", "Up", "Down", "Left", "Right", "Tab", "Enter", "Space", "Escape", "F4",
        "Numpad2", "Numpad8", "NumpadMinus", "NumpadDivide", "O", "S"]
SHIFT, CTRL, ALT = 1, 2, 4


def key(name, modifiers=0):
    return bytes([KEYS.index(name), modifiers])


def entry(name, extension=".mp3", directory=False):
    """An entry of the scan's and the player's folder format: shape byte, then the name bytes."""
    kinds = {".mp3": 0, ".MP3": 1, ".txt": 2, "": 3}
    assert len(name) < 32
    return bytes([(0x80 if directory else 0) | kinds[extension] << 5 | len(name)]) + name


def player_folder(entries):
    assert len(entries) < 128
    return bytes([len(entries)]) + b"".join(entries)


# The player target's actions: the action's byte, then its arguments.
def press(name, modifiers=0):
    return b"\0" + key(name, modifiers)


def click(button):
    return bytes([3, button])


def menu(command):  # 1 choose folder, 2 stop, 3 exit, 4 help, 5 version
    return bytes([5, command - 1])


PAINT, ACTIVATE, SONG_ENDS = b"\6", b"\7", b"\x08"


def fail(which, song=None):  # 0 speak, 1 silence, 2 speed (each toggled), 3 a song unplayable
    return bytes([9, which] + ([song] if which == 3 else []))


def help_key(name, modifiers=0):
    return b"\x0a" + key(name, modifiers)


def choose_folder(choice, ending=0):
    """Ctrl+O, then in the dialog: the folder (0 music, 1-3 the others, 4 a missing one, 5 an
    empty path, 6 none, 7 as it was) and the way out (0 Enter, 1 Esc, 2 Alt+F4, 4 Tab Space,
    5 the close box)."""
    return press("O", CTRL) + bytes([choice, ending])


def player_seeds():
    songs = [entry(sjis(t)) for t in ["さくら", "Umi no uta", "ABC"]] + [entry(b"old", directory=True)]
    others = [
        [entry(b"a"), entry(b"notes", ".txt"), entry(sjis("あいうえおかきくけこさ"), ".MP3")],
        [entry(b"%02d song" % i) for i in range(25)],
        [entry(b"sub", directory=True)],
    ]
    folders = player_folder(songs) + b"".join(player_folder(f) for f in others)
    help_text = sjis("ヘルプ\r\n二行目\r\n") + b"\0NUL\rend"
    start = bytes([0b101]) + folders + bytes([len(help_text)]) + help_text
    browse = press("Down") * 3 + press("Up") + press("Tab", SHIFT) + press("Numpad2") + press("Numpad8")
    play = press("Enter") + press("Enter") + press("NumpadMinus") + click(1) + SONG_ENDS + click(1)
    return {
        "browse": start + browse + PAINT,
        "play": start + play + fail(3, 2) + click(2) + click(2) + press("S", CTRL),
        "folders": start + press("Down") * 2 + choose_folder(2) + ACTIVATE + press("Down") * 22
                   + choose_folder(1) + PAINT + ACTIVATE + choose_folder(3) + choose_folder(4)
                   + choose_folder(5, 1) + choose_folder(0, 4),
        # Song 3 framed, then a folder of two songs: song 3's frame must not stay.
        "shorter_list": start + press("Down") * 2 + choose_folder(1) + ACTIVATE,
        "menus": start + menu(4) + help_key("Tab") + help_key("Down") + help_key("Enter") + menu(5)
                 + press("NumpadDivide") + menu(3) + press("F4", ALT),
        "failures": start + fail(1) + press("Down") + fail(1) + fail(0) + press("Down") + fail(0)
                    + press("Space") + press("Enter"),
        "no_speech": bytes([0b011]) + folders + b"\0" + press("Down") + click(2),
        "no_music": bytes([0b000]) + b"".join(player_folder(f) for f in others) + b"\0"
                    + press("Down") + choose_folder(1) + ACTIVATE + press("Down"),
        # 2048 songs named ".mp3" (the zero shape), three empty folders, no help file.
        "many": bytes([0b001, 0x80 | 64]) + b"\0" * 2048 + b"\0" * 3 + b"\0" + press("Up") + press("Numpad8"),
    }


def navigation_seeds():
    # Controls: push button (0), text box (1), tree (2); 4 can take the focus, 8 tab stop,
    # 16 default, 32 cancel.
    dialog = bytes([5, 2 | 4 | 8, 0 | 4 | 8, 0 | 4 | 8 | 16, 0 | 4 | 8 | 32, 1 | 4])
    menu_items = bytes([2]) + key("O", CTRL) + b"\0\x07" + key("S", CTRL) + b"\x08\x08"
    hook = bytes([1 << KEYS.index("Left") | 1 << KEYS.index("Right"), 0])
    down, up = b"\0", b"\1"
    keys = b"".join(down + key(k, m) + up + key(k, m) for k, m in [
        ("Tab", 0), ("Tab", SHIFT), ("Down", 0), ("Up", 0), ("Enter", 0), ("Space", 0),
        ("Escape", 0), ("Left", 0), ("F4", ALT), ("O", CTRL), ("Enter", CTRL)])
    return {
        "dialog": dialog + menu_items + hook + b"\2" + keys,
        "changes": dialog + menu_items + hook + b"\2\3\2" + down + key("Space") + b"\4\2" + up
                   + key("Space") + b"\5\0\2" + b"\6\x0d" + b"\7" + key("Down") + b"\3",
    }


def scan_seeds():
    def listing(flags, entries):
        return bytes([flags, len(entries) >> 8, len(entries) & 0xFF]) + b"".join(entries)
    mixed = [entry(b"b"), entry(b"old", directory=True), entry(b"notes", ".txt"), entry(b"system", ".MP3"),
             entry(b"song.mp3", ".txt"), entry(b"", ""), entry(sjis("曲")), entry(b"a.mp3", "")]
    return {
        "mixed": listing(0, mixed),
        "missing": listing(1, mixed),
        "full": listing(0, [entry(b"%d" % i) for i in range(60)]),
        "no_stop": listing(2, [entry(b"%d" % i) for i in range(60)]),
        "thousands": bytes([0, 0x0F, 0xFF]),
    }


def text_seeds():
    return {
        "ascii": b"\0ABC.MP3",
        "kanji": b"\x0b" + sjis("東京の夜空.mp3"),
        "cut": b"\x14" + b"a" + sjis("あいうえおかきくけこ") + b".mp3",
        "long": b"\x32" + b"x" * 40 + b".mp3",
        "empty_title": b"\0.mp3",
        "program": b"\0OTOPICCO.EXE",
        "message": b"\0" + sjis("ファイル ReadMe_sapi.txt は開けません"),
    }


def sjis_seeds():
    folder = sjis("C:\\曲\\Music")
    return {
        "same_case": bytes([len(folder)]) + folder + sjis("c:\\曲\\MUSIC"),
        "second_byte": b"\x02" + sjis("ア") + sjis("ヂ"),
        "lone_first_byte": b"\x04abc\x82abc\x82",
        "every_byte": bytes(range(256)),
    }


def help_seeds():
    return {
        "readme": sjis("●ヘルプ\r\n　↓キーで移動\r\n\r\n[使い方]\r\n"),
        "line_ends": b"a\r\nb\nc\rd\n\re\r\r\n",
        "nul": b"before\0after\r\nnext\0",
        "lone_first_byte": b"abc\x82\r\n\x82",
    }


def codec_seeds():
    return {
        "names": "東京の夜空 ｻｸﾗ 〜～ 🎵 Café €5".encode(),
        "sjis": sjis("曲目 一覧・ﾃｽﾄ") + b"\x82\xa0\x80\xa0\xfd\xff\x82",
        "broken_utf8": b"\xff\xc0\xaf\xed\xa0\x80\xf4\x90\x80\x80\xe6\x9d",
        "utf16": "a𠮷b".encode("utf-16-le") + b"\x42\xd8a\0\x00\xdc",
    }


def main():
    seeds = {
        "fuzz_player": player_seeds(), "fuzz_navigation": navigation_seeds(), "fuzz_scan": scan_seeds(),
        "fuzz_texts": text_seeds(), "fuzz_sjis": sjis_seeds(), "fuzz_help": help_seeds(),
        "fuzz_codec": codec_seeds(),
    }
    shutil.rmtree(CORPUS, ignore_errors=True)
    for target, files in seeds.items():
        os.makedirs(os.path.join(CORPUS, target))
        for name, data in files.items():
            with open(os.path.join(CORPUS, target, name), "wb") as out:
                out.write(data)


if __name__ == "__main__":
    main()
