#!/usr/bin/env bash
# The tray as KDE and GNOME's AppIndicator show it: a StatusNotifierWatcher
# on the private session bus (no XEmbed tray on the display). The program's
# item registers; its tooltip names the next reminder and follows a change
# made by kestrelmark-cli; the window minimised into the item comes back on
# Activate; the menu read through com.canonical.dbusmenu lists the tray's
# commands, and "Toggle interface sounds on/off" runs from it.
#   tests/e2e/sni-tray-journey.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lib/common.sh"
e2e_begin sni-tray-journey "${1:-}"
tmp="$(mktemp -d)"
pid=""
cleanup() {
    if [ -n "$pid" ]; then stop "$pid" || true; fi
    rm -rf "$tmp" || true
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/run.log" ] && tail -n 30 "$tmp/run.log"; exit 1; }
sni() { km_python "$here/lib/sni.py" "$@"; }
wait_tip() { # text the tooltip comes to hold
    for _ in $(seq 1 80); do
        sni tooltip "$item" 2>/dev/null | grep -qF "$1" && return 0
        sleep 0.25
    done
    return 1
}

e2e_home "$tmp/home"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
"$cli" add "$file" --at "$(date -d '+3 days' +%Y-%m-%dT09:00:00)" --message "Dentist at nine" --icon Gift >/dev/null

km_start_desktop --no-tray || fail "no desktop"
km_python "$here/lib/sni.py" watch >"$tmp/watcher.log" 2>&1 &
for _ in $(seq 1 40); do grep -q watching "$tmp/watcher.log" && break; sleep 0.1; done
grep -q watching "$tmp/watcher.log" || fail "the watcher did not start"

"$app" >"$tmp/run.log" 2>&1 &
pid=$!
item="$(sni item 20)" || fail "no item registered with the watcher"
main="$(find_window 'Kestrelmark Personal Reminder Software')" || fail "no main window"
grep -q "TaskBarAddIcon failed" "$tmp/run.log" && fail "the item did not count as a tray"
echo "item $item registered"

wait_tip "Dentist at nine" || fail "the tooltip does not name the next reminder: $(sni tooltip "$item")"
"$cli" add "$file" --at "$(date -d '+1 day' +%Y-%m-%dT08:00:00)" --message "Call the plumber" --icon Gift >/dev/null
wait_tip "Call the plumber" || fail "the tooltip did not follow the change: $(sni tooltip "$item")"
echo "tooltip: $(sni tooltip "$item")"

# Minimised into the item, back on Activate.
xdotool windowminimize "$main"
for _ in $(seq 1 40); do
    xdotool search --onlyvisible --name 'Kestrelmark Personal Reminder Software' >/dev/null 2>&1 || break
    sleep 0.25
done
xdotool search --onlyvisible --name 'Kestrelmark Personal Reminder Software' >/dev/null 2>&1 &&
    fail "the window did not hide into the item"
sni activate "$item" || fail "Activate failed"
find_window 'Kestrelmark Personal Reminder Software' >/dev/null || fail "Activate did not show the window"
echo "hidden into the item and back on Activate"

labels="$(sni labels "$item")" || fail "the menu could not be read"
for label in "Show Kestrelmark" "New reminder..." "Options..." "Toggle interface sounds on/off" "Close Kestrelmark"; do
    grep -qxF "$label" <<<"$labels" || { echo "$labels"; fail "no '$label' in the menu"; }
done
sni click "$item" "Toggle interface sounds on/off" || fail "the entry could not be triggered"
for _ in $(seq 1 40); do grep -q "Sound is now off." "$tmp/run.log" && break; sleep 0.25; done
grep -q "Sound is now off." "$tmp/run.log" || fail "the menu entry did not run its command"
echo "menu read and an entry triggered"
echo "PASS"
