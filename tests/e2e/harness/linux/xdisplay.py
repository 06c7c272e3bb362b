"""What the X server knows of the player's windows: pixels as the screen shows them, which window
has the keyboard, and the hints a window manager reads (fixed size, which title-bar buttons).
Pixels come from Xlib through ctypes: one small image per point, no screenshot of the screen."""
import ctypes
import re
import subprocess

from ..waiting import QueryFailed

_ZPIXMAP = 2
_ALL_PLANES = ctypes.c_ulong(0xFFFFFFFF)
# _MOTIF_WM_HINTS: flags, functions, decorations, ...
_MWM_HINTS_FUNCTIONS, _MWM_HINTS_DECORATIONS = 1, 2
_MWM_FUNC_ALL, _MWM_FUNC_RESIZE, _MWM_FUNC_MINIMIZE, _MWM_FUNC_MAXIMIZE = 1, 2, 8, 16
_MWM_DECOR_ALL, _MWM_DECOR_MENU = 1, 16


_CLIENT_MESSAGE, _NO_EVENT_MASK = 33, 0


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


class XDisplay:
    def __init__(self, env):
        self.env = env
        self._x = ctypes.CDLL("libX11.so.6")
        self._x.XOpenDisplay.restype = ctypes.c_void_p
        self._x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._x.XDefaultRootWindow.restype = ctypes.c_ulong
        self._x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self._x.XGetImage.restype = ctypes.c_void_p
        self._x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                      ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self._x.XGetPixel.restype = ctypes.c_ulong
        self._x.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self._x.XInternAtom.restype = ctypes.c_ulong
        self._x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
        self._x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                       ctypes.POINTER(_ClientMessage)]
        self._x.XFlush.argtypes = [ctypes.c_void_p]
        self._x.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._display = self._x.XOpenDisplay(env["DISPLAY"].encode())
        if not self._display:
            raise RuntimeError(f"cannot open the X display {env['DISPLAY']}")
        self._root = self._x.XDefaultRootWindow(self._display)

    def close(self):
        if self._display:
            self._x.XCloseDisplay(self._display)
            self._display = None

    def colours(self, points):
        """"RRGGBB" of each (x, y) of the screen, as it shows now."""
        colours = []
        for x, y in points:
            image = self._x.XGetImage(self._display, self._root, x, y, 1, 1, _ALL_PLANES, _ZPIXMAP)
            if not image:
                raise QueryFailed(f"no pixel at {x},{y}")
            pixel = self._x.XGetPixel(image, 0, 0)
            _destroy(image)
            colours.append(f"{pixel & 0xFFFFFF:06X}")
        return colours

    def ask_to_close(self, window):
        """What a window manager sends when the title bar's close button is clicked."""
        protocols = self._x.XInternAtom(self._display, b"WM_PROTOCOLS", 0)
        delete = self._x.XInternAtom(self._display, b"WM_DELETE_WINDOW", 0)
        message = _ClientMessage(type=_CLIENT_MESSAGE, send_event=1, window=window, message_type=protocols, format=32)
        message.data[0], message.data[1] = delete, 0    # CurrentTime
        self._x.XSendEvent(self._display, window, 0, _NO_EVENT_MASK, ctypes.byref(message))
        self._x.XFlush(self._display)

    # --- Through the X tools: seldom asked, so a process each time is cheap enough.
    def _run(self, *command):
        done = subprocess.run(command, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if done.returncode != 0:
            raise QueryFailed(f"{' '.join(command)}: {done.stdout.strip()}")
        return done.stdout

    def windows_of(self, pid):
        """The program's mapped top-level X windows (Qt names its process in _NET_WM_PID)."""
        try:
            out = self._run("xdotool", "search", "--onlyvisible", "--pid", str(pid))
        except QueryFailed:
            return []
        return [int(w) for w in out.split()]

    def title(self, window):
        return self._run("xdotool", "getwindowname", str(window)).rstrip("\n")

    def input_focus(self):
        return int(self._run("xdotool", "getwindowfocus", "-f").strip() or 0)

    def frame_hints(self, window):
        """(resizable, can minimise, can maximise, has a window menu) as a window manager reads
        them from WM_NORMAL_HINTS (a minimum size equal to the maximum is a fixed size) and
        _MOTIF_WM_HINTS (the functions and decorations the window allows)."""
        props = self._run("xprop", "-id", str(window), "WM_NORMAL_HINTS", "_MOTIF_WM_HINTS")
        minimum = re.search(r"minimum size: (\d+) by (\d+)", props)
        maximum = re.search(r"maximum size: (\d+) by (\d+)", props)
        fixed = bool(minimum and maximum and minimum.groups() == maximum.groups())
        motif = re.search(r"_MOTIF_WM_HINTS\(_MOTIF_WM_HINTS\) = ([\w, ]+)", props)
        flags, functions, decorations = ([int(v, 0) for v in motif[1].split(",")[:3]] if motif else (0, 0, 0))
        if not flags & _MWM_HINTS_FUNCTIONS:
            functions = _MWM_FUNC_ALL
        if not flags & _MWM_HINTS_DECORATIONS:
            decorations = _MWM_DECOR_ALL

        def allows(bit):        # with the ALL bit set, the bits name what is left out
            return bool(functions & bit) != bool(functions & _MWM_FUNC_ALL)

        menu = bool(decorations & _MWM_DECOR_MENU) != bool(decorations & _MWM_DECOR_ALL)
        return (not fixed and allows(_MWM_FUNC_RESIZE), allows(_MWM_FUNC_MINIMIZE), allows(_MWM_FUNC_MAXIMIZE), menu)

    def map_state(self, window):
        out = self._run("xwininfo", "-id", str(window))
        return re.search(r"Map State: (\w+)", out)[1]


def _destroy(image):
    # XDestroyImage is a macro of Xlib.h: for an image Xlib made it frees the pixel data (the
    # pointer after XImage's first four ints) and the structure, both malloc'ed.
    data = ctypes.c_void_p.from_address(image + 16).value
    libc = ctypes.CDLL(None)
    libc.free.argtypes = [ctypes.c_void_p]
    libc.free(data)
    libc.free(ctypes.c_void_p(image))
