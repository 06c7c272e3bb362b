"""The verbs a platform driver offers the scenarios, in the program's terms. A driver implements
each of them for one platform (the Windows program under Wine, the native Linux program) and
hides every platform detail behind them: window handles, class names, font faces, how keys are
injected and how the speech output is observed. Queries answer at once with what is
there now; the steps in player.py wait for them. The program is started once per scenario and
runs until it ends or the scenario is over."""
from abc import ABC, abstractmethod
from dataclasses import dataclass


@dataclass(frozen=True)
class Box:
    """A message box of the program."""
    title: str
    text: str               # lines joined by the line ends the box shows ("\r\n" or "\r")
    icon: bool              # shows an icon (the error boxes) or none (the plain boxes)
    buttons: tuple
    handle: object = None   # the driver's own reference, for press_box_ok


@dataclass(frozen=True)
class Song:
    """A song button of the player window, numbered from 1 in the order the focus visits them."""
    number: int
    caption: str
    left: int               # in the player window's client area
    top: int
    width: int
    height: int
    visible: bool
    tab_stop: bool


@dataclass(frozen=True)
class Window:
    title: str
    left: int               # the outer rectangle on the screen
    top: int
    outer_size: tuple       # (width, height), frame and menu bar included
    client_size: tuple
    resizable: bool
    can_minimize: bool
    can_maximize: bool
    system_menu: bool
    shown: bool
    minimized: bool


@dataclass(frozen=True)
class HelpWindow:
    window: Window
    button: str             # the caption of its one button
    focus: str              # "button", "text" or None
    text: str               # the text box's whole text, lines joined by "\r\n"


@dataclass(frozen=True)
class FolderDialog:
    window: Window
    buttons: tuple          # captions, in the order of the dialog's tab order
    focus: str              # "tree", a button's caption, or None


@dataclass(frozen=True)
class TreeNode:
    depth: int
    label: str
    selected: bool
    expanded: bool
    children: int           # child nodes it holds now


class Verbs(ABC):
    platform = None
    # The speech log tells how many song buttons existed at each call.
    counts_buttons_at_speech = False

    # --- The program.
    @abstractmethod
    def start(self, folder, speech=True, refuse=None, program_dir=None, program_name="otopicco", speech_delay=0):
        """Starts the player with `folder` as its working folder. speech: whether a speech output
        exists; refuse: an operation ("create", "speed") the speech output refuses; program_dir:
        run a copy of the program placed in that folder under `program_name`; speech_delay: the
        milliseconds the speech output takes to accept each text, as a slow engine does."""

    @abstractmethod
    def running(self):
        """The program has not ended."""

    @abstractmethod
    def exit_code(self):
        """The program's exit code once it has ended, else None."""

    @abstractmethod
    def windows_left(self):
        """Descriptions of the program's windows that still exist."""

    @abstractmethod
    def request_close(self):
        """Asks the player window to close, as its title bar's close button does."""

    # --- Input.
    @abstractmethod
    def keys(self, *names):
        """Types keys, one after the other: "Down", "Shift+Tab", "Enter", "Keypad 2", "Ctrl+S"..."""

    @abstractmethod
    def key_down(self, name): ...

    @abstractmethod
    def key_up(self, name): ...

    @abstractmethod
    def num_lock(self, on): ...

    @abstractmethod
    def click_song(self, number):
        """A mouse click in the middle of song button `number`."""

    @abstractmethod
    def click_player_title(self):
        """A mouse click on the player window's title bar."""

    @abstractmethod
    def click_folder_button(self, caption): ...

    @abstractmethod
    def click_folder_close_box(self): ...

    # --- The player window.
    @abstractmethod
    def window(self):
        """The player window (a Window), or None before it is shown."""

    @abstractmethod
    def songs(self):
        """The song buttons (Songs), in the order the focus visits them."""

    @abstractmethod
    def focused_song(self):
        """The number of the song button with the keyboard focus, 0 for none."""

    @abstractmethod
    def active(self):
        """Which of the program's windows is the active one, the one keys go to: "player", "help",
        "folder", "box", None (no window takes keys), or a description of another program's."""

    @abstractmethod
    def pixels(self, points):
        """Colours ("RRGGBB") of points of the player window's client area, as the screen shows."""

    @abstractmethod
    def song_font(self, number):
        """The font of song button `number`, as a program.Font."""

    @abstractmethod
    def menu_bar(self):
        """The player's menu bar and menus, as program.MenuItems in display order."""

    @abstractmethod
    def menu_open(self):
        """A menu of the player (a menu bar's menu or the window menu) is showing."""

    @abstractmethod
    def minimize(self):
        """Minimises the player window the way a user does, through its window menu."""

    @abstractmethod
    def restore(self): ...

    # --- Message boxes.
    @abstractmethod
    def boxes(self):
        """The program's message boxes on the screen, as Boxes."""

    @abstractmethod
    def press_box_ok(self, box): ...

    # --- Speech and sound.
    @abstractmethod
    def spoken(self):
        """Everything asked of the speech output since the start, as speech.SpeechEvents."""

    @abstractmethod
    def speech_used(self):
        """The speech output was touched at all (made, or tried)."""

    @abstractmethod
    def recording(self):
        """Starts recording what the program plays from now on; returns the audio.Recording."""

    @abstractmethod
    def kill_sound_server(self):
        """The session's sound server ends at once, as if it crashed."""

    @abstractmethod
    def restart_sound_server(self):
        """The sound server runs again at the same address (a recording started before it went
        ended with it: start another)."""

    # --- The help window and the folder dialog (None until the program has made them).
    @abstractmethod
    def help_window(self): ...

    @abstractmethod
    def help_caret(self):
        """(start, end) of the help text's selection, in characters; line ends count two."""

    @abstractmethod
    def folder_dialog(self): ...

    @abstractmethod
    def folder_tree(self):
        """The folder tree's nodes (TreeNodes), depth first in display order."""

    # --- Another program.
    @abstractmethod
    def open_other_program(self):
        """Opens another program's window over the whole player window."""

    @abstractmethod
    def other_program_active(self): ...

    @abstractmethod
    def close_other_program(self): ...

    # --- Evidence.
    @abstractmethod
    def leave_evidence(self, folder):
        """Writes what shows what went wrong into `folder`: a screenshot, the windows, the speech
        log, the recording and the program's output."""
