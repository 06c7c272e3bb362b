"""What a window manager would do for the scenarios, done by the driver: there is none under
Xvfb. It hands the keyboard to the program's window that should have it when none of the
program's windows has it (after a closed window gave the X focus back to the screen), activates
the player for a click on its title bar, minimises and restores by unmapping and mapping the
window, and gives a new window of another program the keyboard. Each time the keyboard had to
be handed back to the program is noted in the session's focus.log."""
import subprocess

from ..children import ends_with_us
from ..waiting import wait_until


class WindowManagerSteps:
    def _give_keys_to_program(self):
        """When a window of the program closes, X gives the keyboard back to the screen, and a
        window manager would hand it to the window below: here the driver hands it to the
        program's topmost window."""
        if not self.running() or self._other is not None:
            return
        mine = self.x.windows_of(self._process.pid)
        if not mine:
            return
        focus = self.x.input_focus()
        if focus in mine:
            return
        try:
            wait_until("the X focus on a window of the program", lambda: self.x.input_focus() in mine, 0.3)
            return
        except AssertionError:
            pass
        window = mine[-1]
        self.session.desktop.give_input_focus(window)
        with open(self.session.dir / "focus.log", "a") as log:
            log.write(f"X focus handed from {focus:#x} to {window:#x} {self.x.title(window)!r}\n")

    def click_player_title(self):
        # A window manager raises and activates a window whose title bar is clicked.
        window = self._x_window(self._player_title())
        subprocess.run(["xdotool", "windowraise", str(window)], env=self.session.env, check=True)
        self.session.desktop.give_input_focus(window)

    def minimize(self):
        window = self._x_window(self._player_title())
        subprocess.run(["xdotool", "windowminimize", "--sync", str(window)], env=self.session.env, check=False)
        self._unmap(window)
        self._minimized, self._minimized_title = window, self._player_title()
        self.wait_for("the player minimised", lambda: self.window() is None or self.window().minimized, True)

    def restore(self):
        window = self._minimized
        subprocess.run(["xdotool", "windowmap", "--sync", str(window)], env=self.session.env, check=True)
        subprocess.run(["xdotool", "windowraise", str(window)], env=self.session.env, check=True)
        self.session.desktop.give_input_focus(window)
        self.wait_for("the player restored", lambda: self.window() is not None and not self.window().minimized, True)
        self._minimized = None

    def _is_minimized(self):
        """The window the driver minimised is still unmapped."""
        return self._minimized is not None and self.x.map_state(self._minimized) != "IsViewable"

    def _unmap(self, window):
        subprocess.run(["xdotool", "windowunmap", "--sync", str(window)], env=self.session.env, check=True)

    # --- Another program: an X client's window put over the whole player window.
    def open_other_program(self):
        process = subprocess.Popen(["xmessage", "-geometry", "420x1400+300+80", "another program"],
                                   env=self.session.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   preexec_fn=ends_with_us)
        window = wait_until("the other program's window", lambda: next(iter(self.x.windows_of(process.pid)), None)
                            or self._xmessage_window(), 20)
        self._other = (process, window)
        # A window manager activates a new window.
        self.session.desktop.give_input_focus(window)
        wait_until("the other program to have the keyboard", self.other_program_active, 10)

    def _xmessage_window(self):
        done = subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "Xmessage"], env=self.session.env,
                              stdout=subprocess.PIPE, text=True)
        return next((int(w) for w in done.stdout.split()), None)

    def other_program_active(self):
        """The other program has the keyboard, and the player knows it is no longer active."""
        return self._other is not None and self.x.input_focus() == self._other[1] and self.active() != "player"

    def close_other_program(self):
        if self._other is None:
            return
        process, _ = self._other
        if process.poll() is None:
            process.terminate()
            process.wait(timeout=20)
        self._other = None
