#!/usr/bin/env bash
# The real program on a virtual display: a reminder due in a few seconds
# raises the alert, OK is pressed, and the reminder is in the file as shown
# within seconds. A second start is refused with the "Another copy" message;
# a start with a pack hands it to the running copy, which imports it.
#   tests/e2e/shell-alert-and-single-copy.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin shell-alert-and-single-copy "${1:-}"
km_start_desktop
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
first=""
second=""
cleanup() {
    [ -n "$first" ] && stop "$first"
    [ -n "$second" ] && stop "$second"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/first.log" ] && tail -n 30 "$tmp/first.log"; exit 1; }

e2e_home "$tmp"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

"$cli" add "$file" --at "$(date -d '+3 seconds' +%Y-%m-%dT%H:%M:%S)" --message "Take the cake out" --icon Birthday >/dev/null
"$cli" add "$file" --at "$(date -d '+40 days' +%Y-%m-%dT09:00:00)" --message "Later on" --icon Gift >/dev/null

"$app" >"$tmp/first.log" 2>&1 &
first=$!

# The alert, within the first passes of the timer.
alert=""
for _ in $(seq 1 120); do
    alert="$(xdotool search --name "Kestrelmark Reminder" 2>/dev/null | head -n 1 || true)"
    [ -n "$alert" ] && break
    kill -0 "$first" 2>/dev/null || fail "the program ended"
    sleep 0.5
done
[ -n "$alert" ] || fail "no alert window"
import -window root "$tmp/alert.png" 2>/dev/null || true

# OK: the button's middle, 190 + 75/2 by 192 + 23/2 in the alert.
sleep 1
xdotool mousemove --window "$alert" 227 203 click 1
for _ in $(seq 1 20); do
    xdotool search --name "Kestrelmark Reminder" >/dev/null 2>&1 || break
    sleep 0.25
done
xdotool search --name "Kestrelmark Reminder" >/dev/null 2>&1 && fail "the alert did not close"
grep -q "Setting Shown flag." "$tmp/first.log" || fail "the closed alert did not mark its reminder shown"

# Saved as shown within seconds, not at the hourly save.
saved=""
for _ in $(seq 1 40); do
    if "$cli" dump "$file" | python3 -c 'import json, sys
sys.exit(0 if any(r["message"] == "Take the cake out" and r["shown"] and r["reshowInterval"]["days"] == 1
                  for r in json.load(sys.stdin)["reminders"]) else 1)'; then
        saved=yes
        break
    fi
    sleep 0.25
done
[ -n "$saved" ] || { "$cli" dump "$file"; fail "the shown flag did not reach the file"; }
"$cli" dump "$file" | grep -q '"message": "Later on"' || fail "the other reminder was lost"
echo "alert shown, OK pressed, saved as shown"

# A second start without a file: refused with its message, and it ends.
"$app" >"$tmp/second.log" 2>&1 &
second=$!
box=""
for _ in $(seq 1 40); do
    box="$(xdotool search --onlyvisible --pid "$second" 2>/dev/null | head -n 1 || true)"
    [ -n "$box" ] && grep -q "Another copy of Kestrelmark is running.  Please close it and try again." "$tmp/second.log" && break
    box=""
    sleep 0.25
done
[ -n "$box" ] || { cat "$tmp/second.log"; fail "no 'Another copy' message"; }
# Without a window manager the key goes to the window under the pointer.
xdotool mousemove --window "$box" 20 20
xdotool key Return
for _ in $(seq 1 40); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$second" 2>/dev/null && { kill "$second"; fail "the second copy did not end"; }
wait "$second" && fail "the second copy ended without an error" || true
second=""
echo "second copy refused"

# A start with a pack: handed to the running copy, which imports it.
cp "$here/data/friend's picnic.rpk" "$tmp/friend's picnic.rpk"
"$app" "$tmp/friend's picnic.rpk" >"$tmp/third.log" 2>&1 || fail "the hand-over failed"
imported=""
for _ in $(seq 1 60); do
    if "$cli" dump "$file" | grep -q '"message": "Picnic from a friend'"'"'s pack"'; then
        imported=yes
        break
    fi
    # The import reports itself in a message box, as the start-up did about
    # the missing tray: the user answers them, then the list is saved.
    if grep -q "Message box: Reminder Pack successfully imported." "$tmp/first.log"; then
        for box in $(xdotool search --onlyvisible --pid "$first" --name '^Kestrelmark$' 2>/dev/null); do
            xdotool mousemove --window "$box" 20 20 key Return 2>/dev/null || true
        done
    fi
    sleep 0.25
done
[ -n "$imported" ] || fail "the pack was not imported"
grep -q "Reminder Pack successfully imported." "$tmp/first.log" || fail "no import report"
kill -0 "$first" 2>/dev/null || fail "the first copy ended"
echo "pack handed over and imported"

# The session manager's SIGTERM: the list is saved and the program ends.
echo "ending by signal"
kill -TERM "$first"
for _ in $(seq 1 20); do
    kill -0 "$first" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$first" 2>/dev/null && fail "SIGTERM did not end the program"
grep -q "Signal 15: saving and ending." "$tmp/first.log" || fail "no save at SIGTERM"
first=""
"$cli" dump "$file" | grep -q '"message": "Later on"' || fail "the file is damaged after the end"
echo "PASS"
