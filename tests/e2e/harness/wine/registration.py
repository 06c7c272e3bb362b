"""The speech stand-ins' registration in the test prefix. Every change (stand-ins in, stand-ins
out) is one registry file imported by one reg.exe, since each Wine process costs the best part
of a second on a loaded machine. A class that Wine has a registration of its own for (SpVoice) is
saved the first time a stand-in takes its place and put back when the stand-in goes."""
import shutil

FOLDER = r"C:\otopicco-test"
_ROOTS = {"HKCR": "HKEY_CLASSES_ROOT", "HKLM": "HKEY_LOCAL_MACHINE", "HKCU": "HKEY_CURRENT_USER"}
_HEADER = "Windows Registry Editor Version 5.00"


def _full(key):
    root, _, rest = key.partition("\\")
    return f"{_ROOTS.get(root.upper(), root)}\\{rest}"


def _quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def _server(stand_in):
    return f"{stand_in.key}\\InprocServer32"


def _wines_own(session, stand_in):
    """Where Wine's own registration of the class is kept in the prefix."""
    return session.prefix / "drive_c" / "otopicco-test" / f"{stand_in.name}-wine.reg"


def _added(session, stand_in, dll_path):
    """The lines that register `stand_in`, its DLL copied into the prefix and Wine's own class
    saved first where there is one."""
    shutil.copyfile(dll_path, session.prefix / "drive_c" / "otopicco-test" / stand_in.dll)
    saved = _wines_own(session, stand_in)
    if stand_in.replaces_wine and not saved.exists():
        if stand_in.dll in session.reg_query(_server(stand_in)):
            raise RuntimeError(f"{stand_in.name}: the stand-in is registered, Wine's own class was never saved")
        session.reg("export", _server(stand_in), f"{FOLDER}\\{saved.name}", "/y")
    values = [(_server(stand_in), None, f"{FOLDER}\\{stand_in.dll}"),
              (_server(stand_in), "ThreadingModel", stand_in.threading), *stand_in.extra]
    lines, key_now = [], None
    for key, name, data in values:
        if key != key_now:
            lines += ["", f"[{_full(key)}]"]
            key_now = key
        lines.append(f"{'@' if name is None else _quoted(name)}={_quoted(data)}")
    return lines


def _removed(session, stand_in):
    """The lines that remove `stand_in` (harmless when it is not registered) and put Wine's own
    class back where the stand-in took its place."""
    keys = {key for key, _, _ in stand_in.extra}
    saved = _wines_own(session, stand_in)
    if not stand_in.replaces_wine:
        keys.add(stand_in.key)
    elif saved.exists():
        keys.add(_server(stand_in))
    lines = [""] + [f"[-{_full(key)}]" for key in sorted(keys)
                    if not any(key.startswith(f"{other}\\") for other in keys)]
    if stand_in.replaces_wine and saved.exists():
        wines = saved.read_bytes().decode("utf-16").replace("\r", "").split("\n")
        lines += [line for line in wines if line != _HEADER]
    return lines


def change(session, add=(), remove=()):
    """Registers the stand-ins of `add` ((stand-in, DLL path) pairs) and removes those of
    `remove`, in one import; then runs the added stand-ins' checks."""
    (session.prefix / "drive_c" / "otopicco-test").mkdir(exist_ok=True)
    lines = [_HEADER]
    for stand_in in remove:
        lines += _removed(session, stand_in)
    for stand_in, dll_path in add:
        lines += _added(session, stand_in, dll_path)
    changes = session.prefix / "drive_c" / "otopicco-test" / "stand-ins.reg"
    changes.write_bytes(("\r\n".join(lines) + "\r\n").encode("utf-16"))
    session.reg("import", f"{FOLDER}\\{changes.name}")
    for stand_in, _ in add:
        if stand_in.check:
            stand_in.check(session)
