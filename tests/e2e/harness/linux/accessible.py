"""The player's windows as a screen reader sees them: the accessible tree that Qt gives AT-SPI.
Every read asks the program afresh (no cached names or states), so a wait sees changes at once.
The windows are told apart by what they hold: the player by its song buttons and menu bar, the
help window by its text, the folder dialog by its tree, a message box by its role."""
import os

from ..waiting import QueryFailed

_pyatspi = None


def connect(env):
    """Reads the program's tree on the session's accessibility bus from now on."""
    global _pyatspi
    for name in ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "XDG_RUNTIME_DIR"):
        os.environ[name] = env[name]
    import pyatspi
    _pyatspi = pyatspi


def _drain():
    """Handles what the bus sent meanwhile (the registry's notes of new and gone programs)."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


class Node:
    """One accessible object, read once: role, name, states, place on the screen."""

    def __init__(self, accessible):
        self.raw = accessible
        try:
            self.role = accessible.getRoleName()
            self.name = accessible.name or ""
        except Exception as error:
            raise QueryFailed(f"an accessible object went away: {error}") from None
        self._states = None

    @property
    def states(self):
        if self._states is None:
            try:
                self._states = {_pyatspi.stateToString(s) for s in self.raw.getState().getStates()}
            except Exception as error:
                raise QueryFailed(f"the states of {self.role} {self.name!r}: {error}") from None
        return self._states

    def children(self):
        try:
            kids = [self.raw.getChildAtIndex(i) for i in range(self.raw.childCount)]
        except Exception as error:
            raise QueryFailed(f"the children of {self.role} {self.name!r}: {error}") from None
        return [Node(kid) for kid in kids if kid is not None]

    def walk(self):
        yield self
        for child in self.children():
            yield from child.walk()

    def extents(self):
        """(left, top, width, height) on the screen."""
        try:
            box = self.raw.queryComponent().getExtents(_pyatspi.DESKTOP_COORDS)
        except Exception as error:
            raise QueryFailed(f"where {self.role} {self.name!r} is: {error}") from None
        return box.x, box.y, box.width, box.height

    def key_binding(self):
        try:
            action = self.raw.queryAction()
            return action.getKeyBinding(0) if action.nActions else ""
        except NotImplementedError:
            return ""
        except Exception as error:
            raise QueryFailed(f"the key of {self.role} {self.name!r}: {error}") from None

    def press(self):
        """What a screen reader's "press" does: the button's own click."""
        action = self.raw.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press"))

    def text(self):
        """The whole text, the caret and the selections, in characters."""
        try:
            text = self.raw.queryText()
            return text.getText(0, -1), text.caretOffset, [text.getSelection(i) for i in range(text.getNSelections())]
        except Exception as error:
            raise QueryFailed(f"the text of {self.role} {self.name!r}: {error}") from None

    @property
    def showing(self):
        return "showing" in self.states

    def __repr__(self):
        return f"{self.role} {self.name!r}"


def application(pid):
    """The program of this process on the accessibility bus, or None before it has joined."""
    _drain()
    try:
        desktop = _pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == pid:
                from gi.repository import Atspi
                app.set_cache_mask(Atspi.Cache.NONE)
                return app
    except Exception as error:
        raise QueryFailed(f"the accessible programs: {error}") from None
    return None


class Windows:
    """The program's top-level windows, sorted by kind."""

    def __init__(self, app):
        self.player = self.help = self.folder = None
        self.boxes = []
        for window in Node(app).children():
            if window.role == "alert":
                self.boxes.append(window)
                continue
            roles = {node.role for child in window.children() for node in [child, *child.children()]}
            if "menu bar" in roles:
                self.player = window
            elif "tree" in roles:
                self.folder = window
            elif "text" in roles:
                self.help = window

    def all(self):
        return [w for w in (self.player, self.help, self.folder) if w] + self.boxes


def find(window, role, name=None):
    return [n for n in window.walk() if n.role == role and (name is None or n.name == name)]
