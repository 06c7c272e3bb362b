"""What the native player's windows show, read through AT-SPI (names, roles, states, places) and
the X server (pixels, a window manager's hints), turned into the verbs' terms. Without a window
manager a window has no frame: a window's place and size are those of its X window, menu bar
included, and its client area is the surface below the menu bar."""
from .. import program
from ..verbs import Box, FolderDialog, HelpWindow, Song, TreeNode, Window
from ..waiting import QueryFailed, wait_until
from . import accessible
from .accessible import Windows, find


class LinuxWindows:
    def _windows(self):
        if not self.running():
            return _NoWindows()
        app = accessible.application(self._process.pid)
        return Windows(app) if app is not None else _NoWindows()

    def _player(self):
        return self._windows().player

    @staticmethod
    def _surface(window):
        """The client area: the filler beside the menu bar."""
        return next(child for child in window.children() if child.role == "filler")

    def _window_facts(self, node, x_window=None):
        left, top, width, height = node.extents()
        surface = next((c for c in node.children() if c.role == "filler"), None)
        client = surface.extents()[2:] if surface else (width, height)
        hints = self.x.frame_hints(x_window) if x_window else (False, False, False, False)
        minimized = node.name == getattr(self, "_minimized_title", None) and self._is_minimized()
        return Window(node.name, left, top, (width, height), tuple(client), *hints, node.showing or minimized,
                      minimized)

    # --- The player window.
    def window(self):
        player = self._player() if self.running() else None
        if player is None or not (player.showing or self._is_minimized()):
            return None
        return self._window_facts(player, self._x_window(player.name))

    def _x_window(self, title):
        for window in self.x.windows_of(self._process.pid):
            try:
                if self.x.title(window) == title:
                    return window
            except QueryFailed:
                continue
        return None

    def _buttons(self):
        player = self._player()
        if player is None:
            return None, []
        surface = self._surface(player)
        return surface, [c for c in surface.children() if c.role == "push button"]

    def songs(self):
        surface, buttons = self._buttons()
        if not buttons:
            return []
        origin = surface.extents()[:2]
        songs = []
        for number, button in enumerate(buttons, 1):
            left, top, width, height = button.extents()
            songs.append(Song(number, button.name, left - origin[0], top - origin[1], width, height,
                              button.showing, "focusable" in button.states))
        return songs

    def focused_song(self):
        _, buttons = self._buttons()
        return next((n for n, b in enumerate(buttons, 1) if "focused" in b.states), 0)

    def active(self):
        if not self.running():
            return None
        windows = self._windows()
        names = [(windows.player, "player"), (windows.help, "help"), (windows.folder, "folder")]
        names += [(box, "box") for box in windows.boxes]
        return next((name for node, name in names if node is not None and "active" in node.states), None)

    def pixels(self, points):
        left, top = self._surface(self._player()).extents()[:2]
        return self.x.colours([(left + x, top + y) for x, y in points])

    @staticmethod
    def readable_menu(items):
        # Qt tells a screen reader an item's shortcut, or its access key when it has none: the
        # access key of an item with a shortcut cannot be read.
        return [item if not item.shortcut else
                program.MenuItem(item.depth, item.caption.replace("&", ""), *[getattr(item, f) for f in
                                 ("shortcut", "submenu", "separator", "enabled")]) for item in items]

    def song_font(self, number):
        raise NotImplementedError("AT-SPI does not tell a push button's font")

    def menu_bar(self):
        bar = next(c for c in self._player().children() if c.role == "menu bar")
        items = []
        for menu in bar.children():
            items.append(_menu_item(0, menu, True))
            popup = next((c for c in menu.children() if c.role == "popup menu"), None)
            for item in popup.children() if popup else []:
                items.append(_menu_item(1, item, item.role == "menu"))
        return items

    def menu_open(self):
        player = self._player()
        if player is None:
            return False
        bar = next(c for c in player.children() if c.role == "menu bar")
        return any(popup.showing for menu in bar.children() for popup in menu.children() if popup.role == "popup menu")

    def windows_left(self):
        if not self.running():
            return []
        return [f"{w.role} {w.name!r} showing={w.showing}" for w in self._windows().all()]

    # --- Message boxes.
    def boxes(self):
        boxes = []
        for box in self._windows().boxes:
            if not box.showing:
                continue
            parts = box.children()
            icon = any(part.role == "image" and part.showing for part in parts)
            text = next((part.name for part in parts if part.role == "label" and part.name), "")
            buttons = tuple(b.name for b in find(box, "push button"))
            boxes.append(Box(box.name, text, icon, buttons, box.raw))
        return boxes

    def press_box_ok(self, box):
        node = accessible.Node(box.handle)
        find(node, "push button", "OK")[0].press()
        # The box's window goes and X gives the keyboard to the screen: a window manager would
        # activate the window below, as Windows activates a box's owner.
        wait_until("the box to go", lambda: box.handle not in [b.handle for b in self.boxes()], 10)
        self._give_keys_to_program()

    @staticmethod
    def box_text(text):
        # A box shows each of the program's line ends ("\r\n" or a lone "\r") as a line break.
        return text.replace("\r\n", "\n").replace("\r", "\n")

    # --- The help window and the folder dialog.
    def help_window(self):
        helper = self._windows().help if self.running() else None
        if helper is None:
            return None
        button = find(helper, "push button")[0]
        text = find(helper, "text")[0]
        focus = "button" if "focused" in button.states else "text" if "focused" in text.states else None
        return HelpWindow(self._window_facts(helper), button.name, focus, text.text()[0].replace("\n", "\r\n"))

    def help_caret(self):
        text, caret, selections = find(self._windows().help, "text")[0].text()
        start, end = selections[0] if selections else (caret, caret)
        # Windows counts a line end as two characters.
        return start + text[:start].count("\n"), end + text[:end].count("\n")

    def folder_dialog(self):
        dialog = self._windows().folder if self.running() else None
        if dialog is None:
            return None
        tree = find(dialog, "tree")[0]
        buttons = find(dialog, "push button")
        focus = "tree" if "focused" in tree.states else next((b.name for b in buttons if "focused" in b.states), None)
        return FolderDialog(self._window_facts(dialog), tuple(b.name for b in buttons), focus)

    def folder_tree(self):
        tree = find(self._windows().folder, "tree")[0]
        cells = [c for c in tree.children() if c.role in ("table cell", "tree item")]
        lefts = [cell.extents()[0] for cell in cells]
        steps = sorted({b - a for a, b in zip(lefts, lefts[1:]) if b > a})
        indent, root = (steps[0] if steps else 1), (min(lefts) if lefts else 0)
        depths = [round((left - root) / indent) for left in lefts]
        nodes = []
        for i, cell in enumerate(cells):
            children = 0
            for depth in depths[i + 1:]:
                if depth <= depths[i]:
                    break
                children += depth == depths[i] + 1
            nodes.append(TreeNode(depths[i], cell.name, "selected" in cell.states, "expanded" in cell.states, children))
        return nodes

    # --- Mouse.
    def _click_node(self, node):
        left, top, width, height = node.extents()
        self.session.desktop.click(left + width // 2, top + height // 2)

    def click_song(self, number):
        self._give_keys_to_program()
        self._click_node(self._buttons()[1][number - 1])

    def click_folder_button(self, caption):
        self._click_node(find(self._windows().folder, "push button", caption)[0])

    def click_folder_close_box(self):
        # No window manager, no close box: the driver sends what the close box makes one send.
        self.x.ask_to_close(self._x_window(program.FOLDER_CAPTION))


class _NoWindows:
    player = help = folder = None
    boxes = []

    def all(self):
        return []


def _menu_item(depth, node, submenu):
    """A menu or an item, captioned as the program writes it: Qt names it without the "&" of its
    access key, and names the key in the item's key binding (Alt and the key, when the item
    has no shortcut), so the "&" goes back before that key's letter."""
    binding = node.key_binding()
    caption, shortcut = node.name, binding
    if binding.startswith("Alt+") and len(binding) == 5:
        caption = caption.replace(f"({binding[-1]})", f"(&{binding[-1]})", 1)
        shortcut = ""
    return program.MenuItem(depth, caption, shortcut, submenu, node.role == "separator", "enabled" in node.states)
