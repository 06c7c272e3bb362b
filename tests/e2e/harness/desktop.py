"""A private desktop for one test session: an X server of its own (Xvfb) and a sound server of
its own (PulseAudio with a null sink, whose monitor is recorded), with keyboard and mouse input
through xdotool. Nothing here knows which program runs on it; every platform that shows its
windows on X11 can use it."""
import os
import subprocess
from pathlib import Path

from .audio import Recording
from .children import ends_with_us, stop_all
from .underruns import SoundServerLog
from .waiting import wait_until

SCREEN = "1600x1600"    # 20 songs make the player 1320 pixels high
SINK = "otopicco_sink"

# The program's key names, as X11 key symbols. Keypad 8 and 2 are the keypad's arrows: with Num
# Lock on they arrive as the keypad's digits, with it off as Up and Down.
KEYSYMS = {
    "Enter": "Return", "Esc": "Escape", "Space": "space", "Keypad 8": "KP_Up", "Keypad 2": "KP_Down",
    "Keypad -": "KP_Subtract", "Keypad /": "KP_Divide", "Keypad +": "KP_Add",
}


def keysym(name):
    """"Shift+Tab" -> "shift+Tab", "Keypad 2" -> "KP_Down", "Ctrl+S" -> "ctrl+s"."""
    *modifiers, key = name.split("+") if name != "Keypad +" else ["Keypad +"]
    key = KEYSYMS.get(key, key.lower() if len(key) == 1 else key)
    return "+".join([m.lower() for m in modifiers] + [key])


class Desktop:
    def __init__(self, session_dir):
        self.dir = Path(session_dir)
        self.env = dict(os.environ)
        self._servers = []
        self._sound_starts = 0

    def start(self):
        try:
            self._start_x()
            self._start_sound()
        except BaseException:
            self.stop()
            raise
        return self

    def _start_x(self):
        read, write = os.pipe()
        # -displayfd lets Xvfb choose a free display itself, so parallel sessions cannot collide.
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", f"{SCREEN}x24", "-nolisten", "tcp"],
            pass_fds=(write,), stdout=self._log("xvfb.log"), stderr=subprocess.STDOUT, preexec_fn=ends_with_us)
        os.close(write)
        self._servers.append(xvfb)
        with os.fdopen(read) as answer:
            display = answer.readline().strip()
        if not display:
            raise RuntimeError(f"Xvfb did not start (see {self.dir / 'xvfb.log'})")
        self.env["DISPLAY"] = f":{display}"
        wait_until(f"the X display :{display}", lambda: self._quiet(["xdotool", "getdisplaygeometry"]), 15)

    def _start_sound(self):
        run = self.dir / "pulse"
        (run / ".config" / "pulse").mkdir(parents=True, exist_ok=True)
        # Nothing from /etc/pulse: an empty per-user daemon.conf wins over the system one, -n
        # skips default.pa, and the clients read an empty client.conf.
        (run / ".config" / "pulse" / "daemon.conf").write_text("")
        (run / "client.conf").write_text("")
        self.env.update(PULSE_RUNTIME_PATH=str(run), PULSE_SERVER=f"unix:{run}/native",
                        PULSE_CLIENTCONFIG=str(run / "client.conf"),
                        # With PulseAudio's default buffering the first second or so of every
                        # song Wine plays never reaches the sink.
                        PULSE_LATENCY_MSEC="30")
        env = dict(self.env, HOME=str(run), XDG_CONFIG_HOME=str(run / ".config"))
        # A sound server started again during the session logs anew: its clock starts at 0.
        self._sound_starts += 1
        log = "pulse.log" if self._sound_starts == 1 else f"pulse-{self._sound_starts}.log"
        self._sound_server = subprocess.Popen(
            # The debug log tells when a stream ran dry (see underruns.py). The server stays at
            # the session's priority instead of raising its own.
            ["pulseaudio", "--log-level=debug", "--log-time=1", "--high-priority=no", "--realtime=no",
             "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             "--disallow-exit", "-L", f"module-native-protocol-unix socket={run}/native auth-anonymous=1",
             "-L", f"module-null-sink sink_name={SINK}"],
            env=env, stdout=self._log(log), stderr=subprocess.STDOUT, preexec_fn=ends_with_us)
        self._servers.append(self._sound_server)
        wait_until("the PulseAudio null sink", lambda: SINK in self._output(["pactl", "list", "short", "sinks"]), 15)
        self._quiet(["pactl", "set-default-sink", SINK])
        self.sound_log = SoundServerLog(self.dir / log)
        self.sound_log.calibrate(self.env)

    # --- The sound server going away and coming back while the session runs.
    def sound_running(self):
        return self._sound_server.poll() is None

    def kill_sound(self):
        """The sound server ends at once, as if it crashed: its clients lose their streams."""
        self._sound_server.kill()
        self._sound_server.wait()
        self._servers.remove(self._sound_server)

    def restart_sound(self):
        """A sound server at the same address again, with its null sink."""
        assert not self.sound_running(), "the sound server still runs"
        self._start_sound()

    def stop(self):
        stop_all(self._servers)
        self._servers = []

    def _log(self, name):
        return open(self.dir / name, "ab")

    def _quiet(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def _output(self, command):
        return subprocess.run(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True).stdout

    def _xdotool(self, *args):
        done = subprocess.run(["xdotool", *args], env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.STDOUT, text=True)
        if done.returncode != 0:
            raise RuntimeError(f"xdotool {' '.join(args)} failed: {done.stdout}")

    # --- Input, in the program's key names.
    def keys(self, *names, delay_ms=60):
        self._xdotool("key", "--delay", str(delay_ms), *map(keysym, names))

    def key_down(self, name):
        self._xdotool("keydown", keysym(name))

    def key_up(self, name):
        self._xdotool("keyup", keysym(name))

    def input_focus(self):
        """The X11 window that keys go to."""
        return int(self._output(["xdotool", "getwindowfocus"]).strip() or 0)

    def give_input_focus(self, window):
        self._xdotool("windowfocus", "--sync", str(window))

    def click(self, x, y):
        self._xdotool("mousemove", str(x), str(y), "click", "1")

    def num_lock(self, on):
        if not self._quiet(["numlockx", "on" if on else "off"]):
            raise RuntimeError("numlockx failed")

    # --- Output.
    def recording(self, path):
        return Recording(path, f"{SINK}.monitor", self.env, self.sound_log)

    def screenshot(self, path):
        self._quiet(["import", "-window", "root", str(path)])
