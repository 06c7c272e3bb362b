"""The platforms the suite can drive, each by its command-line option (--platform=NAME). A new
platform adds its driver package beside wine/ and an entry here."""
from pathlib import Path

REPO = Path(__file__).resolve().parents[3]


def add_options(parser):
    group = parser.getgroup("otopicco", "the Otopicco end-to-end suite")
    group.addoption("--platform", default="wine", choices=sorted(PLATFORMS),
                    help="which program to drive: wine (the Windows program under Wine, the default) or linux (the native program)")
    group.addoption("--evidence", default=str(REPO / "build" / "e2e-evidence"),
                    help="folder for the scenarios' working folders; a failed scenario leaves its evidence there")
    group.addoption("--keep", action="store_true", help="keep the folders of passing scenarios too")
    build = REPO / "build" / "win64"
    group.addoption("--program", default=None,
                    help="the program to start (default: the build's, build/win64/otopicco.exe or "
                         "build/linux/platform/linux/otopicco)")
    group.addoption("--wine-prefix", default=str(build / "tests" / "e2e" / "wine-prefix"),
                    help="the test prefix (made by tests/e2e/prefix_setup.sh)")
    group.addoption("--probe-dir", default=str(build / "tests" / "wine" / "probe"),
                    help="the folder of probe.exe and probe_hook.dll")
    group.addoption("--speech-stand-in", default="sapi4",
                    help="which speech stand-in speaks for the program: the SAPI 4 control's (default) or SAPI 5's voice")
    group.addoption("--speech-stand-in-dll", action="append", default=None,
                    help="a speech stand-in's DLL, once for each (default: both, from the win64 build)")


def _wine(config, session_dir):
    from .wine.driver import WineDriver
    option = config.getoption
    wine_tests = REPO / "build" / "win64" / "tests" / "wine"
    program = option("--program") or REPO / "build" / "win64" / "otopicco.exe"
    dlls = option("--speech-stand-in-dll") or [wine_tests / "speech_double" / "speech_double.dll",
                                               wine_tests / "voice_double" / "voice_double.dll"]
    return WineDriver(program, option("--wine-prefix"), option("--probe-dir"),
                      option("--speech-stand-in"), dlls, session_dir)


def _linux(config, session_dir):
    from .linux.driver import LinuxDriver
    program = config.getoption("--program") or REPO / "build" / "linux" / "platform" / "linux" / "otopicco"
    return LinuxDriver(program, session_dir)


PLATFORMS = {"wine": _wine, "linux": _linux}


def make_driver(config, session_dir):
    return PLATFORMS[config.getoption("--platform")](config, session_dir)
