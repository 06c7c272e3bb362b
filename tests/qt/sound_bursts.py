#!/usr/bin/python3
"""Counts the separate sounds in a WAV recording (16-bit mono): runs of 10 ms windows louder
than the threshold, with quiet gaps of at least 40 ms between them.

Usage: sound_bursts.py FILE.wav
"""
import math
import struct
import sys
import wave

THRESHOLD = 300  # RMS of 16-bit samples: far above the null sink's silence (0)


def bursts(path):
    with wave.open(path) as recording:
        rate, frames = recording.getframerate(), recording.getnframes()
        samples = struct.unpack(f"<{frames}h", recording.readframes(frames))
    window = rate // 100
    loud = []
    for start in range(0, len(samples) - window, window):
        chunk = samples[start:start + window]
        loud.append(math.sqrt(sum(s * s for s in chunk) / window) > THRESHOLD)
    count, quiet = 0, 4
    for is_loud in loud:
        if is_loud and quiet >= 4:
            count += 1
        quiet = 0 if is_loud else quiet + 1
    return count


if __name__ == "__main__":
    print(bursts(sys.argv[1]))
