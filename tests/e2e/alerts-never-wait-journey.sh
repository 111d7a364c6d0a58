#!/usr/bin/env bash
# Reminders that fall due behind open windows, on a desktop of its own
# (Xvfb, openbox, a notification server on the session bus that notes
# when each notification arrives):
#  a. a reminder falls due while Options is open: its notification comes
#     within 5 s of its time and its alert stands over Options; Options is
#     closed first, then the alert answered with OK, and the file shows
#     that reminder, and only it, answered;
#  b. with that alert still unanswered, a second reminder falls due: its
#     notification comes at its time too, its alert after the first;
#  c. another process adds and deletes reminders while the alerts are
#     open: OK still marks the alerted reminder, by its id, and the
#     second is answered for itself from its notification.
#   tests/e2e/alerts-never-wait-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin alerts-never-wait-journey "${1:-}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
e2e_workspace alerts-never-wait-journey
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
log="$work/app.log"
notes="$work/notifications.log"
step() { echo "alerts-never-wait-journey: $*"; }
# The command line's own trace stays out of the journey's output.
kmcli() { QT_LOGGING_RULES="" "$cli" "$@"; }

km_start_desktop --no-tray || fail "no desktop"
# The notification server; every line it writes is stamped as it comes.
/usr/bin/python3 -u "$here/lib/notifications.py" 2>"$work/server.err" |
    while IFS= read -r line; do printf '%s %s\n' "$(date +%s.%N)" "$line"; done >"$notes" &
for _ in $(seq 1 40); do
    grep -q ' serving$' "$notes" 2>/dev/null && break
    sleep 0.25
done
grep -q ' serving$' "$notes" || fail "the notification server did not start: $(cat "$work/server.err")"

# The desktop has no tray: that was told on an earlier start.
mkdir -p "$XDG_CONFIG_HOME/Quendrake Inc"
printf '[Options]\nTrayMissingReported=1\n' >"$XDG_CONFIG_HOME/Quendrake Inc/Kestrelmark.conf"
later="$(date -d '+40 days' +%Y-%m-%d)"
gone="$(date -d '+41 days' +%Y-%m-%d)"
kmcli add "$file" --at "${later}T09:00" --message "Later on" >/dev/null
kmcli add "$file" --at "${gone}T09:00" --message "Deleted elsewhere" >/dev/null
e2e_start_main "$log" || fail "the main window did not open"

# The messages of the file with their shown flags, "message=true|false".
shown_flags() {
    kmcli dump "$file" | python3 -c 'import json, sys
for r in sorted(json.load(sys.stdin)["reminders"], key=lambda r: r["message"]):
    print("%s=%s" % (r["message"], str(r["shown"]).lower()))'
}
# The arrival, in seconds since the epoch, of the notification naming text.
arrival() { # text seconds
    local line
    for _ in $(seq 1 $(( $2 * 4 ))); do
        line="$(grep -F " notify " "$notes" | grep -m 1 -F "$1" || true)"
        [ -n "$line" ] && { echo "${line%% *}"; return 0; }
        sleep 0.25
    done
    return 1
}
within() { # arrival due seconds
    python3 -c 'import sys; a, d, s = map(float, sys.argv[1:]); sys.exit(0 if -1 <= a - d <= s else 1)' "$@"
}
visible_alerts() { xdotool search --onlyvisible --name "^Kestrelmark Reminder$" 2>/dev/null | wc -l; }

# --- a. due while Options is open ----------------------------------------------
xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus --sync "$main"
xdotool key ctrl+o
options="$(find_window '^Options$' 40 "$pid")" || fail "Options did not open"
step "Options open"
# Added by another process while Options is open; nothing holds the list.
due_a=$(( $(date +%s) + 8 ))
due_b=$(( due_a + 12 ))
kmcli add "$file" --at "$(date -d "@$due_a" +%Y-%m-%dT%H:%M:%S)" --message "Water the ferns" --icon Gift >/dev/null
kmcli add "$file" --at "$(date -d "@$due_b" +%Y-%m-%dT%H:%M:%S)" --message "Call the garage" --icon Star >/dev/null

at_a="$(arrival "Water the ferns" 20)" || fail "no notification for the reminder due behind Options"
within "$at_a" "$due_a" 5 || fail "the notification came $(python3 -c "print(round($at_a - $due_a, 1))") s after its time"
step "notification $(python3 -c "print(round($at_a - $due_a, 1))") s after its time"
alert="$(wait_alert 10)" || fail "no alert window"
xdotool search --onlyvisible --name '^Options$' 2>/dev/null | grep -qx "$options" || fail "Options went away under the alert"
sleep 1
import -window root "$shots/alert-over-options.png" 2>/dev/null || true

# --- b. the second falls due behind the unanswered first -------------------------
at_b="$(arrival "Call the garage" 25)" || fail "no notification for the second reminder"
within "$at_b" "$due_b" 5 || fail "the second notification came $(python3 -c "print(round($at_b - $due_b, 1))") s after its time"
step "second notification $(python3 -c "print(round($at_b - $due_b, 1))") s after its time"
[ "$(visible_alerts)" = 1 ] || fail "$(visible_alerts) alert windows at once; the second waits for the first"

# --- c. another process adds and deletes while the alerts are open -------------------
mark="$(km_log_mark "$log")"
kmcli add "$file" --at "${later}T10:00" --message "Added elsewhere" >/dev/null
kmcli delete-range "$file" --from "$gone" --to "$gone" >/dev/null
km_wait_log "$log" "$mark" 'Took in outside changes' 10 >/dev/null || fail "the outside change was not taken in while the alerts were open"

# Options first (it is not blocked by the alert), then the alert.
xdotool windowactivate --sync "$options" 2>/dev/null || xdotool windowfocus --sync "$options"
xdotool key Escape
for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name '^Options$' 2>/dev/null | grep -qx "$options" || break
    sleep 0.25
done
xdotool search --onlyvisible --name '^Options$' 2>/dev/null | grep -qx "$options" && fail "Options could not be closed under the alert"
step "Options closed, the alert still open"
alert="$(wait_alert 5)" || fail "the alert went with Options"
sleep 0.5
xdotool mousemove --window "$alert" 227 203 click 1
flags=""
for _ in $(seq 1 40); do
    flags="$(shown_flags | tr '\n' ' ')"
    [ "$flags" = "Added elsewhere=false Call the garage=false Later on=false Water the ferns=true " ] && break
    sleep 0.25
done
[ "$flags" = "Added elsewhere=false Call the garage=false Later on=false Water the ferns=true " ] ||
    fail "after OK the file holds: $flags"
step "OK marked that reminder, and only it: $flags"

# The second's alert comes now; its notification's OK answers it.
wait_alert 10 >/dev/null || fail "the second alert did not follow the first"
dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
    org.kestrelmark.JourneyNotifications.InvokeAction string:ok
for _ in $(seq 1 40); do
    flags="$(shown_flags | tr '\n' ' ')"
    [ "$flags" = "Added elsewhere=false Call the garage=true Later on=false Water the ferns=true " ] && break
    sleep 0.25
done
[ "$flags" = "Added elsewhere=false Call the garage=true Later on=false Water the ferns=true " ] ||
    fail "after the notification's OK the file holds: $flags"
for _ in $(seq 1 20); do
    [ "$(visible_alerts)" = 0 ] && break
    sleep 0.25
done
[ "$(visible_alerts)" = 0 ] || fail "an alert stayed after both were answered"
grep -q "Setting Shown flag." "$log" || fail "no answer in the trace"
echo "PASS"
