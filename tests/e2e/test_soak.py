"""The soak: the player on a folder of five songs (a second folder of three beside it) takes a long
run of random keys from its whole key set, while its songs play: Up, Down, Tab, Shift+Tab, keypad
8 and 2 with Num Lock on and off, Enter and Space (play), keypad minus and Ctrl+S (stop), Left
and Right (nothing), and the menus: the help window opened and closed with おわる, the version
box, the folder dialog cancelled with Esc or OK on one of the two folders. Only at the very end
one of the ways out: keypad / (the goodbye box, then Enter), Alt+F4 or the exit item.

Expected outcome: every announcement is the song the keys led to, preceded by a silence, and
nothing else is spoken but the version text (model of the key rules in harness/soak_keys.py; the
focus the program shows is compared with the model every 25 steps and after every menu use);
after all the keys a Down is still announced and Enter still plays the focused song; memory,
file descriptors, GDI and USER objects, windows and X resources at the end stay within the
margins of harness/soak_figures.py of what they were after the warm-up (a tenth of the run);
the program ends with exit code 0 and the speech output is released last; no file under the
working folder (which holds both song folders, the help file and the program) is changed, lost or
added (the check every scenario makes).

The number of keys is --soak-keys (300 here, 10,000 for the full soak: scripts/soak.sh); the
seed is printed and --soak-seed replays a run."""
import random

from harness.soak import Soak
from harness.soak_figures import allowed
from harness.songs import HIGH, LOW

MUSIC = ["one.mp3", "二曲目.mp3", "three.mp3", "よん.mp3", "five.mp3"]
MORE = ["alpha.mp3", "ベータ.mp3", "gamma.mp3"]
# Long enough that a song played is still playing many keys later.
SONG_SECONDS = 30


def test_soak(player, case, request):
    steps = request.config.getoption("--soak-keys")
    seed = request.config.getoption("--soak-seed")
    seed = random.randrange(2 ** 32) if seed is None else seed
    print(f"\nsoak: seed {seed}, {steps} keys (replay: --soak-seed={seed} --soak-keys={steps})")
    work = case.dir
    case.songs(MUSIC, folder="music", seconds=SONG_SECONDS)
    case.songs(MORE, folder="more", seconds=SONG_SECONDS)
    case.help_file()

    # The program runs from its working folder, so the folder dialog's tree shows both folders.
    player.start(work, program_dir=work)
    player.ready(len(MUSIC))
    soak = Soak(player, {"music": MUSIC, "more": MORE}, seed)
    soak.start(player.match_captions(MUSIC))
    player.keys("Enter")
    soak.run(steps, warm_up=max(20, steps // 10))
    over = soak.over_margin()
    # And still plays: stopped with Ctrl+S, then Enter on the focused song, and its tone is heard.
    player.keys("Ctrl+S")
    recording = player.recording()
    name = soak.order[soak.model.focus - 1]
    names = MUSIC if name in MUSIC else MORE
    player.play(recording, (LOW, HIGH)[names.index(name) % 2], f"{name} plays after the soak")
    ending = soak.end()

    rate = steps / soak.seconds
    print(f"soak: {steps} keys in {soak.seconds:.0f} s ({rate:.1f} keys/s), {soak.checked} announcements "
          f"checked, ended with {ending}; steps: {dict(sorted(soak.counts.items()))}")
    print("soak: slowest of each step, in seconds: " +
          ", ".join(f"{name} {took:.2f}" for name, took in sorted(soak.slowest.items())))
    for when, done, figures in soak.figures:
        print(f"soak: {when} ({done} keys): " + ", ".join(f"{k}={v}" for k, v in sorted(figures.items())))
    warm, end = soak.warm_and_end()
    for name in sorted(set(warm) | set(end)):
        print(f"soak: {name}: warm-up {warm.get(name, 0)}, end {end.get(name, 0)}, "
              f"allowed {allowed(name, warm.get(name, 0))}")
    assert not over, f"grew beyond the margins from the warm-up to the end: {over}"
