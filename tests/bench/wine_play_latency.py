#!/usr/bin/env python3
"""Under Wine, the delay from an injected Enter to the first audible sample of a song, for the
player and, in the same session, for tests/wine/mci_minimal (Enter opens and plays the same file
through MCI, nothing else). Prints each delay, both medians and their ratio; the player should
stay within 1.2 times the minimal program.

Usage: tests/bench/wine_play_latency.py   (REPS=10 ROUNDS=2: ROUNDS blocks of REPS/ROUNDS Enters
       per program, the blocks alternating, after one unmeasured warm-up Enter per block)

How recording time is mapped to wall time: parec writes the null sink's monitor into a file in
10 ms fragments for the whole benchmark, and a sampler notes the file's size every 2 ms. A sample
that is in the file at time t was recorded no later than t, so the tightest such bound gives the
time the first audible sample (above 0.02 of full scale) after Enter was heard; the delay is that
minus the clock read just before xdotool sends Enter. Both programs are measured the same way, so
the fragment delay and xdotool's start-up largely cancel in the ratio.

Each player Enter goes to the other of two songs (the click that opens a new file, closes the old
one and plays), after the previous song has ended; the minimal program closes the file of its
previous Enter before it opens again, so both do the same device work."""
import os
import statistics
import threading
import time

from wine_bench import BUILD, close_driver, fail, open_driver, songs

from harness import program
from harness.waiting import wait_until

REPS = int(os.environ.get("REPS", "10"))
ROUNDS = int(os.environ.get("ROUNDS", "2"))
MINIMAL = os.environ.get("OTOPICCO_MCI_MINIMAL", str(BUILD / "tests" / "wine" / "mci_minimal" / "mci_minimal.exe"))


def measure(driver, recording):
    """One Enter; its delay in ms."""
    # Longer than a dropout of a busy machine's sound path: the previous song has ended.
    recording.wait_class("silent", 5, "silence before Enter", span=0.5)
    start = recording.mark()
    pressed = time.monotonic()
    driver.session.desktop.keys("Enter", delay_ms=0)
    onset = wait_until("the song to be heard", lambda: recording.first_audible(start), 10)
    delay = (recording.time_of(onset) - pressed) * 1000
    # The song is heard as such before the next measurement waits for it to end.
    recording.wait_class(440, 10, "the song")
    return delay


def player_block(driver, folder, recording, count, delays):
    driver.start(folder, speech=False)
    driver.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
    driver.press_ok()
    driver.wait_window(2)
    driver.wait_focus(1)
    for i in range(count + 1):
        song = 2 if i % 2 == 0 else 1
        driver.keys("Down")
        driver.wait_focus(song)
        delay = measure(driver, recording)
        if i:  # the first is the warm-up
            delays.append(delay)
            print(f"player  {delay:.1f} ms", flush=True)
    driver.close()


def minimal_block(driver, folder, recording, count, delays):
    session = driver.session
    # The same relative path the player gives MCI for its songs.
    process = session.wine([MINIMAL, r"music\a.mp3"], cwd=str(folder), log="minimal.log")

    def shown():
        return next((w["hwnd"] for w in driver._all_windows()
                     if w["exe"] == "mci_minimal.exe" and w["visible"] == "1"
                     and driver._foreground()["foreground"] == w["hwnd"]), None)

    hwnd = wait_until("the minimal program's window, active", shown, 30)
    for i in range(count + 1):
        delay = measure(driver, recording)
        if i:
            delays.append(delay)
            print(f"minimal {delay:.1f} ms", flush=True)
    session.probe.ask("close", hwnd)
    process.wait(timeout=20)


def main():
    if not os.path.exists(MINIMAL):
        fail(f"no minimal program at {MINIMAL} (scripts/build.sh win64)")
    driver, folder, tones = open_driver()
    sampling = [True]
    try:
        songs(folder, tones, ["a.mp3", "b.mp3"], 0.8)
        recording = driver.recording()

        def sample():
            while sampling[0]:
                recording.samples()
                time.sleep(0.002)

        threading.Thread(target=sample, daemon=True).start()
        player, minimal = [], []
        per = -(-REPS // ROUNDS)
        for _ in range(ROUNDS):
            player_block(driver, folder, recording, per, player)
            minimal_block(driver, folder, recording, per, minimal)
    finally:
        sampling[0] = False
        close_driver(driver)
    mp, mm = statistics.median(player), statistics.median(minimal)
    ratio = mp / mm
    print(f"player:  median {mp:.1f} ms over {len(player)} Enters")
    print(f"minimal: median {mm:.1f} ms over {len(minimal)} Enters")
    print(f"ratio:   {ratio:.2f} (target at most 1.2)")
    print("within target" if ratio <= 1.2 else "OVER TARGET")


if __name__ == "__main__":
    main()
