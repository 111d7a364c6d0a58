#!/usr/bin/env bash
# The main window on a desktop with a window manager and no tray: the
# missing tray is reported at the first start only, and the window's own
# menu (right click on its background or its logo) carries the tray's
# commands: the sound toggle and Close among them.
#   tests/e2e/desktop-without-tray.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin desktop-without-tray "${1:-}"
km_start_desktop --no-tray

e2e_workspace desktop-without-tray
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

step() { echo "desktop-without-tray: $*"; }
report="Message box: TaskBarAddIcon failed.  Imagine that..."

step "the first start reports the missing tray"
e2e_start_main "$work/first.log" || fail "the main window did not open"
grep -qF "$report" "$work/first.log" || fail "no report of the missing tray"
stop "$pid"

step "the second start does not"
e2e_start_main "$work/second.log" || fail "the main window did not open again"
sleep 1
grep -qF "$report" "$work/second.log" && fail "the missing tray was reported again"

step "the background's menu toggles the interface sounds"
xdotool mousemove $((mx + 5)) $((my + 200)) click 3; sleep 0.5
import -window root "$shots/background-menu.png"
# From the bottom: "Close Kestrelmark", then the sound toggle.
xdotool key Up Up Return
for _ in $(seq 1 20); do grep -q "Message box: Sound is now off." "$work/second.log" && break; sleep 0.25; done
grep -q "Message box: Sound is now off." "$work/second.log" || fail "the sound toggle did not run"
box="$(find_window '^Kestrelmark$' 20)" || fail "no sound message"
xdotool windowactivate --sync "$box" key Return 2>/dev/null || xdotool key Return
sleep 0.5

step "the logo's menu closes the program through the close question"
xdotool mousemove $((mx + 100)) $((my + 40)) click 3; sleep 0.5
xdotool key Up Return
find_window 'Close Warning' 20 >/dev/null || fail "Close Kestrelmark did not ask"
import -window root "$shots/close-question.png"
echo "desktop-without-tray: PASS"
