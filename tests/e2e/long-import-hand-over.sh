#!/usr/bin/env bash
# A long calendar import in the running program: the please-wait window
# shows while it runs, and a pack handed over by a second start meanwhile
# is taken (the second start ends without the "Another copy" message) and
# imported after the calendar file.
#   tests/e2e/long-import-hand-over.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin long-import-hand-over "${1:-}"
km_start_desktop
tmp="$(mktemp -d)"
first=""
second=""
cleanup() {
    [ -n "$first" ] && stop "$first"
    [ -n "$second" ] && stop "$second"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/first.log" ] && tail -n 30 "$tmp/first.log"; exit 1; }

e2e_home "$tmp"
rows=${KM_E2E_IMPORT_ROWS:-80000}
python3 - "$tmp/big.csv" "$rows" <<'PY'
import sys
with open(sys.argv[1], "w", newline="") as f:
    f.write("Subject,Start Date,Start Time,Description\r\n")
    for i in range(int(sys.argv[2])):
        f.write("Gift,%d/%d/%d,9:%02d:00 AM,Row %d of a long calendar with a longer description\r\n"
                % (1 + i % 12, 1 + i % 28, 2020 + i % 10, i % 60, i))
PY
"$cli" add "$tmp/pack-source.km2" --at 2030-05-01T09:00 --message "From the pack" >/dev/null
"$cli" export "$tmp/pack-source.km2" "$tmp/good.rpk" --select 0 >/dev/null

"$app" "$tmp/big.csv" >"$tmp/first.log" 2>&1 &
first=$!
find_window "Please wait" 240 "$first" >/dev/null || fail "no please-wait window during the import"
import -window root "$tmp/wait.png" 2>/dev/null || true

"$app" "$tmp/good.rpk" >"$tmp/second.log" 2>&1 &
second=$!
for _ in $(seq 1 240); do
    kill -0 "$second" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$second" 2>/dev/null && fail "the second start still waits"
wait "$second" || fail "the second start failed: $(cat "$tmp/second.log")"
second=""
grep -q "Another copy" "$tmp/second.log" && fail "the second start said another copy runs"

# Both imports end in their message boxes (and a missing tray may add one);
# each is answered, and the list is saved after the last.
focus() { xdotool mousemove --window "$1" 10 10 windowfocus "$1"; sleep 0.2; }
saved=""
for _ in $(seq 1 480); do
    if "$cli" dump "$file" 2>/dev/null | grep -q '"message": "From the pack"'; then
        saved=yes
        break
    fi
    for box in $(xdotool search --all --onlyvisible --pid "$first" --name '^Kestrelmark$' 2>/dev/null); do
        focus "$box"; xdotool key Return 2>/dev/null || true
    done
    sleep 0.5
done
[ -n "$saved" ] || fail "the handed-over pack was not imported"
stop "$first"
first=""
count="$("$cli" dump "$file" | grep -c '"message"' || true)"
[ "$count" -ge "$rows" ] || fail "only $count reminders after the import"
echo "long import shown with progress; the handed-over pack imported after it ($count reminders)"
