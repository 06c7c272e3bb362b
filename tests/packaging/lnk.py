#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) starts, one "key=value" line each:

  target=     the program (the link's local base path, with its common path suffix)
  workdir=    the start folder
  arguments=  the command line arguments
  icon=       the icon file, and icon_index= the icon's number in it
  show=       the window's show command (1 normal, 3 maximised, 7 minimised)

Usage: lnk.py FILE.lnk

Reads the Shell Link binary format itself: header, target ID list (skipped), link info and the
string data. Fails on anything that is not a shell link.
"""
import struct
import sys

LINK_CLSID = bytes.fromhex("0114020000000000c000000000000046")
HAS_ID_LIST, HAS_LINK_INFO, IS_UNICODE = 0x1, 0x2, 0x80
# The optional strings, in the order they follow the link info.
STRINGS = [(0x4, "name"), (0x8, "relative_path"), (0x10, "workdir"), (0x20, "arguments"),
           (0x40, "icon")]


class NotALink(Exception):
    pass


def c_string(data, offset, unicode):
    if unicode:
        end = offset
        while data[end:end + 2] != b"\0\0":
            end += 2
        return data[offset:end].decode("utf-16-le")
    return data[offset:data.index(b"\0", offset)].decode("latin-1")


def link_target(info):
    header_size, flags = struct.unpack_from("<II", info, 4)
    if not flags & 1:  # no local path: a network link
        return ""
    base_offset, suffix_offset = struct.unpack_from("<I", info, 16)[0], struct.unpack_from("<I", info, 24)[0]
    base, suffix = c_string(info, base_offset, False), c_string(info, suffix_offset, False)
    if header_size >= 0x24:
        base_offset, suffix_offset = struct.unpack_from("<II", info, 28)
        base, suffix = c_string(info, base_offset, True), c_string(info, suffix_offset, True)
    return base + suffix


def parse(data):
    if len(data) < 76 or struct.unpack_from("<I", data, 0)[0] != 76 or data[4:20] != LINK_CLSID:
        raise NotALink("not a shell link")
    flags, = struct.unpack_from("<I", data, 20)
    icon_index, show = struct.unpack_from("<iI", data, 56)
    fields = {"target": "", "icon_index": str(icon_index), "show": str(show)}
    offset = 76
    if flags & HAS_ID_LIST:
        offset += 2 + struct.unpack_from("<H", data, offset)[0]
    if flags & HAS_LINK_INFO:
        size, = struct.unpack_from("<I", data, offset)
        fields["target"] = link_target(data[offset:offset + size])
        offset += size
    unicode = bool(flags & IS_UNICODE)
    for flag, key in STRINGS:
        if not flags & flag:
            continue
        count, = struct.unpack_from("<H", data, offset)
        offset += 2
        width = 2 if unicode else 1
        raw = data[offset:offset + count * width]
        offset += count * width
        # Wine counts the terminating NUL in; Windows does not.
        fields[key] = raw.decode("utf-16-le" if unicode else "latin-1").rstrip("\0")
    return fields


def main(argv):
    if len(argv) != 2:
        sys.stderr.write(__doc__)
        return 2
    try:
        with open(argv[1], "rb") as f:
            fields = parse(f.read())
    except (OSError, NotALink, struct.error, ValueError) as e:
        sys.stderr.write(f"lnk.py: {argv[1]}: {e}\n")
        return 1
    for key in ("target", "workdir", "arguments", "icon", "icon_index", "show"):
        print(f"{key}={fields.get(key, '')}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
