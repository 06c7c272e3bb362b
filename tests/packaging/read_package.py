#!/usr/bin/env python3
"""Reads what the package tests check in a Windows program or a zip, one line per fact.

  read_package.py pe FILE    machine=i386|amd64, fixed_version=a.b.c.d and every version
                                string as NAME=VALUE (from the program's version resource)
  read_package.py zip FILE   one line per entry: its name, a tab, utf8=1 when the entry's
                                name carries the UTF-8 flag (else utf8=0); fails on a bad CRC
"""
import sys
import zipfile

import pefile

MACHINES = {0x14C: "i386", 0x8664: "amd64"}


def pe_facts(path):
    pe = pefile.PE(path)
    yield "machine=" + MACHINES.get(pe.FILE_HEADER.Machine, hex(pe.FILE_HEADER.Machine))
    for fixed in getattr(pe, "VS_FIXEDFILEINFO", []):
        ms, ls = fixed.FileVersionMS, fixed.FileVersionLS
        yield f"fixed_version={ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
    for info in getattr(pe, "FileInfo", []):
        for entry in info:
            for table in getattr(entry, "StringTable", []):
                for name, value in sorted(table.entries.items()):
                    yield f"{name.decode('utf-8')}={value.decode('utf-8')}"


def zip_facts(path):
    with zipfile.ZipFile(path) as archive:
        bad = archive.testzip()
        if bad is not None:
            raise ValueError(f"bad CRC in {bad}")
        for info in archive.infolist():
            yield f"{info.filename}\tutf8={1 if info.flag_bits & 0x800 else 0}"


def main(argv):
    if len(argv) != 3 or argv[1] not in ("pe", "zip"):
        sys.stderr.write(__doc__)
        return 2
    try:
        for line in (pe_facts if argv[1] == "pe" else zip_facts)(argv[2]):
            print(line)
    except (OSError, ValueError, pefile.PEFormatError, zipfile.BadZipFile) as e:
        sys.stderr.write(f"read_package.py: {argv[2]}: {e}\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
