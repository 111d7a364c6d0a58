#!/usr/bin/env bash
# The real program with a real notification server (dunst) on a desktop of
# its own, under a wall clock moved with libfaketime:
#  - a weekly reminder at 23:55 falls due: the alert opens and the desktop
#    shows its notification;
#  - Snooze in the alert, on the delay the menu offers (10 minutes): the
#    alert and the notification go, and the file saved then has the same
#    layout, with only the shown flag, last-shown time and re-show interval
#    changed;
#  - the clock jumps past midnight to the end of the snooze: the reminder
#    comes back, notification and all, once; OK ends it for that week.
#   tests/e2e/snooze-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin snooze-journey "${1:-}"
tmp="$(mktemp -d)"
pid=""
dunst_pid=""
# A server that already ended (another took the name first) is no
# failure of the journey: cleaning up never decides the result.
cleanup() {
    if [ -n "$pid" ]; then stop "$pid" || true; fi
    if [ -n "$dunst_pid" ]; then kill "$dunst_pid" 2>/dev/null || true; fi
    rm -rf "$tmp" || true
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$tmp/run.log" ] && tail -n 30 "$tmp/run.log"
    [ -f "$tmp/dunst.log" ] && tail -n 10 "$tmp/dunst.log"
    exit 1
}

km_fake_clock snooze-journey "$tmp"
command -v dunst >/dev/null || { echo "snooze-journey: dunst is not installed" >&2; exit 1; }
wait_closed() { # window
    for _ in $(seq 1 20); do
        alert_open "$1" || return 0
        sleep 0.25
    done
    return 1
}
# The notifications dunst shows, once it has settled on the given count.
displayed() { # expected count
    local n=""
    for _ in $(seq 1 40); do
        n="$(dunstctl count displayed 2>/dev/null || true)"
        [ "$n" = "$1" ] && { echo "$n"; return 0; }
        sleep 0.25
    done
    echo "$n"
    return 1
}
field() { # name: the reminder's field in the file, as JSON
    "$cli" dump "$file" | python3 -c 'import json, sys
print(json.dumps(json.load(sys.stdin)["reminders"][0][sys.argv[1]], sort_keys=True))' "$1"
}
interval_minutes() { # the reminder's re-show interval in whole minutes
    "$cli" dump "$file" | python3 -c 'import json, sys
print(round(json.load(sys.stdin)["reminders"][0]["reshowInterval"]["days"] * 1440))'
}

e2e_home "$tmp/home"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
due="$(epoch '2026-03-03 23:55:00')"   # a Tuesday, weekly from that day
"$cli" add "$file" --at "$(iso "$due")" --recurrence weekly --message "Put the bins out" --icon Gift >/dev/null
cp "$file" "$tmp/before.km2"
set_clock $(( due - 10 ))

km_start_desktop --no-tray || fail "no desktop"
dunst >"$tmp/dunst.log" 2>&1 &
dunst_pid=$!
for _ in $(seq 1 40); do
    dunstctl count displayed >/dev/null 2>&1 && break
    sleep 0.25
done
dunstctl count displayed >/dev/null 2>&1 || fail "dunst did not start"

e2e_start_main "$tmp/run.log" || fail "no main window"

# --- 1. Due: the alert and its notification ------------------------------------
alert="$(wait_alert 90)" || fail "no alert"
displayed 1 >/dev/null || fail "no notification on the desktop"
echo "alert and notification shown"

# --- 2. Snooze on the delay the menu offers --------------------------------------
sleep 1
snoozed_at="$(fake_now)"
# The Snooze button's middle, (185 + 25) x 1.5 by (118 + 7) x 1.625.
xdotool mousemove --window "$alert" 315 203 click 1
sleep 1
xdotool key Return
wait_closed "$alert" || fail "the alert did not close on Snooze"
displayed 0 >/dev/null || fail "the notification stayed after the snooze"
grep -q "Snoozed for 10 minutes." "$tmp/run.log" || fail "not snoozed for the 10 minutes offered"

saved=""
for _ in $(seq 1 40); do
    [ "$(interval_minutes)" = 10 ] && { saved=yes; break; }
    sleep 0.25
done
[ -n "$saved" ] || { "$cli" dump "$file"; fail "the snooze did not reach the file"; }
[ "$(field shown)" = "false" ] || fail "snoozed reminder saved as shown"
# The same layout: as long, and only the three fields' bytes differ.
[ "$(stat -c %s "$file")" = "$(stat -c %s "$tmp/before.km2")" ] || fail "the file's length changed"
changed="$(cmp -l "$tmp/before.km2" "$file" | wc -l || true)"
[ "$changed" -le 25 ] || fail "$changed bytes changed, more than the three fields hold"
"$cli" dump "$tmp/before.km2" | python3 -c 'import json, sys
before = json.load(sys.stdin)["reminders"][0]
after = json.load(open(sys.argv[1]))["reminders"][0]
for k in ("shown", "lastShown", "reshowInterval"):
    before.pop(k); after.pop(k)
sys.exit(0 if before == after else 1)' <("$cli" dump "$file") || fail "other fields changed in the file"
echo "snoozed: alert and notification gone, file layout kept ($changed bytes changed)"

# --- 3. Past midnight, the snooze ends: back once --------------------------------
mark="$(km_log_mark "$tmp/run.log")"
set_clock $(( snoozed_at + 9 * 60 ))
km_wait_quiet_pass "$tmp/run.log" "$mark" || fail "back before the snooze ended"
set_clock $(( snoozed_at + 10 * 60 + 1 ))
again="$(wait_alert 60)" || fail "the snoozed reminder did not come back"
[ "$(( $(fake_now) ))" -gt "$(epoch '2026-03-04 00:00:00')" ] || fail "the test did not cross midnight"
displayed 1 >/dev/null || fail "no notification for the snoozed reminder"
sleep 1
xdotool mousemove --window "$again" 227 203 click 1
wait_closed "$again" || fail "the alert did not close on OK"
displayed 0 >/dev/null || fail "the notification stayed after OK"
done_ok=""
for _ in $(seq 1 40); do
    [ "$(field shown)" = "true" ] && [ "$(interval_minutes)" = 1440 ] && { done_ok=yes; break; }
    sleep 0.25
done
[ -n "$done_ok" ] || { "$cli" dump "$file"; fail "OK did not end the snooze in the file"; }
mark="$(km_log_mark "$tmp/run.log")"
set_clock $(( snoozed_at + 60 * 60 ))
km_wait_quiet_pass "$tmp/run.log" "$mark" || fail "presented a third time"
echo "PASS"
