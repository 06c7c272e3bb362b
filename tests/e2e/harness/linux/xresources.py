"""The X resources a process holds on the session's X server, read through the X-Resource
extension (libXRes): the server tells which of its clients belongs to which process, and how
many windows, graphics contexts, pixmaps, pictures, fonts... each client holds, and the bytes of
its pixmaps."""
import ctypes

from ..waiting import QueryFailed

_X11 = ctypes.CDLL("libX11.so.6")
_XRES = ctypes.CDLL("libXRes.so.1")
_PID_MASK = 1 << 1          # XRES_CLIENT_ID_PID_MASK


class _Spec(ctypes.Structure):
    _fields_ = [("client", ctypes.c_ulong), ("mask", ctypes.c_uint)]


class _IdValue(ctypes.Structure):
    _fields_ = [("spec", _Spec), ("length", ctypes.c_long), ("value", ctypes.c_void_p)]


class _Type(ctypes.Structure):
    _fields_ = [("resource_type", ctypes.c_ulong), ("count", ctypes.c_uint)]


_X11.XOpenDisplay.restype = ctypes.c_void_p
_X11.XOpenDisplay.argtypes = [ctypes.c_char_p]
_X11.XCloseDisplay.argtypes = [ctypes.c_void_p]
_X11.XGetAtomName.restype = ctypes.c_void_p
_X11.XGetAtomName.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
_X11.XFree.argtypes = [ctypes.c_void_p]
_XRES.XResQueryClientIds.argtypes = [ctypes.c_void_p, ctypes.c_long, ctypes.POINTER(_Spec),
                                     ctypes.POINTER(ctypes.c_long), ctypes.POINTER(ctypes.POINTER(_IdValue))]
_XRES.XResGetClientPid.argtypes = [ctypes.POINTER(_IdValue)]
_XRES.XResGetClientPid.restype = ctypes.c_int
_XRES.XResClientIdsDestroy.argtypes = [ctypes.c_long, ctypes.POINTER(_IdValue)]
_XRES.XResQueryClientResources.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_int),
                                           ctypes.POINTER(ctypes.POINTER(_Type))]
_XRES.XResQueryClientPixmapBytes.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong)]


def _clients_of(display, pid):
    """The resource bases of the X clients (connections) of process `pid`."""
    spec = _Spec(0, _PID_MASK)
    count, ids = ctypes.c_long(), ctypes.POINTER(_IdValue)()
    # Unlike the older requests, this one answers Success (0) when it succeeds.
    if _XRES.XResQueryClientIds(display, 1, ctypes.byref(spec), ctypes.byref(count), ctypes.byref(ids)) != 0:
        raise QueryFailed("the X server does not tell its clients' processes")
    try:
        found = [ids[i].spec.client for i in range(count.value) if _XRES.XResGetClientPid(ctypes.byref(ids[i])) == pid]
    finally:
        _XRES.XResClientIdsDestroy(count, ids)
    return sorted(set(found))


def _atom_name(display, atom):
    pointer = _X11.XGetAtomName(display, atom)
    try:
        return ctypes.string_at(pointer).decode()
    finally:
        _X11.XFree(pointer)


def x_resources(display_name, pid):
    """{"x windows": 3, "x pixmaps": 10, ..., "x pixmap bytes": 123456} for the process."""
    display = _X11.XOpenDisplay(display_name.encode())
    if not display:
        raise QueryFailed(f"cannot open the X display {display_name}")
    try:
        clients = _clients_of(display, pid)
        if not clients:
            raise QueryFailed(f"the process {pid} has no X client")
        figures = {"x pixmap bytes": 0}
        for client in clients:
            count, types = ctypes.c_int(), ctypes.POINTER(_Type)()
            if not _XRES.XResQueryClientResources(display, client, ctypes.byref(count), ctypes.byref(types)):
                raise QueryFailed("the X server does not tell the client's resources")
            try:
                for i in range(count.value):
                    name = "x " + _atom_name(display, types[i].resource_type).lower()
                    figures[name] = figures.get(name, 0) + types[i].count
            finally:
                _X11.XFree(types)
            pixmap_bytes = ctypes.c_ulong()
            _XRES.XResQueryClientPixmapBytes(display, client, ctypes.byref(pixmap_bytes))
            figures["x pixmap bytes"] += pixmap_bytes.value
        return figures
    finally:
        _X11.XCloseDisplay(display)
