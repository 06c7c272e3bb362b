"""What the Wine benchmarks share: the end-to-end suite's Wine driver on a test prefix of their
own (made on the first run, reused after), so a benchmark never disturbs a test run's prefix."""
import os
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

REPO = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPO / "tests" / "e2e"))

from harness.songs import Tones, write_help  # noqa: E402
from harness.wine.driver import WineDriver  # noqa: E402
from harness.wine.session import TEST_MARK  # noqa: E402

BUILD = REPO / "build" / "win64"
PREFIX = Path(os.environ.get("OTOPICCO_WINE_PREFIX", BUILD / "tests" / "bench" / "wine-prefix"))
PROBE_DIR = BUILD / "tests" / "wine" / "probe"


def fail(message):
    sys.exit(f"{Path(sys.argv[0]).name}: {message}")


def open_driver():
    """The driver with its session running, ready for one run of the player; and a folder."""
    program = Path(os.environ.get("OTOPICCO_EXE", BUILD / "otopicco.exe"))
    if not program.exists():
        fail(f"no program at {program} (scripts/build.sh win64)")
    if not (PREFIX / TEST_MARK).exists():
        env = dict(os.environ, OTOPICCO_WINE_PREFIX=str(PREFIX), OTOPICCO_PROBE_DIR=str(PROBE_DIR))
        if subprocess.run(["bash", str(REPO / "tests" / "e2e" / "prefix_setup.sh")], env=env).returncode:
            fail(f"cannot make the Wine prefix {PREFIX}")
    session = Path(tempfile.mkdtemp(prefix="otopicco-bench-"))
    driver = WineDriver(program, PREFIX, PROBE_DIR, "sapi4",
                        [BUILD / "tests" / "wine" / "speech_double" / "speech_double.dll"], session).open()
    folder = session / "bench"
    folder.mkdir()
    driver.begin_scenario(folder)
    return driver, folder, Tones(session / "tones")


def close_driver(driver):
    driver.end_scenario()
    driver.shut()
    shutil.rmtree(driver.session.dir, ignore_errors=True)


def songs(folder, tones, names, seconds):
    for name in names:
        tones.put(folder / "music" / name, (440, seconds))
    write_help(folder)
