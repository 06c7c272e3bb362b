"""Fixtures of the scenario suite. `player` is the platform's driver, ready for one scenario;
`case` is the scenario's own folder (named after it, under --evidence): its working folder
`work`, where it makes its songs and help file, and beside it the drivers' logs and recordings and,
when the scenario fails, its evidence: a screenshot, the windows, the speech log, the recording
and the program's output. Every scenario also proves that the program wrote nothing into its
working folder (harness/untouched.py). One session of the platform
(for Wine: the prefix's wineserver, X and sound servers and the probe) serves every scenario of
the run."""
import hashlib
import os
import re
import subprocess
import shutil
import tempfile
from pathlib import Path

import pytest

from harness import drivers, soak
from harness.songs import Tones, write_help
from harness.untouched import WorkingFolder


def pytest_addoption(parser):
    drivers.add_options(parser)
    soak.add_options(parser)


def pytest_collection_modifyitems(config, items):
    platform, stand_in = config.getoption("--platform"), config.getoption("--speech-stand-in")
    for item in items:
        mark = item.get_closest_marker("platforms")
        if mark and platform not in mark.args:
            item.add_marker(pytest.mark.skip(reason=f"only on {', '.join(mark.args)}"))
        mark = item.get_closest_marker("speech_stand_ins")
        if mark and stand_in not in mark.args:
            item.add_marker(pytest.mark.skip(reason=f"only with the speech stand-in {', '.join(mark.args)}"))


@pytest.hookimpl(hookwrapper=True)
def pytest_runtest_makereport(item, call):
    outcome = yield
    report = outcome.get_result()
    setattr(item, f"report_{report.when}", report)


@pytest.fixture(scope="session")
def session_dir(request):
    path = Path(tempfile.mkdtemp(prefix="otopicco-e2e-"))
    yield path
    if request.session.testsfailed:
        print(f"\nthe session's logs are kept in {path}")
    else:
        shutil.rmtree(path, ignore_errors=True)


@pytest.fixture(scope="session")
def driver(request, session_dir):
    driver = drivers.make_driver(request.config, session_dir).open()
    yield driver
    driver.shut()


@pytest.fixture(scope="session")
def tones(session_dir):
    return Tones(session_dir / "tones")


class Case:
    """A scenario's working folder `dir` and the songs it makes there; the drivers write their logs
    and recordings into `evidence`, outside the working folder, so that the program's working
    folder holds only what the scenario made."""

    def __init__(self, folder, tones):
        self.evidence = folder
        self.dir = folder / "work"
        self.dir.mkdir()
        self.tones = tones
        self.untouched = WorkingFolder(self.dir)
        self._locked = []

    def changes(self, *paths):
        """Declares paths below the working folder that the scenario itself changes while the
        player runs (a song it deletes, a help file it rewrites); the check that nothing was
        written leaves out these and what lies below them."""
        self.untouched.changed_by_the_scenario(*paths)

    def read_only(self, path="."):
        """Makes the folder `path` below the working folder and everything in it read-only,
        until the scenario is over. Root may write anywhere regardless of the modes, so there
        each entry is also made immutable."""
        top = self.dir / path
        modes = {entry: entry.stat().st_mode for entry in [top] + sorted(top.rglob("*"))}
        for entry, mode in modes.items():
            entry.chmod(mode & ~0o222)
        self._locked.append((top, modes))
        if os.geteuid() == 0:
            subprocess.run(["chattr", "-R", "+i", str(top)], check=True)

    def unlock(self):
        """Undoes read_only, so the folder can be checked and removed."""
        while self._locked:
            top, modes = self._locked.pop()
            if os.geteuid() == 0:
                subprocess.run(["chattr", "-R", "-i", str(top)], check=True)
            for entry, mode in modes.items():
                entry.chmod(mode)

    def songs(self, names, folder="music", hz=None, seconds=0.4):
        """Short tone songs under the case folder, 440 and 880 Hz in turn unless `hz`."""
        self.tones.songs(self.dir / folder, names, hz, seconds)
        return self.dir / folder

    def song(self, path, *segments):
        """One song of tone segments (hz, seconds) at `path` below the case folder."""
        return self.tones.put(self.dir / path, *segments)

    def help_file(self, folder=".", lines=None):
        target = self.dir / folder
        target.mkdir(parents=True, exist_ok=True)
        write_help(target, *([lines] if lines is not None else []))
        return target


@pytest.fixture
def case(request, tones):
    name = re.sub(r"[^\w.-]+", "-", request.node.nodeid.replace("::", ".")).strip("-")
    if len(name) > 100:
        # Windows paths stay short: the program runs in this folder.
        name = name[:92] + "-" + hashlib.sha1(name.encode()).hexdigest()[:7]
    folder = Path(request.config.getoption("--evidence")).resolve() / name
    if folder.exists() and os.geteuid() == 0:
        # An earlier run that died may have left a read-only folder there.
        subprocess.run(["chattr", "-R", "-i", str(folder)], stderr=subprocess.DEVNULL)
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    case = Case(folder, tones)
    yield case
    case.unlock()


@pytest.fixture
def player(request, driver, case):
    driver.begin_scenario(case.evidence, case.untouched.program_starts)
    yield driver
    reports = [getattr(request.node, f"report_{when}", None) for when in ("setup", "call")]
    failed = any(report is not None and report.failed for report in reports)
    if failed:
        driver.leave_evidence(case.evidence)
    driver.end_scenario()
    written = case.untouched.problems()
    case.unlock()
    if failed or written:
        print(f"\nevidence of {request.node.nodeid}: {case.evidence}")
    elif not request.config.getoption("--keep"):
        shutil.rmtree(case.evidence, ignore_errors=True)
    assert not written, "the program's working folder changed:\n" + "\n".join(written)
