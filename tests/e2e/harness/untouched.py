"""The player only ever reads its working folder: songs, music folders and the help file. Every
scenario proves it. The files under the scenario's working folder are fingerprinted just before
the program starts for the first time and again once it has ended; any file written, touched,
lost or new, or any folder made or lost, fails the scenario. What a scenario changes on purpose
(a song deleted while the player runs, the help file rewritten) it declares, and only that path
and what lies below it are left out."""
import hashlib
import os
from pathlib import Path


def fingerprints(folder, leave_out=()):
    """{relative path: what identifies it} for every entry below `folder`, except the paths in
    `leave_out` (relative, "/"-separated) and everything below them. A file is known by its
    contents, size, modification and change times and mode; a folder by its mode alone, since
    an entry made or lost in it shows up as an entry of its own."""
    folder = Path(folder)
    left_out = {Path(path) for path in leave_out}
    found = {}
    digests = {}    # hard links to one file are read once

    def skipped(relative):
        return any(relative == path or path in relative.parents for path in left_out)

    for root, dirs, files in os.walk(folder):
        for name in dirs + files:
            path = Path(root) / name
            relative = path.relative_to(folder)
            if skipped(relative):
                continue
            st = os.lstat(path)
            if name in files:
                key = (st.st_dev, st.st_ino, st.st_size, st.st_mtime_ns, st.st_ctime_ns)
                if key not in digests:
                    digests[key] = _digest(path, st.st_mode)
                found[relative.as_posix()] = ("file", st.st_size, st.st_mtime_ns, st.st_ctime_ns, st.st_mode,
                                              digests[key])
            else:
                found[relative.as_posix()] = ("folder", st.st_mode)
    return found


def _digest(path, mode):
    if not os.access(path, os.R_OK):
        return f"unreadable, mode {mode:o}"
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def differences(before, after):
    """Readable lines naming each entry that is new, lost or changed."""
    lines = [f"new: {path}" for path in sorted(after.keys() - before.keys())]
    lines += [f"lost: {path}" for path in sorted(before.keys() - after.keys())]
    lines += [f"changed: {path}: {before[path]} -> {after[path]}"
              for path in sorted(before.keys() & after.keys()) if before[path] != after[path]]
    return lines


class WorkingFolder:
    """The check of one scenario's working folder."""

    def __init__(self, folder):
        self.folder = Path(folder)
        self.before = None
        self.declared = set()

    def program_starts(self):
        """Called by the driver just before it starts the program; the first start counts."""
        if self.before is None:
            self.before = fingerprints(self.folder)

    def changed_by_the_scenario(self, *paths):
        """The scenario itself changes these paths (relative to the working folder)."""
        self.declared.update(Path(path).as_posix() for path in paths)

    def problems(self):
        """After the program has ended: what it changed, or [] (also when it never started)."""
        if self.before is None:
            return []
        inside = lambda path: not any(path == d or path.startswith(d + "/") for d in self.declared)
        before = {path: entry for path, entry in self.before.items() if inside(path)}
        return differences(before, fingerprints(self.folder, self.declared))
