#!/usr/bin/python3
"""The texts a screen reader reads in the program's shown window whose name
matches TITLE: "ROLE<TAB>NAME" for every named object, then
"column<TAB>N<TAB>DESCRIPTION" for each column of its tables.

  atspi_texts.py TITLE
Exits 2 while there is no such window.
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


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        count = node.childCount
    except Exception:
        return
    # A table's cells are read through its columns, not one by one.
    if node.getRole() == pyatspi.ROLE_TABLE:
        return
    for i in range(count):
        try:
            yield from walk(node.getChildAtIndex(i), depth + 1)
        except Exception:
            continue


def main():
    app = program()
    if app is None:
        return 2
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    windows = [w for w in windows if w is not None and re.search(sys.argv[1], w.name or "")
               and w.getState().contains(pyatspi.STATE_SHOWING)]
    if not windows:
        return 2
    for node in walk(windows[0]):
        try:
            if node.name:
                print("%s\t%s" % (node.getRoleName(), node.name))
            if node.getRole() == pyatspi.ROLE_TABLE:
                table = node.queryTable()
                for c in range(table.nColumns):
                    print("column\t%d\t%s" % (c, table.getColumnDescription(c)))
        except Exception:
            continue
    return 0


if __name__ == "__main__":
    sys.exit(main())
