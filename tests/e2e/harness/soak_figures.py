"""The figures the soak keeps of what a program holds, and the margins they must stay within
from the warm-up to the end. Memory may grow a little as caches and the heap settle; things the
program makes and lets go of (file descriptors, windows, GDI objects, X resources) may differ
only by what one song or one open menu holds at the moment of reading."""
import os

MIB = 1024 * 1024

# name -> (allowed growth in units, allowed growth as a fraction of the warm-up figure)
MARGINS = {
    "memory": (8 * MIB, 0.10),          # the process's resident memory (Linux's view)
    # A song playing holds a few descriptors and threads more than a song stopped (under Wine
    # 8 descriptors and 2 threads): the figures are read whichever way the keys left it.
    "file descriptors": (12, 0.0),
    "threads": (6, 0.0),
    # Under Wine, Wine's media device keeps about 9 KB of every song opened (a bare program
    # that only opens and plays a song with MCI keeps as much): the 900 or so songs a full run
    # opens add 8 MB that are none of the program's.
    "working set": (16 * MIB, 0.10),
    "private bytes": (16 * MIB, 0.10),
    "wine memory": (16 * MIB, 0.10),
    "wine file descriptors": (12, 0.0),
    "wine threads": (6, 0.0),
    "kernel handles": (16, 0.0),
    "gdi objects": (16, 0.0),
    "user objects": (8, 0.0),
    "windows": (2, 0.0),
    # X resources, by the X server's names for their kinds; kinds not named here may grow by 8.
    "x window": (2, 0.0),
    "x font": (2, 0.0),
    "x cursor": (2, 0.0),
    "x colormap": (2, 0.0),
    "x passive grab": (2, 0.0),
    "x pixmap bytes": (1 * MIB, 0.10),
}


def allowed(name, warm):
    units, fraction = MARGINS.get(name, (8, 0.0) if name.startswith("x ") else (0, 0.0))
    return warm + max(units, int(warm * fraction))


def over_margin(warm, end):
    """The figures that grew beyond their margins, as "name: warm -> end (allowed N)"."""
    return [f"{name}: {warm.get(name, 0)} -> {end.get(name, 0)} (allowed {allowed(name, warm.get(name, 0))})"
            for name in sorted(set(warm) | set(end)) if end.get(name, 0) > allowed(name, warm.get(name, 0))]


def proc_figures(pid):
    """Resident memory, threads and open file descriptors of a Linux process."""
    figures = {}
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            key, _, value = line.partition(":")
            if key == "VmRSS":
                figures["memory"] = int(value.split()[0]) * 1024
            elif key == "Threads":
                figures["threads"] = int(value)
    figures["file descriptors"] = len(os.listdir(f"/proc/{pid}/fd"))
    return figures
