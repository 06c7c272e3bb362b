#!/usr/bin/env python3
"""Waits until a recording that is still being written (16-bit mono WAV, as parec writes it)
holds sound after a given point, followed by quiet for a while: something said to its end.

    await-sound.py FILE SINCE QUIET TIMEOUT      (all in seconds; SINCE from the recording's start)

Prints "start=S end=E" (seconds from the recording's start: the first and last 20 ms window
louder than -40 dBFS) and exits 0; exits 1 when that has not happened within TIMEOUT. The file
is followed as it grows, each part of it read once.
"""
import array
import math
import struct
import sys
import time

THRESHOLD = 10 ** (-40 / 20) * 32768


def data_start(head):
    """The sample rate and where the samples begin, once the header is written."""
    if b"data" not in head or b"fmt " not in head:
        return None
    fmt = head.index(b"fmt ")
    (rate,) = struct.unpack("<I", head[fmt + 12 : fmt + 16])
    return rate, head.index(b"data") + 8


def main():
    path = sys.argv[1]
    since, quiet, timeout = (float(value) for value in sys.argv[2:5])
    deadline = time.monotonic() + timeout
    with open(path, "rb") as recording:
        header = None
        while header is None:
            recording.seek(0)
            header = data_start(recording.read(4096))
            if header is None:
                if time.monotonic() > deadline:
                    return 1
                time.sleep(0.02)
        rate, offset = header
        window = rate // 50
        first_window = int(since * rate) // window
        recording.seek(offset + first_window * window * 2)
        index, first, last = first_window, None, None
        while time.monotonic() <= deadline:
            block = recording.read(window * 2)
            if len(block) < window * 2:
                recording.seek(-len(block), 1)
                time.sleep(0.02)
                continue
            samples = array.array("h", block)
            if sys.byteorder == "big":
                samples.byteswap()
            if math.sqrt(sum(s * s for s in samples) / window) > THRESHOLD:
                first = index if first is None else first
                last = index
            index += 1
            if first is not None and (index - last - 1) * window >= quiet * rate:
                print("start=%.3f end=%.3f" % (first * window / rate, (last + 1) * window / rate))
                return 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
