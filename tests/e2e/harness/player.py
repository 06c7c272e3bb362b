"""Steps every scenario shares, built on the verbs alone, so they work on every platform: waiting
for the player and its songs, message boxes, the end of the program, captions, announcements,
frames and the focus."""
from pathlib import Path

from . import program
from .speech import speaks
from .verbs import Verbs
from .waiting import QueryFailed, WaitTimeout, wait_for, wait_until


class Player(Verbs):
    speech = True       # the speech output of the running program exists
    # What a driver can see of the program; where a platform shows a thing otherwise, the steps
    # below check what it does show.
    window_frame = True         # the player window's outer size includes a frame and title bar
    captions_trimmed = False    # song captions are read without their leading and trailing blanks
    reads_fonts = True          # the song buttons' font can be read
    sees_hidden_windows = True  # a window made but never shown can be found
    slow_speech = True          # the speech output can be made slow to accept texts
    repaints_when_restored = True   # a restored window is painted afresh by the program

    # --- One scenario.
    def begin_scenario(self, folder, program_starts=lambda: None):
        """`folder` takes the scenario's logs and recordings; program_starts() is called just
        before each start of the program."""
        self._case = Path(folder)
        self._program_starts = program_starts
        self._starts = 0
        self._recordings = []

    def end_scenario(self):
        """Whatever the scenario left behind goes, so that the next one starts afresh."""
        for recording in self._recordings:
            recording.stop()
        # A scenario that ended while the sound server was away leaves sound for the next ones.
        if not self.session.desktop.sound_running():
            self.restart_sound_server()
        if self.running():
            try:
                self.request_close()
                wait_until("the program to end", lambda: not self.running(), 10)
            except (AssertionError, QueryFailed):
                self._process.kill()
                self._process.wait()
        # A scenario may have left Num Lock off.
        self.num_lock(True)
        self.leave_no_other_program()

    @staticmethod
    def readable_menu(items):
        """The menu bar's items as the driver can read them."""
        return items

    @staticmethod
    def box_text(text):
        """How a message box shows the program's text (its line ends may change)."""
        return text

    def wait_for(self, what, query, wanted, timeout=10):
        return wait_for(what, query, wanted, timeout)

    # --- Start.
    def wait_window(self, songs=None, timeout=30):
        """Waits for the player window (failing at once if the program ends instead) and, when
        `songs` is given, for exactly that many song buttons."""
        wait_until("the player window", lambda: self.window() is not None or not self.running(), timeout,
                   seen=self._what_shows)
        assert self.window() is not None, f"the program ended (exit code {self.exit_code()}) without its window"
        if songs is not None:
            self.wait_for(f"{songs} song buttons", lambda: len(self.songs()), songs)
        return self.window()

    def ready(self, songs):
        """After start: the box about the missing speech output is dismissed when there is one,
        the window shows its songs, song 1 has the focus (and was announced) and the player is
        active, so keys typed from now on reach it."""
        if not self.speech:
            self.expect_box(program.PLAIN_TITLE, program.NO_SPEECH_ENGINE, icon=False)
            self.press_ok()
        self.wait_window(songs)
        if self.speech:
            self.wait_speaks(1, timeout=20)
        self.wait_focus(1)
        self.wait_active("player")

    def _what_shows(self):
        return {"windows": self.windows_left(), "boxes": [b.text for b in self.boxes()]}

    # --- Message boxes.
    def wait_box(self, timeout=20):
        return wait_until("a message box", lambda: next(iter(self.boxes()), None), timeout,
                          seen=self._what_shows)

    def expect_box(self, title, text, icon):
        """The message box shown now is titled `title`, says `text`, shows an icon or none, and
        has its one OK button."""
        box = self.wait_box()
        text = self.box_text(text)
        assert (box.title, box.text, box.icon, box.buttons) == (title, text, icon, ("OK",)), \
            f"message box: expected {(title, text, icon, ('OK',))}, got {(box.title, box.text, box.icon, box.buttons)}"
        return box

    def press_ok(self, box=None):
        box = box or self.wait_box()
        self.press_box_ok(box)
        wait_until("the box to close after OK", lambda: box.handle not in [b.handle for b in self.boxes()], 10)

    def no_box(self):
        return not self.boxes()

    def expect_no_box(self, when):
        assert self.no_box(), f"a message box appeared {when}: {self.boxes()}"

    def expect_song_not_found(self, file_name):
        """The error box for song file `file_name` is shown now, and with speech the same text was
        the last thing spoken, with no silence before it. Presses OK."""
        box = self.expect_box(program.ERROR_TITLE, program.not_found(file_name), icon=True)
        if self.speech:
            events = self.events()
            assert events[-1] == ("speak", program.not_found(file_name)), f"last speech event: {events[-1:]}"
            assert events[-2][0] == "speak", f"the event before the message: {events[-2:-1]}"
        else:
            self.expect_nothing_spoken()
        self.press_ok(box)
        self.wait_active("player")

    # --- The end.
    def expect_clean_exit(self, timeout=20):
        """The program ends by itself with exit code 0 and leaves no window."""
        wait_until("the program to end", lambda: not self.running(), timeout, seen=self._what_shows)
        assert self.exit_code() == 0, f"exit code {self.exit_code()}"
        assert not self.windows_left(), f"windows left behind: {self.windows_left()}"

    def close(self):
        self.request_close()
        self.expect_clean_exit()

    def expect_running(self, when):
        assert self.running(), f"the player ended {when} (exit code {self.exit_code()})"

    # --- Songs and captions.
    def match_captions(self, names):
        """Every song button n is captioned " n " and a title field, and the fields are those of
        the names, each once (in whatever order the folder lists them). Returns the names in
        button order."""
        fields = {i: program.title_field(name) for i, name in enumerate(names)}
        order = []
        for song in self.songs():
            caption = program.sjis(song.caption)
            prefix = f" {song.number} ".encode()
            if self.captions_trimmed:
                # A screen reader's name of the button: the caption without its outer blanks.
                match = next((i for i, field in fields.items() if (prefix + field).strip(b" ") == caption), None)
            else:
                assert caption.startswith(prefix), f"song {song.number} caption does not start with {prefix!r}: {caption!r}"
                match = next((i for i, field in fields.items() if field == caption[len(prefix):]), None)
            assert match is not None, f"song {song.number} caption {song.caption!r} matches no file's title field"
            order.append(names[match])
            del fields[match]
        return order

    def expect_song_layout(self):
        """Every song button n at its place in the column, visible, a tab stop."""
        for song in self.songs():
            got = (song.left, song.top, song.width, song.height, song.visible, song.tab_stop)
            assert got == program.song_rect(song.number) + (True, True), f"song {song.number}: {got}"

    def expect_outer_size(self, songs):
        if self.window_frame:
            assert self.window().outer_size == program.outer_size(songs), \
                f"outer size for {songs} songs: {self.window().outer_size}"
        else:
            # Without a frame the client area is what the program sizes: the outer size less
            # the frame that Windows puts around it.
            assert self.window().client_size == program.client_size(songs), \
                f"client size for {songs} songs: {self.window().client_size}"

    def song_showing(self, text):
        """The number of the song whose caption shows `text`."""
        for song in self.songs():
            if text in song.caption:
                return song.number
        raise AssertionError(f"no song button shows {text!r}: {[s.caption for s in self.songs()]}")

    # --- Focus, activation, frames.
    def wait_focus(self, number, timeout=10):
        self.wait_for(f"the focus on song {number}", self.focused_song, number, timeout)

    def wait_active(self, which, timeout=15):
        self.wait_for(f"the {which} window to be active", self.active, which, timeout)

    def focus_song(self, number):
        """Down (wrapping at the end) until song `number` has the focus, step by step."""
        count = len(self.songs())
        now = self.focused_song()
        assert now, "no song button has the focus"
        for _ in range(count):
            if now == number:
                return
            now = now % count + 1
            self.keys("Down")
            self.wait_focus(now)
        assert now == number, f"Down never reached song {number}"

    def frames(self):
        """The frame band around every song: "B" (blue on all four sides), "Y" (yellow on all
        four), or the four colours when they differ."""
        count = len(self.songs())
        points = [p for n in range(1, count + 1) for p in program.frame_band_points(n)]
        colours = self.pixels(points)
        words = []
        for n in range(count):
            sides = colours[4 * n:4 * n + 4]
            words.append("B" if set(sides) == {program.FRAME} else
                         "Y" if set(sides) == {program.BACKGROUND} else "[" + ",".join(sides) + "]")
        return " ".join(words)

    def wait_frames(self, *numbers):
        """Until the blue band is around exactly these songs, yellow around the others."""
        count = len(self.songs())
        want = " ".join("B" if n in numbers else "Y" for n in range(1, count + 1))
        self.wait_for(f"frames [{want}]", self.frames, want)

    def play(self, recording, tone, what):
        """Enter on the focused song, and the recording turns to its tone."""
        self.keys("Enter")
        recording.wait_class(tone, 10, what)

    # --- Speech.
    def events(self):
        return [e.event for e in self.spoken()]

    def events_since(self, mark):
        return self.events()[mark:]

    def speak_count(self):
        return len(speaks(self.spoken()))

    def wait_speaks(self, count, timeout=10):
        """Until the speech output was asked to speak `count` times in all."""
        try:
            self.wait_for(f"{count} texts spoken", self.speak_count, lambda n: n >= count, timeout)
        except WaitTimeout as timeout_error:
            raise WaitTimeout(f"{timeout_error}; events: {self.events()}") from None

    def wait_events(self, what, wanted, timeout=10):
        """Until the speech events equal `wanted` (or satisfy it when callable)."""
        return self.wait_for(what, self.events, wanted, timeout)

    def expect_release_once_last(self):
        events = self.events()
        assert events.count(("release",)) == 1 and events[-1] == ("release",), \
            f"the speech output should be released once, last: {events}"

    def expect_nothing_spoken(self):
        assert not self.speech_used(), f"the speech output was used: {self.events()}"
