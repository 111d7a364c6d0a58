#!/usr/bin/python3
"""What a screen reader sees of the program, through AT-SPI.

  atspi_probe.py buttons          the push buttons' names, one a line
  atspi_probe.py cell TEXT        the first table cell whose name contains TEXT
  atspi_probe.py focused          "ROLE<TAB>NAME" of the object with the keyboard
  atspi_probe.py item TEXT        the first list item whose name contains TEXT
  atspi_probe.py unnamed TITLE    "ROLE<TAB>PATH" of each control of the shown window
                                  whose name matches TITLE that takes the keyboard
                                  but has no name; exits 1 when there is such a window
                                  and nothing unnamed in it, 2 when there is none
Exits 1 when there is nothing of the kind (yet).
"""
import re
import sys

import pyatspi


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "kestrelmark":
            return app
    return None


VIEWS = (pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_TREE_TABLE)


def walk(node, depth=0, focus_only=False):
    for found, _ in walk_paths(node, "", depth, focus_only):
        yield found


def walk_paths(node, path, depth=0, focus_only=False):
    """Each node below node with its path of "role[index]:name" steps."""
    if node is None or depth > 12:
        return
    yield node, path
    # A view's current item counts as focused even while the view is not:
    # only the view with the keyboard is looked into.
    if focus_only and node.getRole() in VIEWS and not node.getState().contains(pyatspi.STATE_FOCUSED):
        return
    try:
        count = node.childCount
    except Exception:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
            label = "%s[%d]%s" % (child.getRoleName(), i, (":" + child.name) if child.name else "")
        except Exception:
            continue
        yield from walk_paths(child, path + "/" + label, depth + 1, focus_only)


def showing_windows(app):
    for i in range(app.childCount):
        window = app.getChildAtIndex(i)
        if window is not None and window.getState().contains(pyatspi.STATE_SHOWING):
            yield window


def unnamed(app, title):
    """The controls a keyboard user lands on that a screen reader cannot name."""
    windows = [w for w in showing_windows(app) if re.search(title, w.name or "")]
    if not windows:
        return 2
    for window in windows:
        for node, path in walk_paths(window, window.getRoleName()):
            try:
                states = node.getState()
                name = (node.name or "").replace("&", "").strip()
            except Exception:
                continue
            if states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_SHOWING) and not name:
                print("%s\t%s" % (node.getRoleName(), path))
    return 1


def main():
    app = program()
    if app is None:
        return 1
    what = sys.argv[1]
    text = sys.argv[2] if len(sys.argv) > 2 else ""
    if what == "unnamed":
        return unnamed(app, text)
    found = False
    for window in showing_windows(app):
        for node in walk(window, focus_only=(what == "focused")):
            role = node.getRole()
            if what == "buttons" and role == pyatspi.ROLE_PUSH_BUTTON:
                print(node.name)
                found = True
            elif what == "cell" and role == pyatspi.ROLE_TABLE_CELL and text in node.name:
                print(node.name)
                return 0
            elif what == "item" and role == pyatspi.ROLE_LIST_ITEM and text in node.name:
                print(node.name)
                return 0
            elif what == "focused" and node.getState().contains(pyatspi.STATE_FOCUSED):
                # The deepest one: a table's focused cell rather than the table.
                found = "%s\t%s" % (node.getRoleName(), node.name)
    if what == "focused" and found:
        print(found)
        return 0
    return 0 if found is True else 1


if __name__ == "__main__":
    sys.exit(main())
