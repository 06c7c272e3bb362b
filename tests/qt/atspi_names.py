#!/usr/bin/python3
"""Reads the accessible tree of a running program through AT-SPI, as a screen reader (Orca)
does, and checks that the expected (role, name) pairs are in it.

Usage: atspi_names.py APPLICATION 'ROLE=NAME' ...   (for example 'push button=1 さくら')
"""
import sys
import time

import pyatspi


def application(name, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == name:
                return app
        time.sleep(0.1)
    return None


def walk(node, seen):
    seen.add((node.getRoleName(), node.name))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, seen)


def main():
    name, expected = sys.argv[1], [tuple(arg.split("=", 1)) for arg in sys.argv[2:]]
    app = application(name)
    if app is None:
        print(f"no application {name!r} on the accessibility bus")
        return 1
    seen = set()
    walk(app, seen)
    missing = [pair for pair in expected if pair not in seen]
    for role, label in missing:
        print(f"missing: {role}={label}")
    if missing:
        print("seen:", *sorted(f"{r}={n}" for r, n in seen), sep="\n  ")
        return 1
    print(f"{len(expected)} accessible names found")
    return 0


if __name__ == "__main__":
    sys.exit(main())
