#!/usr/bin/env python3
"""The program's windows as AT-SPI shows them, for journeys where no input
can be synthesised (Wayland). Each command waits up to SECONDS (default 20)
for what it needs and fails when it does not come.

  atspi.py window PID TITLE [SECONDS]        a shown window whose name matches the
                                             regular expression TITLE; prints its name
  atspi.py gone PID TITLE [SECONDS]          until no such window is left
  atspi.py press PID TITLE NAME [SECONDS]    the Press action of the button or menu
                                             entry NAME (mnemonic marks ignored)
  atspi.py type PID TITLE TEXT [SECONDS]     TEXT into the window's first editable text
"""
import re
import sys
import time

import pyatspi


def app_of(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def windows(pid, title):
    app = app_of(pid)
    if app is None:
        return []
    found = []
    for w in app:
        try:
            if w is not None and re.search(title, w.name or "") and w.getState().contains(pyatspi.STATE_SHOWING):
                found.append(w)
        except Exception:
            continue
    return found


def descendants(node, depth=0):
    if node is None or depth > 30:
        return
    yield node
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from descendants(child, depth + 1)


def plain(name):
    return (name or "").replace("&", "").strip()


def until(seconds, probe):
    deadline = time.monotonic() + seconds
    while True:
        try:
            result = probe()
        except Exception:
            result = None
        if result:
            return result
        if time.monotonic() > deadline:
            return None
        time.sleep(0.1)


def press(pid, title, name):
    for w in windows(pid, title) + windows(pid, "."):
        for node in descendants(w):
            if plain(node.name) == plain(name) and node.getRole() in (
                    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PUSH_BUTTON_MENU, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
                    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_TOGGLE_BUTTON):
                action = node.queryAction()
                for i in range(action.nActions):
                    if action.getName(i) in ("Press", "press", "click", "Trigger"):
                        action.doAction(i)
                        return True
                if action.nActions:
                    action.doAction(0)
                    return True
    return False


def type_text(pid, title, text):
    for w in windows(pid, title):
        for node in descendants(w):
            if node.getState().contains(pyatspi.STATE_EDITABLE):
                editable = node.queryEditableText()
                editable.setTextContents(text)
                return True
    return False


def main(argv):
    command, pid, title = argv[1], int(argv[2]), argv[3]
    rest = argv[4:]
    if command == "window":
        seconds = float(rest[0]) if rest else 20
        found = until(seconds, lambda: windows(pid, title))
        if found:
            print(found[0].name)
        return 0 if found else 1
    if command == "gone":
        seconds = float(rest[0]) if rest else 20
        return 0 if until(seconds, lambda: not windows(pid, title)) else 1
    if command == "press":
        seconds = float(rest[1]) if len(rest) > 1 else 20
        return 0 if until(seconds, lambda: press(pid, title, rest[0])) else 1
    if command == "type":
        seconds = float(rest[1]) if len(rest) > 1 else 20
        return 0 if until(seconds, lambda: type_text(pid, title, rest[0])) else 1
    print(__doc__, file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
