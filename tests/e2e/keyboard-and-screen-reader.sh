#!/usr/bin/env bash
# The program as a person without a mouse, with a screen reader, meets it:
# through AT-SPI it finds the New, Reminders and Today buttons and the day
# of a reminder on the calendar by its spoken name; with keys alone it goes
# round the window, moves the selected day with the arrows, opens the new
# reminder editor on it, types the message and saves; the new reminder is
# then found by name in the upcoming list.
#   tests/e2e/keyboard-and-screen-reader.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin keyboard-and-screen-reader "${1:-}"
probe="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/atspi_probe.py"
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "keyboard-and-screen-reader: python3-pyatspi is not installed" >&2; exit 1; }
km_start_desktop

e2e_workspace keyboard-and-screen-reader

step() { echo "keyboard-and-screen-reader: $*"; }
ask() { /usr/bin/python3 "$probe" "$@" 2>/dev/null; }
# Waits until the screen reader's answer to the question matches the pattern.
wait_ask() { # pattern question...
    local pattern="$1" answer=""
    shift
    for _ in $(seq 1 40); do
        answer="$(ask "$@" || true)"
        grep -Eq -- "$pattern" <<<"$answer" && { echo "$answer"; return 0; }
        sleep 0.25
    done
    echo "$answer"
    return 1
}
dump_json() { "$cli" dump "$file" 2>/dev/null; }
day_name() { date -u -d "$1" '+%A %-d %B %Y'; }

step "the accessibility bus of this session"
km_start_atspi || fail "the accessibility bus did not start"

# A yearly reminder on another day of this month: on the calendar, never
# due while the journey runs.
today=$(date -u +%Y-%m-%d)
mark_day=1; [ "$(date -u +%-d)" = 1 ] && mark_day=2
mark=$(date -u +%Y-%m)-$(printf %02d "$mark_day")
"$cli" add "$file" --at "${mark}T09:00" --recurrence annual --message "Dentist" --icon Star >/dev/null
target=$(date -u -d "$today +2 days" +%Y-%m-%d)
moves=2
if [ "$target" = "$mark" ]; then target=$(date -u -d "$today +3 days" +%Y-%m-%d); moves=3; fi

e2e_start_main "$work/app.log" || fail "the main window did not open"

step "the buttons by role and name"
buttons="$(wait_ask '^Today$' buttons)" || fail "no push buttons New, Reminders, Today: [$buttons]"
for name in New Reminders Today; do
    grep -qx "$name" <<<"$buttons" || fail "no push button named $name: [$buttons]"
done

step "the day of the reminder by its name"
cell="$(wait_ask . cell "$(day_name "$mark"), 1 reminder: Dentist 09:00")" || fail "no day cell named for the reminder"
step "  $cell"

step "keys alone: round the window with Tab, back to the calendar"
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
focus="$(wait_ask "^table cell	$(day_name "$today")" focused)" || fail "the calendar does not have the keyboard at the start: [$focus]"
round=()
for _ in $(seq 1 7); do
    before="$focus"
    xdotool key Tab
    for _ in $(seq 1 40); do
        focus="$(ask focused || true)"
        [ -n "$focus" ] && [ "$focus" != "$before" ] && break
        sleep 0.1
    done
    round+=("$(cut -f1 <<<"$focus"):$(cut -f2 <<<"$focus" | cut -c1-20)")
done
step "  ${round[*]}"
expected="^list( item)?:.* push button:New push button:Reminders push button:Today spin button:Month spin button:Year table cell:"
grep -Eq -- "$expected" <<<"${round[*]}" || fail "Tab went round in another order: ${round[*]}"

step "arrows move the selected day; Return opens the editor on it"
for _ in $(seq 1 "$moves"); do xdotool key Right; done
focus="$(wait_ask "^table cell	$(day_name "$target")" focused)" || fail "the arrows did not reach $target: [$focus]"
sleep 0.3
import -window root "$shots/focus-ring.png"
xdotool key Return
editor="$(find_window '^Reminder for ')" || fail "Return did not open the editor"
xdotool type --delay 20 "Typed without a mouse"
xdotool key ctrl+Return
for _ in $(seq 1 40); do
    xdotool search --onlyvisible --name '^Reminder for ' >/dev/null 2>&1 || break
    sleep 0.25
done
xdotool search --onlyvisible --name '^Reminder for ' >/dev/null 2>&1 && fail "Ctrl+Return did not close the editor"
for _ in $(seq 1 40); do
    dump_json | grep -q "Typed without a mouse" && break
    sleep 0.25
done
dump_json | /usr/bin/python3 -c "
import json, sys
r = [x for x in json.load(sys.stdin)['reminders'] if x['message'] == 'Typed without a mouse']
sys.exit(0 if len(r) == 1 and r[0]['dateTime']['iso'].startswith('$target') else 1)" ||
    { dump_json >&2 || true; fail "the new reminder is not in the file on $target"; }

step "the new reminder in the upcoming list, by name"
item="$(wait_ask . item "Typed without a mouse")" || fail "no upcoming line names the new reminder"
step "  $item"
focus="$(ask focused || true)"
grep -q "^table cell	$(day_name "$target")" <<<"$focus" || fail "the keyboard left the day after the edit: [$focus]"
step "PASS"
