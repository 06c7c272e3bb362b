"""Songs the scenarios play: MP3 files of sine tones whose pitch changes at known times, so the
recording tells which song plays and where in it the player is. Each distinct song is made once
per session (sox, lame) and copied where a scenario wants it. Also the help file and a snapshot
of a folder that shows any change."""
import hashlib
import os
import shutil
import subprocess
from pathlib import Path

from . import program

LOW, HIGH = 440, 880


class Tones:
    def __init__(self, cache_dir):
        self.dir = Path(cache_dir)
        self.dir.mkdir(parents=True, exist_ok=True)

    def mp3(self, *segments):
        """An MP3 of tones, each segment (hz, seconds), played one after the other."""
        key = "_".join(f"{hz}-{seconds}" for hz, seconds in segments)
        mp3 = self.dir / f"song_{key}.mp3"
        if mp3.exists():
            return mp3
        parts = []
        for i, (hz, seconds) in enumerate(segments):
            parts.append(self.dir / f"seg_{key}_{i}.wav")
            _run(["sox", "-n", "-r", "22050", "-c", "1", "-b", "16", str(parts[-1]),
                  "synth", str(seconds), "sine", str(hz), "vol", "0.5"])
        wav = self.dir / f"song_{key}.wav"
        _run(["sox", *map(str, parts), str(wav)])
        part = mp3.with_suffix(".part")
        _run(["lame", "--quiet", str(wav), str(part)])
        part.rename(mp3)
        return mp3

    def put(self, path, *segments):
        """Writes the song of these segments at `path` (folders made as needed)."""
        path = Path(path)
        path.parent.mkdir(parents=True, exist_ok=True)
        shutil.copyfile(self.mp3(*segments), path)
        return path

    def songs(self, folder, names, hz=None, seconds=0.4):
        """One song per name in `folder`: tones of `hz`, or 440 and 880 Hz in turn."""
        for i, name in enumerate(names):
            tone = hz if hz is not None else (LOW, HIGH)[i % 2]
            self.put(Path(folder) / name, (tone, seconds))


def _run(command):
    done = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"{' '.join(command)} failed: {done.stdout}")


def write_help(folder, lines=("オトピッコの使い方", "下キーで次の曲へ。")):
    """The help file the player loads from its working folder: Shift-JIS, CR LF line ends."""
    text = "".join(line + "\r\n" for line in lines)
    (Path(folder) / program.HELP_FILE).write_bytes(text.encode("cp932"))


def folder_state(folder):
    """A snapshot of a folder tree that changes when any entry in it is written, renamed, touched
    or has its attributes changed."""
    state = []
    for root, dirs, files in os.walk(folder):
        dirs.sort()
        for name in sorted(dirs + files):
            path = os.path.join(root, name)
            st = os.lstat(path)
            entry = (os.path.relpath(path, folder), st.st_size, st.st_mtime_ns, st.st_ctime_ns, st.st_mode)
            if name in files:
                entry += (hashlib.sha256(Path(path).read_bytes()).hexdigest(),)
            state.append(entry)
    return state
