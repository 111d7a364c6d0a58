#!/usr/bin/env bash
# Every dialog as a person with a screen reader and no mouse meets it:
# each command of the main window is opened by its keys, each dialog it
# brings (editor, day list, options, print range, delete range, recovery,
# export, about, import report, alert) is walked through AT-SPI, and a
# control that takes the keyboard without a name fails the journey. The
# context menu opens with Shift+F10 and its entries answer their letters,
# and the print preview's tool bar is reached with Tab.
#   tests/e2e/dialogs-keyboard-and-screen-reader.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin dialogs-keyboard-and-screen-reader "${1:-}"
probe="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/atspi_probe.py"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "dialogs-keyboard-and-screen-reader: python3-pyatspi is not installed" >&2; exit 1; }
km_start_desktop

e2e_workspace dialogs-keyboard-and-screen-reader

problems=()
step() { echo "dialogs-keyboard-and-screen-reader: $*"; }
problem() { echo "dialogs-keyboard-and-screen-reader: PROBLEM: $*" >&2; problems+=("$1"); import -window root "$shots/problem-${#problems[@]}.png" 2>/dev/null || true; }
ask() { /usr/bin/python3 "$probe" "$@" 2>/dev/null; }
km_start_atspi || fail "the accessibility bus did not start"

# The window of the title, opened by keys on the main window; then walked.
# Leaves it open.
open_by_keys() { # title keys...
    local title="$1"
    shift
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
    xdotool key "$@"
    find_window "$title" 40 "$pid" >/dev/null || { problem "$* opened no window '$title'"; return 1; }
    sleep 0.5
}
# Every control of the window that takes the keyboard has a name.
walk() { # title what
    local out="" rc=0
    for _ in $(seq 1 20); do
        rc=0; out="$(ask unnamed "$1")" || rc=$?
        [ "$rc" -ne 2 ] && break
        sleep 0.25
    done
    [ "$rc" -eq 2 ] && { problem "$2: no window '$1' for the screen reader"; return 0; }
    if [ -n "$out" ]; then
        problem "$2: controls without a name:"$'\n'"$out"
    else
        step "  $2: every control named"
    fi
}
# Closes the window of the title with a key, waiting until the screen
# reader no longer sees it.
shown() { local rc=0; ask unnamed "$1" >/dev/null || rc=$?; [ "$rc" -ne 2 ]; }
close_with() { # title key
    local w
    for _ in $(seq 1 3); do
        shown "$1" || return 0
        w="$(xdotool search --onlyvisible --pid "$pid" --name "$1" 2>/dev/null | tail -1 || true)"
        [ -n "$w" ] && xdotool windowactivate --sync "$w" 2>/dev/null || true
        xdotool key "$2"
        for _ in $(seq 1 20); do
            shown "$1" || return 0
            sleep 0.25
        done
    done
    fail "the window '$1' did not close with $2"
}

# Today a reminder without notice (the day list's notice column), and one
# more (an export holds something).
today=$(date -u +%Y-%m-%d)
"$cli" add "$file" --at "${today}T23:58" --recurrence annual --notice 0 --message "Late call" --icon Star >/dev/null
"$cli" add "$file" --at "${today}T23:59" --recurrence annual --message "Lights out" >/dev/null
"$cli" backup "$file" >/dev/null 2>&1 || true
e2e_start_main "$work/app.log" || fail "the main window did not open"

step "the editor (Ctrl+N)"
if open_by_keys '^Reminder for ' ctrl+n; then
    walk '^Reminder for ' editor
    import -window root "$shots/editor.png"
    close_with '^Reminder for ' Escape
fi
step "the day list (Ctrl+L)"
if open_by_keys '^Edit reminders$' ctrl+l; then
    walk '^Edit reminders$' "day list"
    notice="$(/usr/bin/python3 - <<'PY' 2>/dev/null || true
import pyatspi
desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app is None or app.name.lower() != "kestrelmark":
        continue
    for w in app:
        if w.name != "Edit reminders":
            continue
        def walk(n, d=0):
            yield n
            if d < 8:
                for c in n:
                    yield from walk(c, d + 1)
        for n in walk(w):
            if n.getRole() in (pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TREE, pyatspi.ROLE_TABLE):
                t = n.queryTable()
                for r in range(t.nRows):
                    if "Late call" in (t.getAccessibleAt(r, 0).name or ""):
                        print(t.getAccessibleAt(r, 3).name)
PY
)"
    [ -n "$notice" ] || problem "day list: the notice of a reminder without notice is read as nothing"
    step "  notice cell: [$notice]"
    close_with '^Edit reminders$' Escape
fi
step "the options (Ctrl+O)"
if open_by_keys '^Options$' ctrl+o; then
    walk '^Options$' options
    focus="$(ask focused || true)"
    [ -n "$focus" ] || problem "options: nothing has the keyboard when it opens"
    step "  focus at the start: [$focus]"
    import -window root "$shots/options.png"
    close_with '^Options$' Escape
fi
step "the print range (Ctrl+P)"
if open_by_keys '^Print' ctrl+p; then
    walk '^Print' "print range"
    close_with '^Print' Escape
fi
step "the delete range (Ctrl+D)"
if open_by_keys '^Delete' ctrl+d; then
    walk '^Delete' "delete range"
    close_with '^Delete' Escape
fi
step "the export choice (Ctrl+E)"
if open_by_keys '^Choose reminders to export' ctrl+e; then
    walk '^Choose reminders to export' export
    close_with '^Choose reminders to export' Escape
fi
step "the about box (Shift+F1)"
if open_by_keys 'About' shift+F1; then
    walk 'About' about
    close_with 'About' Escape
fi

step "the context menu: Shift+F10, then an entry's letter (o: Options...)"
if open_by_keys '^Options$' shift+F10 o; then
    close_with '^Options$' Escape
fi

step "the print preview (Ctrl+Shift+P, Return on its range): Tab reaches print, page set-up and zoom"
if open_by_keys '^Print reminders$' ctrl+shift+p && xdotool key Return && find_window '^Print preview$' 60 "$pid" >/dev/null; then
    sleep 1
    seen=""
    for _ in $(seq 1 30); do
        xdotool key Tab
        sleep 0.15
        seen+="$(ask focused | cut -f2 || true);"
    done
    step "  $seen"
    for name in Print "Page setup" "Zoom in" "Zoom out"; do
        grep -q ";$name;" <<<";$seen" || problem "Tab never reaches '$name' in the print preview"
    done
    walk '^Print preview$' "print preview"
    close_with '^Print preview$' Escape
else
    problem "Return on the range brought no print preview"
fi

step "the recovery question (Ctrl+R)"
if open_by_keys '^Kestrelmark$' ctrl+r; then
    walk '^Kestrelmark$' recovery
    close_with '^Kestrelmark$' Escape
fi
step "the import report (a calendar file handed over)"
"$cli" export "$file" "$work/calendar.csv" >/dev/null
"$app" "$work/calendar.csv" >>"$work/app.log" 2>&1 &
if find_window '^Kestrelmark$' 60 "$pid" >/dev/null; then
    sleep 0.5
    walk '^Kestrelmark$' "import report"
    close_with '^Kestrelmark$' Return
else
    problem "no import report"
fi

step "the alert"
stop "$pid"
"$cli" add "$file" --at "${today}T00:00" --message "Due at once" >/dev/null
e2e_start_main "$work/app2.log" || fail "the main window did not open again"
if find_window 'Kestrelmark Reminder' 120 "$pid" >/dev/null; then
    sleep 0.5
    walk 'Kestrelmark Reminder' alert
    close_with 'Kestrelmark Reminder' Return
else
    problem "no alert"
fi

[ "${#problems[@]}" -eq 0 ] || fail "${#problems[@]} problems (above)"
step "PASS"
