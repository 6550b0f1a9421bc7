#!/usr/bin/python3
"""Prints where the caret is in the focused text object of an application.

Usage: focused-text.py APP   (APP: a substring of the application's name)
Prints one line: the caret offset, a tab, the number of characters selected, a tab, and the line
the caret is on (without its line break); or nothing when no text object has the focus.
Run it with /usr/bin/python3, in the same D-Bus session as the application.
"""
import sys

import pyatspi

MAX_DEPTH = 40


def focused_text(accessible, depth):
    if accessible is None or depth > MAX_DEPTH:
        return None
    states = accessible.getState()
    if states.contains(pyatspi.STATE_FOCUSED) and accessible.getRole() == pyatspi.ROLE_TEXT:
        return accessible
    for index in range(accessible.childCount):
        found = focused_text(accessible.getChildAtIndex(index), depth + 1)
        if found is not None:
            return found
    return None


def main():
    wanted = sys.argv[1]
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        app = desktop.getChildAtIndex(index)
        if app is None or wanted not in (app.name or ""):
            continue
        found = focused_text(app, 0)
        if found is None:
            continue
        text = found.queryText()
        caret = text.caretOffset
        selected = 0
        for selection in range(text.getNSelections()):
            start, end = text.getSelection(selection)
            selected += end - start
        line, _, _ = text.getTextAtOffset(caret, pyatspi.TEXT_BOUNDARY_LINE_START)
        print(f"{caret}\t{selected}\t{line.rstrip(chr(10))}")
        return


if __name__ == "__main__":
    main()
