#!/usr/bin/env bash
# A person's journey through the reminder editor, in the real program under
# a virtual display: double-click an empty day, type a message, set a time
# and a weekly recurrence, pick an icon, OK; find the reminder in the saved
# file and on the calendar; edit it from the day list; delete it.
#   tests/e2e/editor-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin editor-journey "${1:-}"
km_start_desktop

e2e_workspace editor-journey

step() { echo "editor-journey: $*"; }
click_at() { xdotool mousemove "$1" "$2" click 1; sleep 0.3; }
dump_json() { "$cli" dump "$file" 2>/dev/null; }
wait_for() { # python expression over the list r of reminders
    for _ in $(seq 1 40); do
        if dump_json | python3 -c "import json,sys; r=json.load(sys.stdin)['reminders']; sys.exit(0 if ($1) else 1)" 2>/dev/null; then
            return 0
        fi
        sleep 0.25
    done
    return 1
}

e2e_start_main "$work/app.log" || fail "the main window did not open"

# The 20th of this month, its weekday's cell next week, and the 21st.
first=$(date -u +%Y-%m-01)
firstdow=$(date -u -d "$first" +%w)
year=$(date -u +%Y); month=$(date -u +%m)
cell() { # day -> centre "x y" and the cell rectangle
    local off=$((firstdow + $1 - 1))
    local col=$((off % 7)) row=$((off / 7))
    echo $((mx + 230 + 53 * col + 26)) $((my + 101 + 49 * row + 24)) $((mx + 230 + 53 * col)) $((my + 101 + 49 * row))
}
read -r dx dy dl dt < <(cell 20)
read -r wx wy wl wt < <(cell 27)
read -r ox oy ol ot < <(cell 21)

step "select the 20th, then double-click it"
click_at "$dx" "$dy"
xdotool mousemove $((mx + 100)) $((my + 300)); sleep 0.5
import -window root "$shots/before.png"
xdotool mousemove "$dx" "$dy" click --repeat 2 --delay 90 1
editor="$(find_window '^Reminder for ')" || fail "the editor did not open on a double-click of an empty day"
read -r ex ey < <(origin "$editor")
import -window root "$shots/editor.png"

step "type the message, 7:45 PM, weekly, the Rings icon, OK"
xdotool type --delay 30 "Piano lesson"
click_at $((ex + $(dux 15) + 12)) $((ey + $(duy 17) + 11))
xdotool key ctrl+a; xdotool type "7"
click_at $((ex + $(dux 52) + 12)) $((ey + $(duy 17) + 11))
xdotool key ctrl+a; xdotool type "45"
click_at $((ex + $(dux 92) + 6)) $((ey + $(duy 25) + 9))
click_at $((ex + $(dux 81) + 6)) $((ey + $(duy 72) + 9))
# Icon list cells run down the columns: column 2, row 0 is icon 4.
click_at $((ex + $(dux 164) + 2 + 72 + 18)) $((ey + $(duy 16) + 2 + 18))
import -window root "$shots/editor-filled.png"
click_at $((ex + $(dux 194) + 37)) $((ey + $(duy 203) + 11))
sleep 0.5
xdotool search --onlyvisible --name '^Reminder for ' >/dev/null 2>&1 && fail "the editor stayed open after OK"

step "the reminder reaches the file within seconds"
wait_for "len(r)==1 and r[0]['message']=='Piano lesson' and r[0]['recurrence']==3 and r[0]['iconName']=='Rings' and r[0]['dateTime']['iso']=='$year-$month-20T19:45:00'" \
    || { dump_json >&2 || true; fail "the new reminder is not in the saved file as entered"; }

step "the calendar shows its icon on the 20th and a week later, not on the 21st"
xdotool mousemove $((mx + 100)) $((my + 300)); sleep 0.8
import -window root "$shots/after.png"
changed() { # left top -> number of pixels that differ in that cell
    compare -metric AE -crop "53x49+$1+$2" "$shots/before.png" "$shots/after.png" null: 2>&1 | cut -d' ' -f1
}
[ "$(changed "$dl" "$dt")" -gt 50 ] || fail "no icon appeared in the cell of the 20th"
[ "$(changed "$wl" "$wt")" -gt 50 ] || fail "no icon appeared a week later"
[ "$(changed "$ol" "$ot")" -lt 10 ] || fail "the 21st changed too"

step "edit it from the day list"
xdotool windowfocus "$main"; xdotool key ctrl+l
list="$(find_window '^Edit reminders$')" || fail "the day list did not open"
read -r lx ly < <(origin "$list")
import -window root "$shots/daylist.png"
click_at $((lx + $(dux 62) + 37)) $((ly + $(duy 129) + 11))
editor="$(find_window '^Reminder for ')" || fail "Edit did not open the editor"
read -r ex ey < <(origin "$editor")
xdotool key ctrl+a; xdotool type --delay 30 "Piano lesson moved"
click_at $((ex + $(dux 194) + 37)) $((ey + $(duy 203) + 11))
wait_for "len(r)==1 and r[0]['message']=='Piano lesson moved' and r[0]['recurrence']==3" \
    || { dump_json >&2 || true; fail "the edit did not reach the file"; }

step "delete it from the day list"
click_at $((lx + $(dux 117) + 37)) $((ly + $(duy 129) + 11))
question="$(find_window '^Kestrelmark$' 20)" || fail "no delete question"
xdotool windowfocus "$question" key alt+y
sleep 0.5
wait_for "len(r)==0" || { dump_json >&2 || true; fail "the reminder was not deleted"; }
xdotool key Escape
step "PASS"
