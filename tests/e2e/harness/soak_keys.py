"""The soak's keys and a model of the player's key rules, so that the soak knows after every key
which song has the focus, which one the selection index names, and whether the key makes an
announcement. The model is the player as the user meets it:

- Up and Down (and keypad 8 and 2 with Num Lock off, which arrive as Up and Down) move the focus
  one song, wrapping, and announce the new song; on release they move the selection the same way;
- Tab and Shift+Tab move the focus and announce, the selection stays;
- keypad 8 and 2 with Num Lock on move the selection one song, wrapping, and give the focus to
  the song it then names, announced only when the focus really moves;
- Enter and Space play the focused song, keypad minus and Ctrl+S stop it, Left and Right do
  nothing: none of them announces or moves anything.
"""
from dataclasses import dataclass

# The keys typed one at a time, with how often each comes in a thousand.
KEY_WEIGHTS = {
    "Down": 150, "Up": 120, "Tab": 100, "Shift+Tab": 80, "Keypad 2": 90, "Keypad 8": 90,
    "Enter": 90, "Space": 50, "Keypad -": 40, "Ctrl+S": 30, "Left": 20, "Right": 20,
    "Num Lock": 30,
}
# The menus and dialogs, used from the keyboard as a teacher does.
ACTION_WEIGHTS = {"help": 8, "version": 7, "folder cancel": 8, "folder choose": 7}
# The ways to end the player, used once, at the very end.
ENDINGS = ("Keypad /", "Alt+F4", "exit item")


def choices():
    """(name, weight) of every step the soak can take before the end."""
    return list(KEY_WEIGHTS.items()) + list(ACTION_WEIGHTS.items())


@dataclass
class KeyModel:
    songs: int
    focus: int = 1          # the focused song, 1-based
    selection: int = 1      # the song the selection index names, 1-based
    num_lock: bool = True

    def _wrap(self, number):
        return (number - 1) % self.songs + 1

    def press(self, key):
        """Applies a typed key; returns the number of the song it announces, or None."""
        before = self.focus
        if key == "Num Lock":
            self.num_lock = not self.num_lock
            return None
        if key in ("Keypad 2", "Keypad 8") and not self.num_lock:
            key = "Down" if key == "Keypad 2" else "Up"
        step = {"Down": 1, "Up": -1, "Tab": 1, "Shift+Tab": -1, "Keypad 2": 1, "Keypad 8": -1}.get(key)
        if step is None:
            return None
        if key in ("Down", "Up"):
            self.focus = self._wrap(self.focus + step)
            self.selection = self._wrap(self.selection + step)
        elif key in ("Tab", "Shift+Tab"):
            self.focus = self._wrap(self.focus + step)
        else:
            self.selection = self._wrap(self.selection + step)
            self.focus = self.selection
        return self.focus if self.focus != before else None

    def rebuilt(self, songs):
        """A folder chosen: a new column of songs, song 1 focused (and announced), the selection
        back at song 1."""
        self.songs, self.focus, self.selection = songs, 1, 1
        return 1
