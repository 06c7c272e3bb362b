"""Steps for the player's menus, its help window and its folder dialog, built on the verbs and
driven from the keyboard the way a sighted adult uses them."""
from . import program
from .waiting import wait_until


class DialogSteps:
    # --- Menus.
    def open_menu(self, access_key, *keys):
        """Opens a menu of the menu bar with Alt and its access key, waits for it, then types
        the keys that choose the item."""
        self.wait_active("player")
        self.keys(f"Alt+{access_key}")
        wait_until(f"the menu of Alt+{access_key}", self.menu_open, 10)
        if keys:
            self.keys(*keys)

    # --- The help window.
    def help_shown(self):
        helper = self.help_window()
        return helper is not None and helper.window.shown

    def help_hidden(self):
        helper = self.help_window()
        return helper is not None and not helper.window.shown

    def open_help(self):
        """Alt+H, A; waits until the help window is shown and active."""
        self.open_menu("H", "A")
        wait_until("the help window", self.help_shown, 15)
        self.wait_active("help")
        return self.help_window()

    def help_focus(self):
        return self.help_window().focus

    # --- The folder dialog.
    def folder_shown(self):
        dialog = self.folder_dialog()
        return dialog is not None and dialog.window.shown

    def open_folder_dialog(self):
        """Ctrl+O in the player; waits until the dialog is shown and active (keys typed before
        that can be lost)."""
        self.keys("Ctrl+O")
        wait_until("the folder dialog", self.folder_shown, 10)
        self.wait_active("folder")
        dialog = self.folder_dialog()
        assert len(dialog.buttons) == 3, f"the folder dialog should have 3 buttons: {dialog}"
        return dialog

    def open_folder_dialog_while_playing(self, recording):
        """Ctrl+O while a song plays: the song stops and stays stopped while the dialog is open."""
        self.open_folder_dialog()
        recording.wait_class("silent", 3, "Ctrl+O stops the song")
        recording.stays("silent", 1, "the song stays stopped while the dialog is open")

    def wait_folder_closed(self, how):
        wait_until(f"the folder dialog to close ({how})", lambda: not self.folder_shown(), 10)

    def folder_focus(self):
        return self.folder_dialog().focus

    def selected_folder(self):
        return next((node for node in self.folder_tree() if node.selected), None)

    def selected_label(self):
        node = self.selected_folder()
        return node.label if node else None

    def focus_folder_tree(self):
        """Tab until the tree has the focus. The dialog comes back with the focus on the control
        that had it when it closed (a clicked button, say)."""
        for _ in range(4):
            before = self.folder_focus()
            if before == "tree":
                return
            self.keys("Tab")
            self.wait_for(f"the focus to leave {before}", self.folder_focus, lambda now: now != before, 5)
        assert self.folder_focus() == "tree", "Tab does not reach the folder tree"

    def select_folder(self, label, timeout=5):
        """Moves the tree's selection with Home and Down until the node `label` is selected;
        every step waits (up to `timeout` seconds) for the selection to move."""
        self.focus_folder_tree()
        self.keys("Home")
        self.wait_for("the tree's first node selected", lambda: getattr(self.selected_folder(), "depth", None), 0,
                      timeout)
        for _ in range(40):
            before = self.selected_label()
            if before == label:
                return
            self.keys("Down")
            self.wait_for(f"the selection to move from {before}", self.selected_label, lambda now: now != before,
                          timeout)
        assert self.selected_label() == label, f"cannot select {label!r} in the folder tree: {self.folder_tree()}"

    def captions(self):
        return [song.caption for song in self.songs()]

    def expect_rebuilt(self, names):
        """After OK on a folder: exactly its songs, captioned from these names, in the column and
        the window sized for them; the player active again with song 1 focused. Returns the
        names in button order."""
        self.wait_for(f"{len(names)} song buttons", lambda: len(self.songs()), len(names))
        order = self.match_captions(names)
        self.expect_song_layout()
        self.expect_outer_size(len(names))
        self.wait_active("player")
        self.wait_focus(1)
        return order

    def expect_back(self, focused, captions):
        """After the dialog closed without a new folder: the player active, song `focused` with
        the focus again and the buttons those of before."""
        self.wait_active("player")
        self.wait_focus(focused)
        assert self.captions() == captions, "the song buttons changed"
