#!/usr/bin/python3
"""Prints the accessibility tree of the running applications, one object a line.

Usage: atspi-dump.py [APP]   (APP: only applications whose name contains it)
Each line: two spaces per level, the role, the name in single quotes, then [states].
Run it with /usr/bin/python3, in the same D-Bus session as the applications.
"""
import sys

import pyatspi

MAX_DEPTH = 40


def states_of(accessible):
    try:
        return sorted(pyatspi.stateToString(s) for s in accessible.getState().getStates())
    except Exception as error:  # a dying object: show why instead of stopping the dump
        return [f"error: {error}"]


def walk(accessible, depth, out):
    if accessible is None or depth > MAX_DEPTH:
        return
    name = accessible.name or ""
    out.write(f"{'  ' * depth}{accessible.getRoleName()} '{name}' [{', '.join(states_of(accessible))}]\n")
    for index in range(accessible.childCount):
        walk(accessible.getChildAtIndex(index), depth + 1, out)


def main():
    wanted = sys.argv[1] if len(sys.argv) > 1 else ""
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is not None and wanted in (app.name or ""):
            walk(app, 0, sys.stdout)


if __name__ == "__main__":
    main()
