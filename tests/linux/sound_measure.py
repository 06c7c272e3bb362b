#!/usr/bin/env python3
"""Measures a recording (16-bit mono WAV): where sound is heard and how strong it is.

    sound_measure.py FILE [FROM_SECONDS [TO_SECONDS]]

Prints "start=S end=E heard=H rms=R hz=F length=L sounding=D": the first and last 20 ms window
louder than -40 dBFS (seconds from FROM_SECONDS), the time between them, the RMS level (0..1)
over that span, its frequency by zero crossings (meaningful for a tone), the length measured
(to TO_SECONDS or the recording's end) and how long, of it all, was louder than -40 dBFS (speech
without its pauses). Prints "start=none" when nothing is heard. A recording still being written
can be measured.
"""
import math
import struct
import sys

THRESHOLD = 10 ** (-40 / 20)


def main():
    path = sys.argv[1]
    offset = float(sys.argv[2]) if len(sys.argv) > 2 else 0.0
    until = float(sys.argv[3]) if len(sys.argv) > 3 else None
    # Read by hand: a recording still being written declares no lengths yet, which the wave
    # module refuses. Everything after the data chunk's header is taken.
    with open(path, "rb") as raw:
        data = raw.read()
    fmt = data.index(b"fmt ")
    (rate,) = struct.unpack("<I", data[fmt + 12 : fmt + 16])
    frames = data[data.index(b"data") + 8 :]
    if until is not None:
        frames = frames[: int(until * rate) * 2]
    frames = frames[min(int(offset * rate) * 2, len(frames)) :]
    samples = struct.unpack("<%dh" % (len(frames) // 2), frames[: len(frames) // 2 * 2])
    window = rate // 50
    loud = []
    for start in range(0, len(samples) - window + 1, window):
        chunk = samples[start : start + window]
        rms = math.sqrt(sum(s * s for s in chunk) / window) / 32768
        if rms > THRESHOLD:
            loud.append(start)
    length = len(samples) / rate
    if not loud:
        print("start=none end=none heard=0 rms=0 hz=0 length=%.3f sounding=0" % length)
        return
    first, last = loud[0], loud[-1] + window
    span = samples[first:last]
    rms = math.sqrt(sum(s * s for s in span) / len(span)) / 32768
    crossings = sum(1 for a, b in zip(span, span[1:]) if (a < 0) != (b < 0))
    seconds = (last - first) / rate
    print("start=%.3f end=%.3f heard=%.3f rms=%.4f hz=%.0f length=%.3f sounding=%.3f"
          % (first / rate, last / rate, seconds, rms, crossings / 2 / seconds, length,
             len(loud) * window / rate))


if __name__ == "__main__":
    main()
