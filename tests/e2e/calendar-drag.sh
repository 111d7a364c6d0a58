#!/usr/bin/env bash
# Dragging reminders on the calendar of the real program under a virtual
# display: a reminder's icon dragged from the 10th to the 12th keeps its time
# and every other field in the saved file; then held at the right edge of
# the grid until the month steps and dropped there, it lands on the day
# under the pointer in the next month.
#   tests/e2e/calendar-drag.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin calendar-drag "${1:-}"
km_start_desktop

work="$(mktemp -d)"
trap 'kill ${pid:+"$pid"} 2>/dev/null || true; rm -rf "$work"' EXIT
e2e_home "$work"
folder="$XDG_DATA_HOME/Quendrake Inc/Kestrelmark"
shots="${KM_E2E_SHOTS:-$work/shots}"
mkdir -p "$shots"

fail() { echo "calendar-drag: FAIL: $*" >&2; import -window root "$shots/failure.png" 2>/dev/null || true; exit 1; }
step() { echo "calendar-drag: $*"; }
dump_json() { "$cli" dump "$file" 2>/dev/null; }
wait_for() { # python expression over the list r of reminders
    for _ in $(seq 1 60); do
        if dump_json | python3 -c "import json,sys; r=json.load(sys.stdin)['reminders']; sys.exit(0 if ($1) else 1)" 2>/dev/null; then
            return 0
        fi
        sleep 0.25
    done
    return 1
}

# Everything happens in next month, so that no reminder falls due meanwhile.
thisfirst=$(date -u +%Y-%m-01)
first=$(date -u -d "$thisfirst +1 month" +%Y-%m-01)
year=$(date -u -d "$first" +%Y); month=$(date -u -d "$first" +%m)
firstdow=$(date -u -d "$first" +%w)
nextfirst=$(date -u -d "$first +1 month" +%Y-%m-01)
nextdow=$(date -u -d "$nextfirst" +%w)

step "a reminder on the 10th at 14:30 with a re-show interval of six hours"
"$cli" add "$file" --at "$year-$month-10T14:30" --message "Dentist" --icon Telephone \
    --notice 1d2h --sound ding.wav --private >/dev/null
"$cli" add "$file" --at "$year-$month-03T08:00" --message "Other" >/dev/null
# The command line has no option for the re-show interval: set its bytes
# (the one double 1.0 of the file) to 0.25 days.
python3 - "$file" <<'PY'
import struct, sys
path = sys.argv[1]
data = open(path, 'rb').read()
one = struct.pack('<d', 1.0)
assert data.count(one) == 2, data.count(one)
open(path, 'wb').write(data.replace(one, struct.pack('<d', 0.25)))
PY
wait_for "sum(x['reshowInterval']['days']==0.25 for x in r)==2" || fail "could not prepare the reminder file"
dump_json | python3 -c "
import json,sys
r=[x for x in json.load(sys.stdin)['reminders'] if x['message']=='Dentist'][0]
del r['dateTime']; json.dump(r, open('$work/before.json','w'), sort_keys=True)"

e2e_start_main "$work/app.log" || fail "the main window did not open"
cx=$((mx + 230)); cy=$((my + 101))
month_display() { import -window root -crop "89x21+$((mx + 346))+$((my + 58))" "$work/month.png"; md5sum <"$work/month.png"; }

step "step the month spin up to next month"
shown="$(month_display)"
if [ "$(date -u +%m)" = 12 ]; then
    # The month spin stops at December: a year up, then eleven months down.
    xdotool mousemove $((mx + 487 + 8)) $((my + 55 + 5)) click 1; sleep 0.3
    xdotool mousemove $((mx + 330 + 8)) $((my + 55 + 19)) click --repeat 11 --delay 150 1; sleep 0.5
else
    xdotool mousemove $((mx + 330 + 8)) $((my + 55 + 5)) click 1; sleep 0.5
fi
xdotool mousemove $((mx + 100)) $((my + 300)); sleep 0.3
[ "$(month_display)" != "$shown" ] || fail "the month spin did not step"

cell() { # day, first weekday -> cell left and top on the screen
    local off=$(($2 + $1 - 1))
    echo $((cx + 53 * (off % 7))) $((cy + 49 * (off / 7)))
}
read -r sl st < <(cell 10 "$firstdow")
read -r tl tt < <(cell 12 "$firstdow")

drag_from() { # icon centre x y: press and start the drag
    xdotool mousemove "$1" "$2"; sleep 0.3
    xdotool mousedown 1; sleep 0.2
    xdotool mousemove $(($1 + 3)) $(($2 + 2)); sleep 0.1
    xdotool mousemove $(($1 + 8)) $(($2 + 5)); sleep 0.1
}
glide_to() { # x y in four steps from where the pointer is
    eval "$(xdotool getmouselocation --shell)"
    for i in 1 2 3 4; do
        xdotool mousemove $((X + ($1 - X) * i / 4)) $((Y + ($2 - Y) * i / 4)); sleep 0.08
    done
}

step "drag the icon of the 10th to the 12th"
xdotool mousemove $((mx + 100)) $((my + 300)); sleep 0.5
import -window root "$shots/drag-before.png"
drag_from $((sl + 24)) $((st + 27))
glide_to $((tl + 26)) $((tt + 30))
sleep 0.3
import -window root "$shots/drag-held.png"
xdotool mouseup 1
sleep 0.3
import -window root "$shots/drag-after.png"
wait_for "[x['dateTime']['iso'] for x in r if x['message']=='Dentist']==['$year-$month-12T14:30:00']" \
    || { dump_json >&2 || true; fail "the dragged reminder is not on the 12th at 14:30 in the saved file"; }
dump_json | python3 -c "
import json,sys
r=[x for x in json.load(sys.stdin)['reminders'] if x['message']=='Dentist'][0]
del r['dateTime']
before=json.load(open('$work/before.json'))
sys.exit(0 if r==before else 'fields changed: %s' % {k:(before[k],r[k]) for k in r if before.get(k)!=r[k]})" \
    || fail "the drag changed more than the date"
wait_for "[x['dateTime']['iso'] for x in r if x['message']=='Other']==['$year-$month-03T08:00:00']" \
    || fail "the other reminder moved"

step "hold it at the right edge until the month steps, and drop it there"
shown="$(month_display)"
read -r tl tt < <(cell 12 "$firstdow")
drag_from $((tl + 24)) $((tt + 27))
edge_y=$((cy + 49 * 2 + 24))
glide_to $((cx + 371)) "$edge_y"
stepped=""
for _ in $(seq 1 40); do
    if [ "$(month_display)" != "$shown" ]; then stepped=1; break; fi
    sleep 0.05
done
import -window root "$shots/bump-held.png"
xdotool mouseup 1
[ -n "$stepped" ] || fail "the month did not step while the icon was held at the right edge"
sleep 0.3
import -window root "$shots/bump-after.png"
# The pointer is held 16 pixels inside the grid: the last column, third row,
# of the month shown at the drop (the month may step again while the
# screen is being looked at, so the one after next counts as well).
landing() { # first day of a month -> that cell's date
    local dow day
    dow=$(date -u -d "$1" +%w)
    day=$((2 * 7 + 6 - dow + 1))
    echo "$(date -u -d "$1 +$((day - 1)) days" +%Y-%m-%d)T14:30:00"
}
want="$(landing "$nextfirst")"
later="$(landing "$(date -u -d "$nextfirst +1 month" +%Y-%m-01)")"
wait_for "[x['dateTime']['iso'] for x in r if x['message']=='Dentist'] in (['$want'], ['$later'])" \
    || { dump_json >&2 || true; fail "the reminder held at the edge did not land on $want"; }
step "PASS"
