"""The soak: thousands of random keys and menu uses typed into the running player at the pace it
follows, each announcement checked against the song the keys led to, and what the program holds
read at the warm-up and at the end. Every key is typed once the announcement of the key before
has been heard (keys that announce nothing are checked by the next announcement: the speech
heard between two announcements must be exactly what the model expects)."""
import collections
import importlib
import random
import time

from . import program
from .soak_figures import over_margin
from .soak_keys import ACTION_WEIGHTS, ENDINGS, KeyModel, choices
from .speech import CREATE, SILENCE, say, speed
from .waiting import WaitTimeout, wait_until

# The folder the player starts on.
HOME = "music"
# Used once before the random steps.
TOUR = ("help", "version", "folder cancel", "folder choose", "Enter")
# How often the focus the program shows is compared with the model, in steps.
FOCUS_CHECK_EVERY = 25


def add_options(parser):
    group = parser.getgroup("otopicco")
    group.addoption("--soak-keys", type=int, default=300,
                    help="keys and menu uses the soak types (300 by default, 10000 for the full soak)")
    group.addoption("--soak-seed", type=int, default=None,
                    help="the soak's random seed, to replay a run (default: a new one, printed)")


class Soak:
    def __init__(self, player, folders, seed, report=print):
        """folders: {label in the folder dialog's tree: names of its songs}; the player starts
        on HOME."""
        self.player = player
        self.folders = folders
        self.rng = random.Random(seed)
        self.report = report
        readers = importlib.import_module(f"harness.{player.platform}.soak")
        self.feed = readers.SpeechFeed(player)
        self.read_resources = lambda: readers.resources(player)
        self.heard, self.expected = [], []
        self.verified = 0           # events heard and found as expected
        self.order = None
        self.folder = HOME
        self.model = None
        self.counts = {}
        self.slowest = {}           # the longest each kind of step took, in seconds
        self.history = collections.deque(maxlen=8)
        self.checked = 0         # announcements checked
        self.figures = []         # (when, steps done, {figure: value})
        self.seconds = None       # how long the random steps took

    # --- Speech.
    def _expect(self, *events):
        self.expected += events

    def _announce(self, number):
        self._expect(SILENCE, say(program.announcement(number, self.order[number - 1])))
        self.checked += 1

    def settle(self, timeout=20):
        """Until everything expected has been heard; then what was heard must be exactly that."""
        def caught_up():
            self.heard += self.feed.new_events()
            return len(self.heard) >= len(self.expected)
        wait_until(f"{len(self.expected) - len(self.heard)} more speech events after {self.recent()}", caught_up,
                   timeout, seen=lambda: self.heard[-4:])
        # What was heard up to the last check matched already: only the rest is compared.
        start, self.verified = self.verified, len(self.expected)
        heard, expected = self.heard[start:], self.expected[start:]
        if heard != expected:
            first = next(i for i, (a, b) in enumerate(zip(heard + [None], expected + [None])) if a != b)
            raise AssertionError(f"speech event {start + first}: expected {expected[first:first + 3]}, "
                                 f"heard {heard[first:first + 3]}, after {self.recent()}")

    def recent(self):
        """The last steps, and where the model has the focus and the selection."""
        return f"steps {list(self.history)} (model: {self.model})"

    def check_focus(self):
        self.settle()
        try:
            self.player.wait_focus(self.model.focus)
        except WaitTimeout as error:
            raise WaitTimeout(f"{error}, after {self.recent()}") from None

    # --- Steps.
    def start(self, order):
        self.order = order
        self.model = KeyModel(len(order))
        # At start-up: the speech output made, its speed set, song 1 announced without a silence.
        self._expect(CREATE, speed(program.SPEED), say(program.announcement(1, order[0])))
        self.checked += 1
        self.settle()

    def step(self, name):
        self.counts[name] = self.counts.get(name, 0) + 1
        self.history.append(name)
        began = time.monotonic()
        self._take(name)
        took = time.monotonic() - began
        self.slowest[name] = max(self.slowest.get(name, 0.0), took)

    def _take(self, name):
        if name in ACTION_WEIGHTS:
            getattr(self, "_" + name.replace(" ", "_"))()
            self.check_focus()
            return
        if name == "Num Lock":
            self.player.num_lock(not self.model.num_lock)
            self.model.press(name)
            return
        self.player.keys(name)
        announced = self.model.press(name)
        if announced:
            self._announce(announced)
            self.settle()

    def _help(self):
        self.player.open_help()
        self.player.keys("Enter")
        wait_until("the help window hidden after おわる", self.player.help_hidden, 10)
        self.player.wait_active("player")

    def _version(self):
        self.player.open_menu("H", "Down", "Enter")
        box = self.player.wait_box()
        if self.player.speech:
            self._expect(say(program.VERSION_SPOKEN))
        self.player.press_ok(box)
        self.player.wait_active("player")

    def _folder_cancel(self):
        captions = self.player.captions()
        self.player.open_folder_dialog()
        self.player.keys("Esc")
        self.player.wait_folder_closed("Esc")
        self.player.expect_back(self.model.focus, captions)

    def _folder_choose(self, label=None):
        label = label or self.rng.choice(sorted(self.folders))
        self.player.open_folder_dialog()
        # Thousands of steps meet the machine's busiest moments too: the tree is given longer.
        self.player.select_folder(label, timeout=30)
        self.player.keys("Enter")
        self.player.wait_folder_closed(f"OK on {label}")
        self.order = self.player.expect_rebuilt(self.folders[label])
        self.folder = label
        self._announce(self.model.rebuilt(len(self.order)))

    # --- The run.
    def run(self, steps, warm_up):
        """`steps` random keys and menu uses; the figures are read after `warm_up` of them and
        then at every tenth of the run."""
        # Every menu use once and a song played first, so that what each makes on its first use
        # (the dialogs' contents, the help text, the media device) is there before the warm-up.
        for name in TOUR:
            self.step(name)
        names, weights = zip(*choices())
        started = time.monotonic()
        every = max(1, steps // 10)
        for done in range(1, steps + 1):
            self.step(self.rng.choices(names, weights)[0])
            if done % FOCUS_CHECK_EVERY == 0:
                self.check_focus()
            if done == warm_up:
                self.sample("warm-up", done)
            elif done > warm_up and done % every == 0 and done < steps:
                self.sample("during", done)
        self.check_focus()
        self.seconds = time.monotonic() - started
        # The player still answers: a key is still announced.
        self.step("Down" if self.model.songs > 1 else "Tab")
        self.check_focus()
        self.sample("end", steps)

    def sample(self, when, done):
        # Each song has a button of its own: the figures are read with the songs of the folder
        # the player started on, so that they compare.
        if self.folder != HOME:
            self._folder_choose(HOME)
            self.check_focus()
        figures = wait_until("the program's figures", self.read_resources, 60)
        self.figures.append((when, done, figures))
        self.report(f"{when} after {done} steps: " + ", ".join(f"{k} {v}" for k, v in sorted(figures.items())))

    def warm_and_end(self):
        """The figures after the warm-up and at the end."""
        return next(figures for when, _, figures in self.figures if when == "warm-up"), self.figures[-1][2]

    def over_margin(self):
        return over_margin(*self.warm_and_end())

    def end(self):
        """Ends the player one of the three ways, chosen by the seed."""
        ending = self.rng.choice(ENDINGS)
        self.report(f"ending with {ending}")
        if ending == "exit item":
            self.player.open_menu("F", "X")
        elif ending == "Keypad /":
            self.player.keys("Keypad /")
            self.player.wait_box()
            if self.player.speech:
                self._expect(say(program.GOODBYE_SPOKEN))
                self.settle()
            self.player.expect_box(program.PLAIN_TITLE, program.GOODBYE_BOX, icon=False)
            # Enter, as the spoken goodbye asks.
            self.player.wait_active("box")
            self.player.keys("Enter")
        else:
            self.player.keys(ending)
        self.player.expect_clean_exit()
        if self.player.speech_used():
            self._expect(("release",))
            self.settle()
        return ending
