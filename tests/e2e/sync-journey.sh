#!/usr/bin/env bash
# The calendar sync on the real program: a CalDAV server of its own on
# 127.0.0.1, a secret store in a private session bus; the account entered
# under Options, a reminder made in the window, and the reminder on the
# server within seconds. The password stays out of the settings.
#   tests/e2e/sync-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin sync-journey "${1:-}"

command -v radicale >/dev/null || { echo "sync-journey: SKIP: radicale is not installed"; exit 0; }
# The secret store lives on a session bus of this run alone.
if [ -z "${KM_E2E_BUS:-}" ]; then
    export KM_E2E_BUS=1
    exec dbus-run-session -- "$0" "$build"
fi

work="$(mktemp -d)"
# A pid of 0 would end the whole process group, this script with it.
trap 'kill ${pid:+"$pid"} ${server:+"$server"} ${keyring:+"$keyring"} 2>/dev/null || true; rm -rf "$work"' EXIT
e2e_home "$work"
shots="${KM_E2E_SHOTS:-$work/shots}"
mkdir -p "$shots"

fail() { echo "sync-journey: FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "sync-journey: $*"; }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }

step "start the calendar server and the secret store"
user=walker password='correct horse'
km_start_radicale "$work" "$user" "$password" || fail "radicale did not start"
port=$radicale_port server=$radicale_pid
printf 'unlock' | gnome-keyring-daemon --unlock --components=secrets >"$work/keyring.env"
keyring=$(sed -n 's/^GNOME_KEYRING_PID=//p' "$work/keyring.env")

e2e_start_main "$work/app.log" || fail "the main window did not open"

step "no account: the program asks nothing of the network"
sleep 3
grep -q "using 'Kestrelmark'" "$work/radicale.log" && fail "the program reached the server before any account was entered"

step "enter the account under Options"
xdotool windowfocus "$main"; xdotool key ctrl+o
options="$(find_window '^Options$')" || fail "Options did not open"
sleep 0.5
xdotool key alt+a; xdotool type --delay 20 "http://127.0.0.1:$port/"
xdotool key alt+u; xdotool type --delay 20 "$user"
xdotool key alt+w; xdotool type --delay 20 "$password"
import -window root "$shots/options.png"
xdotool key Return
sleep 1
grep -rq "correct horse" "$XDG_CONFIG_HOME" && fail "the password was written to the settings"
grep -rq "127.0.0.1:$port" "$XDG_CONFIG_HOME" || fail "the account was not kept"

step "make a reminder on the 20th"
first=$(date -u +%Y-%m-01)
firstdow=$(date -u -d "$first" +%w)
off=$((firstdow + 19))
dx=$((mx + 230 + 53 * (off % 7) + 26)); dy=$((my + 101 + 49 * (off / 7) + 24))
click_at "$dx" "$dy"
xdotool mousemove "$dx" "$dy" click --repeat 2 --delay 90 1
editor="$(find_window '^Reminder for ')" || fail "the editor did not open"
read -r ex ey < <(origin "$editor")
xdotool type --delay 30 "Water the ferns"
click_at $((ex + $(dux 194) + 37)) $((ey + $(duy 203) + 11))

step "the reminder reaches the server within seconds"
found=""
for _ in $(seq 1 60); do
    found="$(grep -rl "Water the ferns" "$work/storage" --include='*.ics' 2>/dev/null | grep -v Radicale.cache || true)"
    [ -n "$found" ] && break
    sleep 0.5
done
[ -n "$found" ] || { cat "$work/app.log" >&2; fail "the reminder did not reach the server"; }
grep -q "using 'Kestrelmark'" "$work/radicale.log" || fail "the server's log does not show the program"

step "the status line says when it last synced"
xdotool windowfocus "$main"; xdotool key ctrl+o
options="$(find_window '^Options$')" || fail "Options did not open again"
sleep 0.5
import -window root "$shots/status.png"
# Nothing was simplified or left out: no Details to offer.
xdotool key alt+d
find_window '^Kestrelmark$' 4 >/dev/null && fail "Details were offered after a sync with nothing to say"
xdotool key Escape

step "a phone's event with a moved occurrence: Details says what the sync simplified"
curl -s -f -u "$user:$password" -X PUT -H 'Content-Type: text/calendar' \
    --data-binary @"$(dirname "${BASH_SOURCE[0]}")/../data/sync/phone-event.ics" \
    "http://127.0.0.1:$port/$user/$(basename "$(dirname "$found")")/phone-team-call.ics" >/dev/null \
    || fail "the server refused the phone's event"
xdotool windowfocus "$main"; xdotool key ctrl+o
options="$(find_window '^Options$')" || fail "Options did not open for Sync now"
sleep 0.5
xdotool key alt+y
for _ in $(seq 1 60); do
    grep -rqs "phone-team-call" "$XDG_DATA_HOME" --include='*Sync.json' && break
    sleep 0.5
done
grep -rqs "phone-team-call" "$XDG_DATA_HOME" --include='*Sync.json' || fail "Sync now did not bring the phone's event"
for _ in $(seq 1 20); do
    xdotool key alt+d
    details="$(find_window '^Kestrelmark$' 4)" && break
done
[ -n "${details:-}" ] || fail "Details did not open after a sync that simplified an event"
import -window root "$shots/details.png"
xdotool key Return
sleep 0.3
xdotool key Escape

step "a second computer gets it through the command line"
printf '%s\n' "$password" >"$work/pw"
"$cli" sync "$work/second.km2" --url "http://127.0.0.1:$port/" --user "$user" --password-file "$work/pw" >"$work/second.json" \
    || fail "the second computer could not sync: $(cat "$work/second.json")"
"$cli" dump "$work/second.km2" | grep -q "Water the ferns" || fail "the second computer did not get the reminder"
step "PASS"
