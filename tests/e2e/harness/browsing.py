"""Steps of browsing by ear: a key that moves the focus is followed by a silence and the new
song's announcement, the blue frame around it alone, and the focus on it."""
from . import program
from .speech import SILENCE, say


class BrowsingSteps:
    def start_songs(self, folder, names, **start):
        """The player started in `folder` (songs and help file made there already) and ready;
        returns the song names in button order."""
        self.start(folder, **start)
        self.ready(len(names))
        return self.match_captions(names)

    def announced(self, number, order):
        return say(program.announcement(number, order[number - 1]))

    def step(self, keys, number, order):
        """`keys` (one key name, or a tuple of them) move the focus to song `number`: a silence,
        then its announcement, and the blue band around it alone."""
        keys = (keys,) if isinstance(keys, str) else keys
        seen, speaks = len(self.events()), self.speak_count()
        self.keys(*keys)
        self.wait_speaks(speaks + 1)
        assert self.events_since(seen) == [SILENCE, self.announced(number, order)], \
            f"after {keys}: {self.events_since(seen)}"
        self.wait_frames(number)
        self.wait_focus(number)

    def last_announced(self):
        """The number of the song announced last."""
        texts = [e[1] for e in self.events() if e[0] == "speak"]
        return int(texts[-1].split(" ", 1)[0])

    def finish(self):
        """The player ends without leaving a window; the speech output is released last."""
        self.close()
        if self.speech_used():
            assert self.events()[-1] == ("release",), f"last speech event: {self.events()[-1:]}"
