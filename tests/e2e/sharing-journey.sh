#!/usr/bin/env bash
# Sharing reminders through the real windows of the program under a virtual
# display. Export two of three reminders to a pack with the selection and
# file dialogs, and open the pack with a second program that has a data
# folder of its own; drop a pack on that program's window from a real
# drag-and-drop source; print a month to a PDF through the range and print
# dialogs and look at its pages; mail two reminders through a stand-in
# xdg-email and find a complete pack of them attached.
#   tests/e2e/sharing-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin sharing-journey "${1:-}" tools/dragsource/kestrelmark-dragsource
km_start_desktop
dragsource="$build/tools/dragsource/kestrelmark-dragsource"

work="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do stop "$p"; done
    rm -rf "$work"
}
trap cleanup EXIT
shots="${KM_E2E_SHOTS:-$work/shots}"
mkdir -p "$shots"

# Two people, each with data, settings and runtime folders of their own.
home_of() { # name: exports the XDG folders of that person
    e2e_home "$work/$1"
    # Printed files and mailed packs stay in the work folder too.
    export TMPDIR="$work/$1/tmp"
    mkdir -p "$TMPDIR" "$work/$1/docs"
    echo "XDG_DOCUMENTS_DIR=\"$work/$1/docs\"" >"$XDG_CONFIG_HOME/user-dirs.dirs"
}

fail() {
    echo "sharing-journey: FAIL: $*" >&2
    import -window root "$shots/failure.png" 2>/dev/null || true
    for log in "$work"/*.log; do [ -f "$log" ] && { echo "--- $log" >&2; tail -n 15 "$log" >&2; }; done
    exit 1
}
step() { echo "sharing-journey: $*"; }
shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }
gone() { # name: waits until no window of that name is shown
    for _ in $(seq 1 40); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.25
    done
    return 1
}
# Without a window manager keys go to the window under the pointer: put the
# pointer on the window as well as the focus.
focus() { xdotool mousemove --window "$1" 10 10 windowfocus "$1"; sleep 0.2; }
press() { xdotool key --delay 60 "$@"; sleep 0.2; }
type_text() { xdotool type --delay 25 "$1"; sleep 0.2; }
dump_json() { "$cli" dump "$file" 2>/dev/null; }
holds() { # file, python expression over the list r of reminders
    "$cli" dump "$1" 2>/dev/null \
        | python3 -c "import json,sys; r=json.load(sys.stdin)['reminders']; sys.exit(0 if ($2) else 1)" 2>/dev/null
}
# Waits for the reminder file to hold what the expression says, answering
# the message boxes of program pid meanwhile (the import reports itself in
# one, and the list is saved after it is answered).
wait_for() { # pid, python expression
    for _ in $(seq 1 60); do
        holds "$file" "$2" && return 0
        for box in $(xdotool search --all --onlyvisible --pid "$1" --name '^Kestrelmark$' 2>/dev/null); do
            focus "$box"; xdotool key Return 2>/dev/null || true
        done
        sleep 0.25
    done
    return 1
}
start() { # log name, arguments...: starts the program; its pid in started
    local log="$work/$1.log"; shift
    PATH="${start_path:-$PATH}" QT_LOGGING_RULES="kestrelmark.trace.debug=true" "$app" "$@" >"$log" 2>&1 &
    started=$!
    pids+=("$started")
}
main_window() { # pid: the main window, after the missing-tray message is answered
    local main
    main="$(find_window 'Kestrelmark Personal Reminder Software' 40 "$1")" || return 1
    sleep 0.5
    if box="$(find_window '^Kestrelmark$' 8 "$1")"; then
        focus "$box"; xdotool key Return
        sleep 0.3
    fi
    echo "$main"
}
same() { # file a, file b, python condition on x: those reminders of a are in b as they were
    python3 - "$cli" "$1" "$2" "$3" <<'PY'
import json, subprocess, sys
cli, a, b, cond = sys.argv[1:]
def chosen(path):
    r = json.loads(subprocess.run([cli, 'dump', path], capture_output=True, check=True).stdout)['reminders']
    keep = ('message', 'dateTime', 'advanceNotice', 'recurrence', 'iconName', 'private', 'soundFileName')
    return sorted(({k: x[k] for k in keep} for x in r if eval(cond)), key=lambda x: x['message'])
want, got = chosen(a), chosen(b)
sys.exit(0 if want and want == got else 'expected %s, found %s' % (want, got))
PY
}
messages() { # file -> the messages of its reminders, sorted, joined by |
    "$cli" dump "$1" | python3 -c "import json,sys; print('|'.join(sorted(x['message'] for x in json.load(sys.stdin)['reminders'])))"
}

# Everything falls in months ahead, so that no reminder comes due meanwhile.
thisfirst=$(date -u +%Y-%m-01)
ex=$(date -u -d "$thisfirst +2 month" +%Y-%m)
pr=$(date -u -d "$thisfirst +3 month" +%Y-%m)
prlast=$(date -u -d "$pr-01 +1 month -1 day" +%d)
after=$(date -u -d "$pr-01 +1 month" +%Y-%m)
pryear=${pr%-*}; prmonth=$((10#${pr#*-}))

home_of first
firstfile="$file"
"$cli" add "$file" --at "$ex-03T10:00" --message "Export one" --icon Telephone >/dev/null
"$cli" add "$file" --at "$ex-05T10:00" --message "Export two" --icon Birthday --notice 2d >/dev/null
"$cli" add "$file" --at "$ex-09T18:15" --message "Export three" --icon Gift --recurrence annual >/dev/null
# Twenty one-line entries for the print: fifteen fit on a page.
icons=(Telephone Birthday Gift Rings)
for d in $(seq -w 1 20); do
    "$cli" add "$file" --at "$pr-${d}T09:30" --message "Print entry $d" --icon "${icons[$((10#$d % 4))]}" >/dev/null
done
# The ends of the range: its last minute prints, the next midnight does not.
"$cli" add "$file" --at "$pr-${prlast}T23:59" --message "Last minute of the range" --icon Rings >/dev/null
"$cli" add "$file" --at "$after-01T00:00" --message "After the printed range" >/dev/null
holds "$file" "len(r)==25" || fail "could not prepare the reminder file"

# The stand-in mail program: records its arguments and keeps the attachment.
mkdir -p "$work/bin" "$work/mail"
cat >"$work/bin/xdg-email" <<EOF
#!/bin/sh
printf '%s\n' "\$@" >"$work/mail/args"
while [ \$# -gt 0 ]; do
    [ "\$1" = "--attach" ] && cp "\$2" "$work/mail/attachment.rpk"
    shift
done
exit 0
EOF
chmod +x "$work/bin/xdg-email"

start_path="$work/bin:$PATH" start first
first_pid=$started
main="$(main_window "$first_pid")" || fail "the main window did not open"

export_dialog() { # opens "Export reminders..." (Ctrl+E) and prints the selection dialog
    focus "$main"; press ctrl+e
    local dlg
    dlg="$(find_window '^Choose reminders to export as a Reminder Pack$')" || return 1
    # The list starts with the focus, its first row current but not chosen.
    focus "$dlg"
    echo "$dlg"
}

step "export: rows two and three across, Save..., a path in the file dialog"
dlg="$(export_dialog)" || fail "Ctrl+E did not open the export selection dialog"
press Down shift+Down
# Tab order: left list, right list, -->, <--, Save..., Mail to..., Cancel.
press Tab Tab space
shot export-chosen
press Return
save="$(find_window '^Export reminder pack as$')" || fail "Save... did not open the file dialog"
focus "$save"
pack="$work/two reminders.rpk"
press ctrl+a
type_text "$pack"
shot export-file-dialog
press Return
gone '^Export reminder pack as$' || fail "the file dialog stayed open"
for _ in $(seq 1 20); do [ -s "$pack" ] && break; sleep 0.25; done
[ -s "$pack" ] || fail "no pack was written at $pack"
[ "$(messages "$pack")" = "Export three|Export two" ] || fail "the pack holds $(messages "$pack")"

step "mail: rows one and two across, Mail to..., a title, OK"
dlg="$(export_dialog)" || fail "Ctrl+E did not open the export selection dialog again"
press Home shift+Down
press Tab Tab space
press Tab Tab Tab space
title="$(find_window '^Reminder Pack Title$')" || fail "Mail to... did not ask for a title"
focus "$title"
type_text "Weekend plans"
shot mail-title
press Return
for _ in $(seq 1 40); do [ -s "$work/mail/attachment.rpk" ] && break; sleep 0.25; done
[ -s "$work/mail/args" ] || fail "the mail program was not run"
python3 - "$work/mail/args" <<'PY' || fail "the mail program's arguments were $(tr '\n' ' ' <"$work/mail/args")"
import os, sys
args = open(sys.argv[1]).read().split('\n')[:-1]
assert args[args.index('--subject') + 1] == 'Weekend plans', args
attach = args[args.index('--attach') + 1]
assert os.path.isabs(attach) and os.path.basename(attach) == 'Weekend plans.rpk', args
PY
"$cli" import "$work/mailed.km2" "$work/mail/attachment.rpk" --data-dir "$work/mailed-data" >"$work/mail/import.json" 2>"$work/mail/import.err" \
    || fail "the mailed pack did not import: $(cat "$work/mail/import.json")"
python3 - "$work/mail/import.json" <<'PY' || fail "the mailed pack is not what was chosen"
import json, sys
report = json.load(open(sys.argv[1]))
added = sorted(report['added'], key=lambda x: x['message'])
assert [x['message'] for x in added] == ['Export one', 'Export two'], added
assert not report['skipped'] and 'damaged' not in report, report
one, two = added
assert one['iconName'] == 'Telephone' and one['recurrence'] == 0, one
assert two['iconName'] == 'Birthday' and two['advanceNotice']['days'] == 2, two
PY
holds "$work/mailed.km2" "sorted(x['message'] for x in r)==['Export one','Export two']" \
    || fail "the scratch file does not hold the mailed reminders"

step "print: $pr-01 to $pr-$prlast in the range dialog, then Print to the preset PDF"
focus "$main"; press ctrl+p
range="$(find_window '^Print reminders$')" || fail "Ctrl+P did not open the range dialog"
focus "$range"
# Focus order: From month, day, year, To month, day, year; a month list
# steps with the arrow keys.
downs=""
for _ in $(seq 2 "$prmonth"); do downs="$downs Down"; done
# shellcheck disable=SC2086
press Home $downs Tab ctrl+a; type_text 1; press Tab ctrl+a; type_text "$pryear"
# shellcheck disable=SC2086
press Tab Home $downs Tab ctrl+a; type_text "$prlast"; press Tab ctrl+a; type_text "$pryear"
shot print-range
press Return
# The print dialog has the same title; it is a new window.
printdlg=""
for _ in $(seq 1 40); do
    printdlg="$(xdotool search --onlyvisible --name '^Print reminders$' 2>/dev/null | grep -vx "$range" | tail -1 || true)"
    [ -n "$printdlg" ] && break
    sleep 0.25
done
[ -n "$printdlg" ] || fail "OK did not lead to the print dialog"
focus "$printdlg"
shot print-dialog
press Return
pdf="$work/first/docs/Reminders.pdf"
# Complete once its end-of-file marker is written.
for _ in $(seq 1 40); do
    tail -c 16 "$pdf" 2>/dev/null | grep -q '%%EOF' && break
    sleep 0.25
done
pages="$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p' || true)"
[ -n "$pages" ] || fail "no complete PDF at $pdf"
[ "$pages" = 2 ] || fail "the PDF has $pages pages, not 2"
pdftoppm -png -r 60 "$pdf" "$work/page"
cp "$work"/page-*.png "$shots/"
text1="$(pdftotext -f 1 -l 1 -layout "$pdf" -)"
text2="$(pdftotext -f 2 -l 2 -layout "$pdf" -)"
grep -q "Reminder list printed" <<<"$text1" || fail "page 1 has no printed-on line"
grep -q "Page 1" <<<"$text1" && grep -q "Page 2" <<<"$text2" || fail "the pages are not numbered"
for d in 01 15; do grep -q "Print entry $d" <<<"$text1" || fail "Print entry $d is not on page 1"; done
for d in 16 20; do grep -q "Print entry $d" <<<"$text2" || fail "Print entry $d is not on page 2"; done
grep -q "Last minute of the range" <<<"$text2" || fail "the last day of the range was not printed"
grep -q "Print entry 16" <<<"$text1" && fail "page 1 holds more than fifteen entries"
grep -q "After the printed range\|Export" <<<"$text1$text2" && fail "reminders outside the range were printed"

stop "$first_pid"
holds "$firstfile" "len(r)==25" || fail "the first program's file changed: $(messages "$firstfile")"

step "a second program with an empty data folder opens the pack it is started with"
home_of second
start second "$pack"
second_pid=$started
main="$(main_window "$second_pid")" || fail "the second program's window did not open"
wait_for "$second_pid" "sorted(x['message'] for x in r)==['Export three','Export two']" \
    || { dump_json >&2 || true; fail "the opened pack's reminders are not in the second reminder file"; }
same "$firstfile" "$file" "x['message'] in ('Export two','Export three')" \
    || { dump_json >&2 || true; fail "the opened reminders changed on the way"; }

step "drop a pack on the second program's window from a drag source"
"$cli" add "$work/friend.km2" --at "$ex-20T08:00" --message "Dropped one" --icon Rings >/dev/null
"$cli" add "$work/friend.km2" --at "$ex-21T20:45" --message "Dropped two" --recurrence monthly >/dev/null
"$cli" export "$work/friend.km2" "$work/friend's pack.rpk" --data-dir "$work/friend-data" >/dev/null \
    || fail "could not make the pack to drop"
"$dragsource" "$work/friend's pack.rpk" >"$work/drag.log" 2>&1 &
drag_pid=$!
pids+=("$drag_pid")
source="$(find_window '^Drag source$' 40 "$drag_pid")" || fail "the drag source did not open"
read -r sx sy < <(origin "$source")
read -r mx my < <(origin "$main")
xdotool mousemove $((sx + 60)) $((sy + 30)); sleep 0.3
xdotool mousedown 1; sleep 0.3
# Onto the upcoming list, in steps, so that the window sees the drag come in.
tx=$((mx + 110)); ty=$((my + 250))
for i in $(seq 1 8); do
    xdotool mousemove $((sx + 60 + (tx - sx - 60) * i / 8)) $((sy + 30 + (ty - sy - 30) * i / 8)); sleep 0.1
done
sleep 0.3
shot drop-held
xdotool mouseup 1
for _ in $(seq 1 20); do grep -q dropped "$work/drag.log" && break; sleep 0.25; done
grep -qx dropped "$work/drag.log" || fail "the window did not take the drop ($(cat "$work/drag.log"))"
wait_for "$second_pid" "sorted(x['message'] for x in r)==['Dropped one','Dropped two','Export three','Export two']" \
    || { dump_json >&2 || true; fail "the dropped pack's reminders are not in the reminder file"; }
same "$work/friend.km2" "$file" "x['message'].startswith('Dropped')" \
    || { dump_json >&2 || true; fail "the dropped reminders changed on the way"; }
shot drop-done
grep -q "Dropped Reminder Pack." "$work/second.log" || fail "the drop was not taken as a reminder pack"
step "PASS"
