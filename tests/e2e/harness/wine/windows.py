"""What the player's windows show under Wine, read by probe.exe and turned into the verbs'
terms. Everything Win32 stays here: window handles, class names, styles, font faces, menus."""
from .. import program
from ..verbs import Box, FolderDialog, HelpWindow, Song, TreeNode, Window
from ..waiting import wait_until
from .probe import ProbeError

BOX_CLASS = "#32770"
MENU_CLASS = "#32768"
WS_THICKFRAME, WS_MAXIMIZEBOX, WS_MINIMIZEBOX, WS_SYSMENU = 0x40000, 0x10000, 0x20000, 0x80000
# The platform's faces for the program's font roles, after the prefix's font replacements.
FONT_ROLES = {"ＭＳ ゴシック": "song button"}
CHARSETS = {128: "japanese"}
WEIGHTS = {400: "normal", 700: "bold"}


def _size(text):
    width, height = text.split("x")
    return int(width), int(height)


class WineWindows:
    def _forget_windows(self):
        self._player_hwnd = self._help_hwnd = self._folder_hwnd = None

    def _records(self, kind, *words):
        return [values for k, values in self.session.probe.ask(*words) if k == kind]

    def _all_windows(self):
        return self._records("window", "windows")

    def _program_windows(self):
        return [w for w in self._all_windows() if w["exe"] == self._exe_name and w["class"] != "IME"]

    def _player(self):
        """The player window: the first window the program shows that is no message box."""
        if self._player_hwnd is None and self._exe_name:
            self._player_hwnd = next((w["hwnd"] for w in self._program_windows()
                                      if w["visible"] == "1" and w["class"] != BOX_CLASS), None)
        return self._player_hwnd

    def _find_other_windows(self):
        """The help window holds the text box, the folder dialog the folder tree."""
        if (self._help_hwnd and self._folder_hwnd) or not self._player():
            return
        for w in self._program_windows():
            if w["hwnd"] == self._player_hwnd or w["class"] == BOX_CLASS:
                continue
            classes = {c["class"] for c in self._controls(w["hwnd"])}
            if "Edit" in classes:
                self._help_hwnd = w["hwnd"]
            elif "SysTreeView32" in classes:
                self._folder_hwnd = w["hwnd"]

    def _controls(self, hwnd, cls=None):
        try:
            controls = self._records("control", "children", hwnd)
        except ProbeError:
            return []
        return [c for c in controls if cls is None or c["class"] == cls]

    def _focus(self, hwnd):
        """The focused and the active window of the thread of `hwnd`."""
        return self._records("focus", "focus", hwnd)[0]

    def _window_facts(self, hwnd):
        w = next((w for w in self._all_windows() if w["hwnd"] == hwnd), None)
        if w is None:
            return None
        try:
            rect = self._records("rect", "rect", hwnd)[0]
        except ProbeError:
            return None
        left, top = map(int, w["rect"].split(",")[:2])
        style = int(w["style"], 16)
        return Window(w["title"], left, top, _size(rect["outer_size"]), _size(rect["client_size"]),
                      bool(style & WS_THICKFRAME), bool(style & WS_MINIMIZEBOX), bool(style & WS_MAXIMIZEBOX),
                      bool(style & WS_SYSMENU), w["visible"] == "1", w["minimized"] == "1")

    def _rect(self, hwnd):
        rect = self._records("rect", "rect", hwnd)[0]
        origin = tuple(map(int, rect["client_origin"].split(",")))
        return tuple(map(int, rect["outer"].split(","))), origin

    # --- The player window.
    def window(self):
        hwnd = self._player()
        return self._window_facts(hwnd) if hwnd else None

    def _song_buttons(self):
        hwnd = self._player()
        return self._controls(hwnd, "Button") if hwnd else []

    def songs(self):
        return [Song(i + 1, c["text"], int(c["left"]), int(c["top"]), int(c["width"]), int(c["height"]),
                     c["visible"] == "1", c["tabstop"] == "1") for i, c in enumerate(self._song_buttons())]

    def focused_song(self):
        buttons = [c["hwnd"] for c in self._song_buttons()]
        try:
            focus = self._focus(self._player())["focus"] if buttons else None
        except ProbeError:
            return 0
        return buttons.index(focus) + 1 if focus in buttons else 0

    def _foreground(self):
        """The desktop's foreground window: the one that keys go to. A window can be active in its
        own thread while the desktop has no foreground window (after another program closed, or
        while an activation is still on its way), and keys typed then are lost."""
        return self._records("foreground", "foreground")[0]

    def active(self):
        if not self._player():
            return None
        try:
            foreground = self._foreground()
        except ProbeError:
            return None
        self._find_other_windows()
        hwnd = foreground["foreground"]
        names = {self._player_hwnd: "player", self._help_hwnd: "help", self._folder_hwnd: "folder"}
        if hwnd in names:
            return names[hwnd]
        if foreground.get("foreground_class") == BOX_CLASS and hwnd in [box.handle for box in self.boxes()]:
            return "box"
        return None if hwnd == "none" else f"other ({foreground.get('foreground_class')} {foreground.get('foreground_text')!r})"

    def pixels(self, points):
        words = [str(v) for point in points for v in point]
        return [p["rgb"] for p in self._records("pixel", "clientpixel", self._player(), *words)]

    def song_font(self, number):
        font = self._records("font", "font", self._song_buttons()[number - 1]["hwnd"])[0]
        height, weight, charset = int(font["height"]), int(font["weight"]), int(font["charset"])
        return program.Font(FONT_ROLES.get(font["face"], f"face {font['face']}"),
                            -height if height < 0 else f"cell height {height}",
                            WEIGHTS.get(weight, f"weight {weight}"), CHARSETS.get(charset, f"charset {charset}"),
                            int(font["dpi"]))

    def menu_bar(self):
        items = []
        for item in self._records("item", "menu", self._player()):
            caption, _, shortcut = item["text"].partition("\t")
            items.append(program.MenuItem(int(item["depth"]), caption, shortcut, item["submenu"] == "1",
                                          item["separator"] == "1", item["disabled"] == "0"))
        return items

    def menu_open(self):
        return any(w["class"] == MENU_CLASS and w["visible"] == "1" for w in self._all_windows())

    def _window_menu(self, key):
        self.keys("Alt+Space")
        wait_until("the window menu", self.menu_open, 10)
        self.keys(key)

    def minimize(self):
        self._window_menu("N")
        self.wait_for("the player minimised", lambda: self.window().minimized, True)

    def restore(self):
        self._window_menu("R")
        self.wait_for("the player restored", lambda: self.window().minimized, False)

    def request_close(self):
        if not self._player():
            raise ProbeError("the player window is not there to close")
        # Posted as the close box does; asked again if the probe stumbles on a loaded machine.
        wait_until("the close request", lambda: self._try(lambda: self.session.probe.ask("close", self._player())), 10)

    @staticmethod
    def _try(action):
        try:
            action()
            return True
        except ProbeError:
            return False

    def windows_left(self):
        if not self._exe_name:
            return []
        return [f"{w['class']} {w['title']!r} visible={w['visible']}" for w in self._program_windows()]

    # --- Message boxes.
    def boxes(self):
        return [Box(b["title"], b["text"], b["icon"] == "1", tuple(b["buttons"].split("|")), b["hwnd"])
                for b in self._records("box", "boxes") if b["exe"] == self._exe_name]

    def press_box_ok(self, box):
        self.session.probe.ask("press", box.handle)

    # --- The help window and the folder dialog.
    def _help(self):
        self._find_other_windows()
        return self._help_hwnd

    def help_window(self):
        hwnd = self._help()
        if not hwnd:
            return None
        facts = self._window_facts(hwnd)
        controls = self._controls(hwnd)
        button = next(c for c in controls if c["class"] == "Button")
        edit = next(c for c in controls if c["class"] == "Edit")
        focus = self._focus(hwnd)["focus"]
        where = {button["hwnd"]: "button", edit["hwnd"]: "text"}.get(focus)
        return HelpWindow(facts, button["text"], where, edit["text"])

    def help_caret(self):
        edit = self._controls(self._help(), "Edit")[0]
        selection = self._records("selection", "selection", edit["hwnd"])[0]
        return int(selection["start"]), int(selection["end"])

    def folder_dialog(self):
        self._find_other_windows()
        hwnd = self._folder_hwnd
        if not hwnd:
            return None
        controls = self._controls(hwnd)
        names = {c["hwnd"]: ("tree" if c["class"] == "SysTreeView32" else c["text"]) for c in controls}
        buttons = tuple(c["text"] for c in controls if c["class"] == "Button")
        return FolderDialog(self._window_facts(hwnd), buttons, names.get(self._focus(hwnd)["focus"]))

    def folder_tree(self):
        tree = self._controls(self._folder_hwnd, "SysTreeView32")[0]
        return [TreeNode(int(n["depth"]), n["text"], n["selected"] == "1", n["expanded"] == "1", int(n["children"]))
                for n in self._records("node", "tree", tree["hwnd"])]

    # --- Mouse.
    def click_song(self, number):
        song = self.songs()[number - 1]
        _, (x, y) = self._rect(self._player())
        self.session.desktop.click(x + song.left + song.width // 2, y + song.top + song.height // 2)

    def click_player_title(self):
        (left, top, _, _), _ = self._rect(self._player())
        self.session.desktop.click(left + 100, top + 10)

    def click_folder_button(self, caption):
        button = next(c for c in self._controls(self._folder_hwnd, "Button") if c["text"] == caption)
        _, (x, y) = self._rect(self._folder_hwnd)
        self.session.desktop.click(x + int(button["left"]) + int(button["width"]) // 2,
                                   y + int(button["top"]) + int(button["height"]) // 2)

    def click_folder_close_box(self):
        # The close box sits at the right end of the title bar, above the client area.
        (_, top, right, _), (_, client_top) = self._rect(self._folder_hwnd)
        self.session.desktop.click(right - 14, (top + client_top) // 2)
