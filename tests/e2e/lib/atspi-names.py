#!/usr/bin/python3
"""Checks that every control a screen reader can land on has a name of its own.

Usage: atspi-names.py APP   (APP: the application's name in the accessibility tree)
Walks every window of APP, shown or hidden parts alike, and prints one line per fault:
  - a focusable control without a name;
  - a focusable control labelled by a label whose text is not its name (the dealer's cards
    labelled "Player", a button labelled by a message box's text);
  - a focusable control named after a label that labels another control;
  - two focusable controls side by side (same parent) with the same name.
List rows and menu items are named by their own text, and a scroll pane hands the focus on to
the view inside it: those are not checked. Exit status: 0 when
there is no fault, 1 when there is one, 2 when APP is not running.
Run it with /usr/bin/python3, in the same D-Bus session as the application.
"""
import sys

import pyatspi

NOT_CONTROLS = {"table cell", "list item", "menu item", "check menu item", "radio menu item",
                "tree item", "menu", "menu bar", "scroll pane"}


def describe(accessible):
    path = []
    node = accessible
    while node is not None and node.getRoleName() != "application":
        path.append(f"{node.getRoleName()} '{node.name or ''}'")
        node = node.parent
    return " in ".join(path)


def targets(accessible, relation_type):
    found = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == relation_type:
            found.extend(relation.getTarget(i) for i in range(relation.getNTargets()))
    return found


def walk(accessible, depth=0):
    if accessible is None or depth > 60:
        return
    yield accessible
    for index in range(accessible.childCount):
        yield from walk(accessible.getChildAtIndex(index), depth + 1)


def is_control(accessible):
    return (accessible.getRoleName() not in NOT_CONTROLS and
            accessible.getState().contains(pyatspi.STATE_FOCUSABLE))


def faults_in(window):
    everything = list(walk(window))
    controls = [a for a in everything if is_control(a)]
    label_of = {}  # a label's name -> the controls it labels
    for accessible in everything:
        for target in targets(accessible, pyatspi.RELATION_LABEL_FOR):
            label_of.setdefault(accessible.name or "", []).append(target)
    faults = []
    for control in controls:
        name = control.name or ""
        if not name.strip():
            faults.append(f"no name: {describe(control)}")
            continue
        for label in targets(control, pyatspi.RELATION_LABELLED_BY):
            if (label.name or "") != name:
                faults.append(f"labelled {label.name!r} but named {name!r}: {describe(control)}")
        others = [t for t in label_of.get(name, []) if t != control]
        if others and control not in label_of.get(name, []):
            faults.append(f"named after the label of {describe(others[0])}: {describe(control)}")
    for index, control in enumerate(controls):
        for other in controls[index + 1:]:
            if control.name and control.name == other.name and control.parent == other.parent:
                faults.append(f"two controls named {control.name!r}: {describe(control)}")
    return faults


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [desktop.getChildAtIndex(i) for i in range(desktop.childCount)]
    apps = [app for app in apps if app is not None and app.name == sys.argv[1]]
    if not apps:
        print(f"{sys.argv[1]} is not in the accessibility tree", file=sys.stderr)
        return 2
    faults = []
    windows = 0
    for app in apps:
        for index in range(app.childCount):
            windows += 1
            faults.extend(faults_in(app.getChildAtIndex(index)))
    for fault in faults:
        print(fault)
    print(f"{windows} windows checked, {len(faults)} faults", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
