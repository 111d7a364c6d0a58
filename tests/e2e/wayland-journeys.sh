#!/usr/bin/env bash
# The journeys that matter to a user, in the real program as a native
# Wayland client under weston's headless back end, each case with its own
# compositor and session bus. No input can be synthesised there, so the
# windows are read and their buttons pressed through AT-SPI (as a screen
# reader would), the tray through its StatusNotifierItem, and everything is
# waited for as an event: a window, a trace line, the file.
#   start-no-tray  the one-time report of a missing tray, answered; the window stays
#   tray-item      the tray as a StatusNotifierItem: registered, Activate shows the window
#   alert          a due reminder: its alert asks for attention (a Wayland program
#                  may not raise itself), its notification is shown, OK marks it shown
#   snooze         Snooze from the alert's notification: alert and notification go,
#                  the file holds the 10-minute re-show
#   editor         "New reminder..." from the tray's menu, a message typed, OK: in the file
#   hand-over      a second start is refused; a start with a pack hands it over
# Screenshots of the windows go to $KM_E2E_SHOTS (default: a folder that ends
# with the case). KM_WAYLAND_SCALE=2 runs them at 200 %.
#   tests/e2e/wayland-journeys.sh [BUILD_DIR] [CASE...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lib/common.sh"

if [ -z "${KM_WAYLAND_CASE:-}" ]; then
    build="${1:-build}"
    cases=("${@:2}")
    ((${#cases[@]})) || cases=(start-no-tray tray-item alert snooze editor hand-over)
    failed=()
    for c in "${cases[@]}"; do
        echo "--- wayland: $c"
        if KM_WAYLAND_CASE="$c" timeout 120 bash "$0" "$build"; then
            echo "--- wayland: $c passed"
        else
            echo "--- wayland: $c FAILED"
            failed+=("$c")
        fi
    done
    ((${#failed[@]} == 0)) || { echo "wayland failures: ${failed[*]}"; exit 1; }
    echo "PASS"
    exit 0
fi

case_name="$KM_WAYLAND_CASE"
e2e_begin "wayland-$case_name" "${1:-}"
tmp="$(mktemp -d)"
pid=""
second=""
cleanup() {
    if [ -n "$second" ]; then stop "$second" || true; fi
    if [ -n "$pid" ]; then stop "$pid" || true; fi
    rm -rf "$tmp" || true
}
trap cleanup EXIT
shots="${KM_E2E_SHOTS:-$tmp/shots}"
mkdir -p "$shots"
scale="${KM_WAYLAND_SCALE:-1}"
fail() {
    echo "FAIL ($case_name): $*"
    km_weston_shot "$shots/wayland-$case_name-failure.png" || true
    [ -f "$tmp/run.log" ] && tail -n 30 "$tmp/run.log"
    exit 1
}
atspi() { km_python "$here/lib/atspi.py" "$@"; }
sni() { km_python "$here/lib/sni.py" "$@"; }
shot() { km_weston_shot "$shots/wayland-$case_name-$1@${scale}x.png" || fail "no screenshot $1"; }
wait_log() { # fixed text [seconds]
    for _ in $(seq 1 $(( ${2:-20} * 4 ))); do
        grep -qF "$1" "$tmp/run.log" && return 0
        kill -0 "$pid" 2>/dev/null || fail "the program ended"
        sleep 0.25
    done
    return 1
}
dumped() { # python expression over the reminders r, waited for
    for _ in $(seq 1 40); do
        "$cli" dump "$file" 2>/dev/null | python3 -c "import json,sys; r=json.load(sys.stdin)['reminders']; sys.exit(0 if ($1) else 1)" 2>/dev/null && return 0
        sleep 0.25
    done
    return 1
}
start_watcher() {
    sni watch >"$tmp/watcher.log" 2>&1 &
    for _ in $(seq 1 40); do grep -q watching "$tmp/watcher.log" && return 0; sleep 0.1; done
    fail "the StatusNotifierWatcher did not start"
}
# A notification server on the bus that records what it is asked to show.
start_notifications() {
    km_python "$here/lib/notifications.py" >"$tmp/notify.log" 2>&1 &
    for _ in $(seq 1 40); do grep -q serving "$tmp/notify.log" && return 0; sleep 0.1; done
    fail "the notification server did not start"
}
start_main() {
    "$app" >"$tmp/run.log" 2>&1 &
    pid=$!
    atspi window "$pid" 'Kestrelmark Personal Reminder Software' 30 >/dev/null || fail "no main window"
    grep -q "wayland" <(echo "$QT_QPA_PLATFORM") || fail "not on Wayland"
}

e2e_home "$tmp/home"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
km_start_weston "$scale" || fail "weston did not start"
start_notifications

case "$case_name" in
start-no-tray)
    start_main
    wait_log "Message box: TaskBarAddIcon failed.  Imagine that..." || fail "no report of the missing tray"
    atspi window "$pid" '^Kestrelmark$' >/dev/null || fail "the report is not a window"
    shot start-report
    atspi press "$pid" '^Kestrelmark$' OK || fail "could not answer the report"
    atspi gone "$pid" '^Kestrelmark$' || fail "the report stayed"
    atspi window "$pid" 'Kestrelmark Personal Reminder Software' 5 >/dev/null || fail "the main window went"
    shot main
    ;;
tray-item)
    start_watcher
    "$cli" add "$file" --at "$(date -d '+2 days' +%Y-%m-%dT10:00:00)" --message "Return the library books" --icon Gift >/dev/null
    start_main
    item="$(sni item 20)" || fail "no item registered"
    for _ in $(seq 1 40); do sni tooltip "$item" | grep -qF "Return the library books" && break; sleep 0.25; done
    sni tooltip "$item" | grep -qF "Return the library books" || fail "the tooltip does not name the next reminder"
    grep -q "TaskBarAddIcon failed" "$tmp/run.log" && fail "the item did not count as a tray"
    sni activate "$item" || fail "Activate failed"
    wait_log "OnNotifyIcon: single click." 10 || fail "Activate did not reach the program"
    atspi window "$pid" 'Kestrelmark Personal Reminder Software' 5 >/dev/null || fail "no window after Activate"
    shot main
    ;;
alert|snooze)
    "$cli" add "$file" --at "$(date -d '+4 seconds' +%Y-%m-%dT%H:%M:%S)" --message "Take the cake out" --icon Birthday >/dev/null
    start_main
    atspi press "$pid" '^Kestrelmark$' OK 5 >/dev/null 2>&1 || true   # the missing tray's report
    atspi window "$pid" 'Kestrelmark Reminder' 60 >/dev/null || fail "no alert"
    wait_log "the compositor decides what comes forward; asking for attention." 5 ||
        fail "the alert did not ask for attention"
    for _ in $(seq 1 40); do grep -q "^notify .*Take the cake out" "$tmp/notify.log" && break; sleep 0.25; done
    grep -q "^notify .*Take the cake out" "$tmp/notify.log" || fail "no notification"
    shot alert
    if [ "$case_name" = alert ]; then
        atspi press "$pid" 'Kestrelmark Reminder' OK || fail "could not press OK"
        atspi gone "$pid" 'Kestrelmark Reminder' || fail "the alert stayed"
        dumped 'r[0]["shown"]' || fail "the reminder was not saved as shown"
    else
        # The notification's Snooze button, as the desktop shows it (the
        # alert's Snooze menu is a popup, which Wayland opens only for a
        # click: a seatless compositor has none to give).
        dbus-send --session --type=method_call --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
            org.kestrelmark.JourneyNotifications.InvokeAction string:snooze || fail "could not press the notification's Snooze"
        atspi gone "$pid" 'Kestrelmark Reminder' || fail "the alert stayed"
        wait_log "Snoozed for 10 minutes." || fail "not snoozed"
        dumped 'not r[0]["shown"] and round(r[0]["reshowInterval"]["days"] * 1440) == 10' ||
            fail "the snooze did not reach the file"
    fi
    for _ in $(seq 1 40); do grep -q "^closed" "$tmp/notify.log" && break; sleep 0.25; done
    grep -q "^closed" "$tmp/notify.log" || fail "the notification was not withdrawn"
    ;;
editor)
    start_watcher
    start_main
    item="$(sni item 20)" || fail "no item registered"
    sni click "$item" "New reminder..." || fail "no 'New reminder...' in the tray's menu"
    atspi window "$pid" '^Reminder for ' >/dev/null || fail "the editor did not open"
    atspi type "$pid" '^Reminder for ' "Piano lesson" || fail "could not type the message"
    shot editor
    atspi press "$pid" '^Reminder for ' OK || fail "could not press OK"
    atspi gone "$pid" '^Reminder for ' || fail "the editor stayed"
    dumped 'any(x["message"] == "Piano lesson" for x in r)' || fail "the new reminder is not in the file"
    ;;
hand-over)
    start_main
    atspi press "$pid" '^Kestrelmark$' OK 5 >/dev/null 2>&1 || true   # the missing tray's report
    "$app" >"$tmp/second.log" 2>&1 &
    second=$!
    for _ in $(seq 1 80); do
        grep -q "Another copy of Kestrelmark is running." "$tmp/second.log" && break
        sleep 0.25
    done
    grep -q "Another copy of Kestrelmark is running." "$tmp/second.log" || fail "no 'Another copy' message"
    atspi press "$second" '^Kestrelmark$' OK || fail "could not answer the second copy"
    for _ in $(seq 1 40); do kill -0 "$second" 2>/dev/null || break; sleep 0.25; done
    kill -0 "$second" 2>/dev/null && fail "the second copy did not end"
    second=""
    cp "$here/data/friend's picnic.rpk" "$tmp/friend's picnic.rpk"
    "$app" "$tmp/friend's picnic.rpk" >"$tmp/third.log" 2>&1 || fail "the hand-over failed"
    wait_log "Message box: Reminder Pack successfully imported." || fail "no import report"
    atspi press "$pid" '^Kestrelmark$' OK || fail "could not answer the import report"
    dumped "any(x['message'] == \"Picnic from a friend's pack\" for x in r)" || fail "the pack was not imported"
    ;;
*)
    fail "no case $case_name"
    ;;
esac
kill -0 "$pid" 2>/dev/null || fail "the program ended"
echo "PASS ($case_name)"
