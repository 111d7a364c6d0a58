#!/usr/bin/env bash
# The real program under a wall clock that moves while it runs (libfaketime
# reads the clock's offset from a file at every reading; the monotonic clock
# is left alone, as it is when a user sets the clock):
#  - the clock goes back an hour: a reminder due 40 s later comes in time;
#  - the clock jumps three hours past a one-time and a weekly reminder: both
#    come at once, each once;
#  - the program is stopped over a weekly occurrence: the next day's start
#    presents it once, and the start after that does not;
#  - the computer sleeps over a weekly occurrence: waking presents it.
#   tests/e2e/clock-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin clock-journey "${1:-}"
tmp="$(mktemp -d)"
pid=""
bus=""
login=""
cleanup() {
    [ -n "$pid" ] && stop "$pid"
    [ -n "$login" ] && kill "$login" 2>/dev/null
    [ -n "$bus" ] && kill "$bus" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    [ -f "$tmp/run.log" ] && tail -n 30 "$tmp/run.log"
    exit 1
}

km_fake_clock clock-journey "$tmp"
# OK on the alert, and waits for that window to close (the next alert may
# open at once in its place). The click is repeated: a dialog just mapped
# may not take it yet.
close_alert() { # window
    for _ in $(seq 1 6); do
        sleep 0.5
        alert_open "$1" || return 0
        xdotool mousemove --window "$1" 227 203 click 1 2>/dev/null || true
        for _ in $(seq 1 4); do
            alert_open "$1" || return 0
            sleep 0.25
        done
    done
    fail "the alert did not close"
}
shown() { # message: whether the file has that reminder marked shown
    "$cli" dump "$file" | python3 -c 'import json, sys
sys.exit(0 if any(r["message"] == sys.argv[1] and r["shown"] for r in json.load(sys.stdin)["reminders"]) else 1)' "$1"
}
start() {
    e2e_start_main "$tmp/run.log" || fail "no main window"
}
end() { stop "$pid"; pid=""; }
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

# --- 1. Set back an hour, across midnight -----------------------------------
e2e_home "$tmp/back"
due="$(epoch '2026-03-03 23:20:40')"   # a Tuesday, weekly from that day
"$cli" add "$file" --at "$(iso "$due")" --recurrence weekly --message "Call back" --icon Gift >/dev/null
set_clock $(( due + 3600 - 50 ))       # Wednesday: that Tuesday is over
start
km_wait_quiet_pass "$tmp/run.log" 0 || fail "the first pass did not run, or presented"
set_clock $(( due - 10 ))
alert="$(wait_alert 60)" || fail "no alert after the clock went back"
late=$(( $(fake_now) - due ))
[ "$late" -le 11 ] || fail "presented $late s after its time"
close_alert "$alert"
grep -Eq "The clock moved by -3[56][0-9][0-9] s" "$tmp/run.log" || fail "the jump back was not noticed"
end
echo "clock set back an hour: presented $late s after its time"

# --- 2. Forward three hours ---------------------------------------------------
e2e_home "$tmp/forward"
t0="$(epoch '2026-03-03 22:00:00')"
"$cli" add "$file" --at 2026-03-03T23:00:00 --recurrence weekly --message "Lock the shed" --icon Gift >/dev/null
"$cli" add "$file" --at 2026-03-04T00:30:00 --message "Take the pills" --icon Gift >/dev/null
"$cli" add "$file" --at 2026-03-04T14:00:00 --message "Not yet" --icon Gift >/dev/null
set_clock "$t0"
start
km_wait_quiet_pass "$tmp/run.log" 0 || fail "an alert before the jump"
set_clock $(( $(fake_now) + 3 * 3600 ))
jumped=$(date +%s)
first="$(wait_alert 10)" || fail "nothing presented after the jump forward"
[ $(( $(date +%s) - jumped )) -le 8 ] || fail "the jump was not acted on at once"
close_alert "$first"
second="$(wait_alert 5)" || fail "only one of the two presented"
close_alert "$second"
# Two minutes on, a jump again: the pass it brings at once finds nothing.
mark="$(km_log_mark "$tmp/run.log")"
set_clock $(( $(fake_now) + 120 ))
km_wait_quiet_pass "$tmp/run.log" "$mark" || fail "a third alert"
for _ in $(seq 1 40); do
    shown "Lock the shed" && shown "Take the pills" && break
    sleep 0.25
done
shown "Lock the shed" || fail "the weekly reminder is not marked shown"
shown "Take the pills" || fail "the one-time reminder is not marked shown"
shown "Not yet" && fail "a reminder of later that day was presented"
grep -q "Missed while away: Lock the shed" "$tmp/run.log" || fail "the weekly occurrence was not the missed one"
end
echo "clock forward three hours: both presented once"

# --- 3. Stopped over a weekly occurrence ---------------------------------------
e2e_home "$tmp/away"
"$cli" add "$file" --at 2026-01-06T10:00:00 --recurrence weekly --message "Put the bins out" --icon Gift >/dev/null
set_clock "$(epoch '2026-03-02 12:00:00')"   # Monday
start
km_wait_quiet_pass "$tmp/run.log" 0 || fail "an alert on Monday"
end
grep -rq "LastPassTime=2026-03-02T12:00" "$XDG_CONFIG_HOME" || fail "the last pass was not recorded"

set_clock "$(epoch '2026-03-04 09:00:00')"   # Wednesday
start
alert="$(wait_alert 15)" || fail "Tuesday's occurrence was not presented on Wednesday"
close_alert "$alert"
grep -q "Missed while away: Put the bins out" "$tmp/run.log" || fail "not presented as missed"
for _ in $(seq 1 40); do shown "Put the bins out" && break; sleep 0.25; done
shown "Put the bins out" || fail "not marked shown"
end

set_clock "$(epoch '2026-03-04 10:00:00')"
start
km_wait_quiet_pass "$tmp/run.log" 0 || fail "presented again at the next start"
end
echo "stopped over an occurrence: presented once at the next start"

# --- 4. Asleep over midnight ---------------------------------------------------
# A bus of our own stands in for the system bus, and a stand-in login
# manager on it says when the computer sleeps and wakes.
e2e_home "$tmp/asleep"
"$cli" add "$file" --at 2026-03-03T23:30:00 --recurrence weekly --message "Lock the door" --icon Gift >/dev/null
dbus-daemon --session --nofork --print-address=1 >"$tmp/bus" 2>/dev/null &
bus=$!
for _ in $(seq 1 20); do [ -s "$tmp/bus" ] && break; sleep 0.25; done
export DBUS_SYSTEM_BUS_ADDRESS="$(head -n 1 "$tmp/bus")"
/usr/bin/python3 - "$tmp" >"$tmp/login.log" 2>&1 <<'PY' &
import os, sys, time
import dbus
tmp = sys.argv[1]
bus = dbus.bus.BusConnection(os.environ["DBUS_SYSTEM_BUS_ADDRESS"])
bus.request_name("org.freedesktop.login1")
open(os.path.join(tmp, "login-ready"), "w").close()
for state, trigger in ((True, "sleep"), (False, "wake")):
    while not os.path.exists(os.path.join(tmp, trigger)):
        time.sleep(0.1)
    msg = dbus.lowlevel.SignalMessage("/org/freedesktop/login1", "org.freedesktop.login1.Manager", "PrepareForSleep")
    msg.append(dbus.Boolean(state))
    bus.send_message(msg)
    bus.flush()
time.sleep(1)
PY
login=$!
for _ in $(seq 1 40); do [ -e "$tmp/login-ready" ] && break; sleep 0.25; done
[ -e "$tmp/login-ready" ] || { cat "$tmp/login.log"; fail "no stand-in login manager"; }
set_clock "$(epoch '2026-03-03 22:00:00')"
start
km_wait_quiet_pass "$tmp/run.log" 0 || fail "the first pass did not run, or presented"
touch "$tmp/sleep"
km_wait_log "$tmp/run.log" 0 'Going to sleep\.' 10 >/dev/null || fail "the sleep was not heard"
set_clock "$(epoch '2026-03-04 07:00:00')"
touch "$tmp/wake"
woke=$(date +%s)
alert="$(wait_alert 10)" || fail "nothing presented on waking"
close_alert "$alert"
grep -q "Woken up." "$tmp/run.log" || fail "the wake-up was not heard"
grep -q "Missed while away: Lock the door" "$tmp/run.log" || fail "not presented as missed"
end
kill "$login" "$bus" 2>/dev/null || true
login=""
bus=""
echo "asleep over midnight: presented $(( $(date +%s) - woke )) s after waking"
echo "PASS"
