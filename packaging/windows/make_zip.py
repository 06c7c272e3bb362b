#!/usr/bin/env python3
"""Packs a folder into a zip whose top entry is that folder, for unpacking onto a USB stick.

Usage: make_zip.py ZIPFILE FOLDER

Song names are Japanese: every name is stored in UTF-8 with the zip's UTF-8 flag, which Windows'
own zip folders and 7-Zip read, instead of a code page that only some Windows installations share.
Entries are sorted and the zip is written beside its final name first, so a failed run leaves no
half-written package.
"""
import os
import sys
import zipfile


def entries(folder):
    """(path on disk, name in the zip) for the folder, its subfolders and its files, sorted."""
    top = os.path.basename(os.path.normpath(folder))
    found = [(folder, top + "/")]
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        relative = os.path.relpath(root, folder)
        prefix = top if relative == "." else top + "/" + relative.replace(os.sep, "/")
        found += [(os.path.join(root, d), prefix + "/" + d + "/") for d in dirs]
        found += [(os.path.join(root, f), prefix + "/" + f) for f in files]
    return sorted(found, key=lambda entry: entry[1])


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    target, folder = argv[1], argv[2]
    if not os.path.isdir(folder):
        sys.stderr.write(f"make_zip.py: no folder {folder}\n")
        return 1
    partial = target + ".partial"
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path, name in entries(folder):
            # Python sets the UTF-8 flag itself for every name that is not plain ASCII.
            archive.write(path, name)
    os.replace(partial, target)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
