"""The recording of what the player plays, heard from the sound server's null sink, and how it
is read: 20 ms windows, each classed as silent, a 440 Hz tone, an 880 Hz tone, both at once, or
other noise. The recording is raw 16-bit mono at RATE samples a second written by parec, so a
position in it is a sample count (file size / 2) and it can be read while parec still writes.
A window's class compares its loudness with what passes a band filter around each tone.
Positions are taken with mark() before an action; the checks look at what came after a mark."""
import os
import subprocess
import time
import wave

import numpy

from .children import ends_with_us
from .waiting import wait_until

RATE = 16000
WINDOW = 320                # 20 ms
LOUD = 0.02                 # RMS (full scale 1) above which a window counts as sound
TAPS = 513                  # band filters: linear phase, DELAY samples late
DELAY = (TAPS - 1) // 2


def _band_pass(low, high):
    n = numpy.arange(TAPS) - DELAY
    taps = 2 * high / RATE * numpy.sinc(2 * high / RATE * n) - 2 * low / RATE * numpy.sinc(2 * low / RATE * n)
    return taps * numpy.hamming(TAPS)


# The bands around the two tones of the test songs.
_BANDS = [_band_pass(360, 520), _band_pass(740, 1020)]


def _rms(signal):
    frames = signal.reshape(-1, WINDOW)
    return numpy.sqrt(numpy.mean(frames * frames, axis=1))


def classify(context, count):
    """Classes of `count` windows whose samples start DELAY samples into `context`, which holds
    DELAY samples more on either side for the band filters (full scale 1)."""
    total = _rms(context[DELAY:DELAY + count * WINDOW])
    low, high = (_rms(numpy.convolve(context, taps, mode="valid")) for taps in _BANDS)
    classes = []
    for i in range(count):
        if total[i] < LOUD:
            classes.append("silent")
        elif low[i] > 0.6 * total[i] and high[i] < 0.25 * total[i]:
            classes.append("440")
        elif high[i] > 0.6 * total[i] and low[i] < 0.25 * total[i]:
            classes.append("880")
        elif low[i] > 0.3 * total[i] and high[i] > 0.3 * total[i]:
            classes.append("both")
        else:
            classes.append("noise")
    return classes


def seconds(samples):
    return samples / RATE


class Recording:
    def __init__(self, path, source, env, sound_log=None):
        self.path = str(path)
        self._source, self._env, self._sound_log = source, env, sound_log
        self._process = None
        self._classes = []          # class of window k, covering samples [k*WINDOW, (k+1)*WINDOW)
        self._seen = []             # (host monotonic time, samples in the file then)

    def start(self):
        with open(self.path, "wb") as out:
            # Short fragments: the file then grows nearly in step with the sink's clock.
            self._process = subprocess.Popen(
                ["parec", "-d", self._source, "--raw", "--format=s16le", "--channels=1",
                 f"--rate={RATE}", "--latency-msec=10"],
                stdout=out, stderr=subprocess.DEVNULL, env=self._env, preexec_fn=ends_with_us)
        # The sink's monitor delivers its first samples about a second after parec starts.
        wait_until("recording data", lambda: self.samples() > RATE // 4, timeout=10)
        self.wait_class("silent", 3, "silence at the start of the recording")
        return self

    def stop(self):
        if self._process and self._process.poll() is None:
            self._process.terminate()
            self._process.wait(timeout=10)

    def samples(self):
        try:
            count = os.path.getsize(self.path) // 2
        except OSError:
            return 0
        self._seen.append((time.monotonic(), count))
        return count

    mark = samples

    def _update(self):
        done = len(self._classes)
        ready = max(0, self.samples() - DELAY) // WINDOW
        if ready <= done:
            return
        first = done * WINDOW - DELAY
        with open(self.path, "rb") as f:
            f.seek(max(first, 0) * 2)
            data = f.read((ready * WINDOW + DELAY - max(first, 0)) * 2)
        signal = numpy.frombuffer(data, dtype="<i2").astype(numpy.float64) / 32768.0
        if first < 0:
            signal = numpy.concatenate([numpy.zeros(-first), signal])
        self._classes += classify(signal, ready - done)

    def classes(self, start=0, count=None):
        """(first sample, class) of every whole window from sample `start` on (to `count`
        samples after it, or to the end)."""
        self._update()
        first = -(-start // WINDOW)
        last = len(self._classes) if count is None else min(len(self._classes), (start + count) // WINDOW)
        return [(k * WINDOW, self._classes[k]) for k in range(first, last)]

    def tail(self, span=0.2):
        n = round(span * RATE / WINDOW)
        self._update()
        return self._classes[-n:] if len(self._classes) >= n else []

    def tail_is(self, cls, span=0.2):
        tail = self.tail(span)
        return bool(tail) and all(c == str(cls) for c in tail)

    def summary(self, span=1.0):
        return " ".join(self.tail(span)) or "(nothing recorded)"

    def wait_class(self, cls, timeout, what, span=0.2):
        """Waits until the last `span` seconds of the recording are all `cls`."""
        wait_until(f"{what}: the last {span} s all [{cls}]", lambda: self.tail_is(cls, span), timeout,
                   seen=lambda: f"last second: {self.summary()}")

    def first(self, cls, start, count=None):
        """The sample of the first of three `cls` windows in a row after `start`, or None."""
        run = 0
        for position, c in self.classes(start, count):
            run = run + 1 if c == str(cls) else 0
            if run == 3:
                return position - 2 * WINDOW
        return None

    def count(self, cls, start, count=None):
        return sum(1 for _, c in self.classes(start, count) if c == str(cls))

    def span(self, cls, start, count=None):
        """Seconds of `cls` windows after `start` (in all, not in a row)."""
        return seconds(self.count(cls, start, count) * WINDOW)

    def first_tone(self, start, after_gap=False):
        """The first tone ("440" or "880") heard steadily (three windows in a row) after `start`,
        or after the first silence that follows it; an onset's click is no tone. None if none."""
        gap, run, last = not after_gap, 0, None
        for _, c in self.classes(start):
            if c == "silent":
                gap = True
            if not gap or c not in ("440", "880"):
                run = 0
                continue
            run = run + 1 if c == last else 1
            last = c
            if run == 3:
                return c
        return None

    def wait_recorded(self, start, span):
        """Waits until the recording holds `span` seconds after sample `start`."""
        target = start + round(span * RATE)
        wait_until(f"the recording to reach {seconds(target):.2f} s", lambda: self.samples() >= target,
                   timeout=span + 20, seen=lambda: f"{seconds(self.samples()):.2f} s")

    def stays(self, cls, span, what):
        """The recording stays `cls` for `span` seconds of newly recorded samples."""
        start = self.samples()
        self.wait_recorded(start, span)
        other = [f"{c}@{seconds(p - start):.2f}s" for p, c in self.classes(start, round(span * RATE))
                 if c != str(cls)]
        assert not other, f"{what}: expected only [{cls}] for {span} s, heard: {' '.join(other)}"

    def first_audible(self, start):
        """The first sample after `start` louder than the sound threshold, or None."""
        end = self.samples()
        with open(self.path, "rb") as f:
            f.seek(start * 2)
            data = f.read(max(0, end - start) * 2)
        loud = numpy.flatnonzero(numpy.abs(numpy.frombuffer(data[: len(data) // 2 * 2], dtype="<i2")) > LOUD * 32768)
        return start + int(loud[0]) if len(loud) else None

    # --- Dropouts of the sound path and breaks of the song.
    def time_of(self, sample):
        """When `sample` was recorded, on the host's monotonic clock: a sample that is in the file
        at time t was recorded no later than t, and the tightest such bound is taken."""
        return min(t - (count - sample) / RATE for t, count in self._seen if count >= sample)

    def silent_runs(self, start, count=None):
        """(first sample, windows) of every run of silent windows after `start`."""
        runs, run = [], None
        for position, c in self.classes(start, count) + [(None, None)]:
            if c == "silent":
                run = run or [position, 0]
                run[1] += 1
            elif run:
                runs.append(tuple(run))
                run = None
        return runs

    def _ran_dry(self, run, margin=0.05):
        """The sound server reported an underrun of a stream while this silent run was recorded."""
        begin = self.time_of(run[0])
        end = begin + seconds(run[1] * WINDOW)
        return any(s - margin <= end and begin <= e + margin for s, e in self._sound_log.underruns())

    def breaks(self, start, count=None):
        """Silent runs after `start` that no dropout of the sound path explains: the program's."""
        return [run for run in self.silent_runs(start, count) if not self._ran_dry(run)]

    def dropout_seconds(self, start, count=None):
        return sum(seconds(n * WINDOW) for run in self.silent_runs(start, count) for n in [run[1]] if self._ran_dry(run))

    def song_seconds(self, start, end):
        """Seconds of the program's sound from sample `start` to `end`: the recording's time less
        the dropouts of the sound path, which delay what follows without being the program's."""
        return seconds(end - start) - self.dropout_seconds(start, end - start)

    def save_wav(self, path):
        with open(self.path, "rb") as f:
            data = f.read()
        with wave.open(str(path), "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(data[: len(data) // 2 * 2])
