#!/usr/bin/env bash
# The main window on a desktop with a window manager and a tray, on
# Wednesday 10 March 2027: the icon is docked in the tray; activating the
# window or closing a dialog leaves the selected day alone; right-click
# menus act on the day clicked; the window hides to the tray and a click on
# the icon brings it back.
#   tests/e2e/desktop-tray-and-menus.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin desktop-tray-and-menus "${1:-}"
km_start_desktop

e2e_workspace desktop-tray-and-menus

step() { echo "desktop-tray-and-menus: $*"; }

"$cli" add "$file" --at 2027-03-12T09:00 --message "Dentist" >/dev/null
"$cli" add "$file" --at 2027-03-16T09:00 --message "Piano" >/dev/null
"$cli" add "$file" --at 2027-03-01T18:00 --message "Choir" --recurrence weekly >/dev/null

# The program's clock starts at noon on 10 March 2027; its timers keep the
# real monotonic clock. The program has several threads from its start, so
# it takes the library's thread-safe form (-m), as the other journeys do.
cat >"$work/at-march.sh" <<WRAP
#!/bin/sh
FAKETIME_DONT_FAKE_MONOTONIC=1 exec faketime -m -f '@2027-03-10 12:00:00' "$app" "\$@"
WRAP
chmod +x "$work/at-march.sh"
app="$work/at-march.sh"
e2e_start_main "$work/app.log" || fail "the main window did not open"

# 1 March 2027 is a Monday: the grid's second column.
cell() { # day -> the cell's top-left corner on the screen
    local off=$((1 + $1 - 1))
    echo $((mx + 230 + 53 * (off % 7))) $((my + 101 + 49 * (off / 7)))
}
# The day the "New" button presets: the editor's title names it.
new_day() {
    xdotool mousemove $((mx + 368)) $((my + 24)) click 1
    local editor
    editor="$(find_window '^Reminder for ' 20)" || { echo none; return; }
    # The day alone: a new reminder opens at an hour of its own.
    xdotool getwindowname "$editor" | sed 's/ [0-9][0-9:]*\( [AP]M\)\{0,1\}$//'
    xdotool windowactivate --sync "$editor" key Escape 2>/dev/null || xdotool key Escape
    for _ in $(seq 1 20); do find_window '^Reminder for ' 1 >/dev/null || break; done
    sleep 0.3
}
menu_new() { # keys to reach "New..." in the open menu -> the editor's title
    sleep 0.4
    xdotool key "$@" Return
    local editor
    editor="$(find_window '^Reminder for ' 20)" || { echo none; return; }
    # The day alone: a new reminder opens at an hour of its own.
    xdotool getwindowname "$editor" | sed 's/ [0-9][0-9:]*\( [AP]M\)\{0,1\}$//'
    xdotool key Escape
    for _ in $(seq 1 20); do find_window '^Reminder for ' 1 >/dev/null || break; done
    sleep 0.3
}

step "the icon is docked in the tray"
read -r ix iy < <(km_tray_icon) || fail "no icon in the tray"

step "activation leaves the selected day (today) alone"
[ "$(new_day)" = "Reminder for 10 Mar 2027" ] || fail "the start moved the selected day"
xdotool windowactivate --sync "$(xdotool search --classname '^panel$' | head -1)" 2>/dev/null || true
xdotool windowactivate --sync "$main"; sleep 0.5
got="$(new_day)"
[ "$got" = "Reminder for 10 Mar 2027" ] || fail "activation moved the selected day: $got"

step "a day chosen, the day list opened and closed: the day stays"
read -r l t < <(cell 11)
xdotool mousemove $((l + 26)) $((t + 24)) click 1; sleep 0.3
xdotool mousemove $((mx + 458)) $((my + 24)) click 1
list="$(find_window '^Reminders for|Kestrelmark' 20)" || true
sleep 0.5; xdotool key Escape; sleep 0.5
got="$(new_day)"
[ "$got" = "Reminder for 11 Mar 2027" ] || fail "closing the day list moved the selected day: $got"

step "New... over a weekly occurrence is for that day"
read -r l t < <(cell 22)
xdotool mousemove $((l + 24)) $((t + 27)) click 3
got="$(menu_new Down Down Down)"
[ "$got" = "Reminder for 22 Mar 2027" ] || fail "New... on the occurrence of the 22nd opened: $got"

step "a right click on an empty day selects it for New..."
read -r l t < <(cell 25)
xdotool mousemove $((l + 26)) $((t + 40)) click 3
got="$(menu_new Down)"
[ "$got" = "Reminder for 25 Mar 2027" ] || fail "New... on the empty 25th opened: $got"

step "the logo's menu after a dismissed icon menu is for the selected day"
read -r l t < <(cell 15)
xdotool mousemove $((l + 24)) $((t + 27)) click 3; sleep 0.4; xdotool key Escape; sleep 0.3
read -r l t < <(cell 26)
xdotool mousemove $((l + 26)) $((t + 40)) click 1; sleep 0.3
xdotool mousemove $((mx + 100)) $((my + 40)) click 3
got="$(menu_new Down)"
[ "$got" = "Reminder for 26 Mar 2027" ] || fail "New... of the logo's menu opened: $got"
import -window root "$shots/menus-done.png"

step "minimised, the window hides to the tray; a click on the icon brings it back"
xdotool windowminimize "$main"
for _ in $(seq 1 20); do
    xdotool search --onlyvisible --name 'Kestrelmark Personal Reminder Software' >/dev/null 2>&1 || break
    sleep 0.25
done
xdotool search --onlyvisible --name 'Kestrelmark Personal Reminder Software' >/dev/null 2>&1 && fail "the window did not hide"
import -window root "$shots/hidden.png"
read -r ix iy < <(km_tray_icon) || fail "the icon left the tray"
xdotool mousemove "$ix" "$iy" click 1
find_window 'Kestrelmark Personal Reminder Software' 20 >/dev/null || fail "a click on the icon did not bring the window back"
sleep 0.5
import -window root "$shots/restored.png"
got="$(new_day)"
[ "$got" = "Reminder for 26 Mar 2027" ] || fail "coming back from the tray moved the selected day: $got"
echo "desktop-tray-and-menus: PASS"
