#!/usr/bin/env bash
# The real program and other writers of its reminder file:
# - a reminder added with kestrelmark-cli while the program runs is taken in
#   within seconds and is still in the file after the program's own save
#   and its end;
# - a damaged reminder file with the weekly backup due leaves the good
#   backup byte for byte as it was;
# - a reminder file that cannot be read is byte for byte the same after the
#   program ran and ended;
# - SIGTERM while saves fail (a read-only folder) ends the program within
#   seconds, without a box.
#   tests/e2e/shared-file-journeys.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lib/common.sh"
e2e_begin shared-file-journeys "${1:-}"
km_start_desktop
source "$here/lib/store.sh"
tmp="$(mktemp -d)"
pid=""
cleanup() {
    [ -n "$pid" ] && stop "$pid"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/app.log" ] && tail -n 30 "$tmp/app.log"; exit 1; }
shim="$(build_deny_shim "$tmp")" || fail "cannot build the preload library"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"

start() { # extra environment...
    env "$@" "$app" >"$tmp/app.log" 2>&1 &
    pid=$!
    # A message at start-up comes before the main window.
    answer_boxes 3
    find_window 'Kestrelmark Personal Reminder Software' >/dev/null || fail "no main window"
}
# The alert of the reminder due soon, answered with OK (it is marked shown).
press_alert_ok() {
    local alert=""
    for _ in $(seq 1 150); do
        alert="$(xdotool search --onlyvisible --name 'Kestrelmark Reminder' 2>/dev/null | head -n 1 || true)"
        [ -n "$alert" ] && break
        sleep 0.5
    done
    [ -n "$alert" ] || fail "no alert"
    xdotool windowfocus "$alert" key Return
}

# --- 1. An outside addition, the program's own save, its end -------------
e2e_home "$tmp/one"
# Due around the outside addition: outside changes are taken in while an
# alert is open.
"$cli" add "$file" --at "$(date -d '+30 seconds' +%Y-%m-%dT%H:%M:%S)" --message "Due soon" >/dev/null
start
answer_boxes 2
"$cli" add "$file" --at "$(date -d '+20 days' +%Y-%m-%dT09:00:00)" --message "Added from outside" >/dev/null \
    || fail "kestrelmark-cli add failed while the program ran"
wait_for_log "$tmp/app.log" "Took in outside changes" 5 || fail "the outside addition was not taken in"
import -window root "$tmp/one.png" 2>/dev/null || true
# The alert's OK marks the first reminder shown: the program saves its list.
press_alert_ok
for _ in $(seq 1 40); do
    "$cli" dump "$file" | grep -q '"shown": true' && break
    sleep 0.25
done
"$cli" dump "$file" | grep -q '"shown": true' || fail "the program's save did not reach the file"
messages_of "$file" | grep -qx "Added from outside" || fail "the program's save lost the outside addition"
end_within 5
messages_of "$file" | grep -qx "Added from outside" || fail "the outside addition is gone after the end"
echo "ok: an outside addition survives the program's save and its end"

# --- 2. A damaged file with the weekly backup due ------------------------
e2e_home "$tmp/two"
folder="$(dirname "$file")"
"$cli" add "$folder/KestrelmarkBackup.km2" --at 2031-05-01T09:00 --message "In the backup" >/dev/null
"$cli" add "$file" --at 2031-05-02T09:00 --message "One" >/dev/null
"$cli" add "$file" --at 2031-05-03T09:00 --message "Two" >/dev/null
head -c -30 "$file" >"$tmp/cut" && cat "$tmp/cut" >"$file"
backup_sum="$(sha256sum <"$folder/KestrelmarkBackup.km2")"
start
end_within 5
answer_boxes 1
[ "$(sha256sum <"$folder/KestrelmarkBackup.km2")" = "$backup_sum" ] || fail "the good backup was replaced"
ls "$folder" | grep -q 'Kestrelmark.km2.unreadable-' || fail "no copy of the damaged file was kept"
echo "ok: a damaged file leaves the good backup as it was"

# --- 3. A file that cannot be read ----------------------------------------
e2e_home "$tmp/three"
"$cli" add "$file" --at 2031-06-01T09:00 --message "Keep me" >/dev/null
sum="$(sha256sum <"$file")"
start LD_PRELOAD="$shim" KM_E2E_DENY_READ="$file"
grep -q "Sorry, your reminder file .* cannot be read" "$tmp/app.log" || fail "the user was not told"
end_within 5
[ "$(sha256sum <"$file")" = "$sum" ] || fail "the unreadable file was written over"
echo "ok: a file that cannot be read is left as it was"

# --- 4. SIGTERM while saves fail -----------------------------------------
e2e_home "$tmp/four"
# Due around the outside addition: outside changes are taken in while an
# alert is open.
"$cli" add "$file" --at "$(date -d '+30 seconds' +%Y-%m-%dT%H:%M:%S)" --message "Due soon" >/dev/null
start LD_PRELOAD="$shim" KM_E2E_READONLY_DIR="$(dirname "$file")"
answer_boxes 2
press_alert_ok
wait_for_log "$tmp/app.log" "could not be saved" 8 || fail "the failing save was not reported"
end_within 4
[ "$(grep -c 'could not be saved' "$tmp/app.log")" -ge 2 ] || fail "the save at the end was not logged"
echo "ok: SIGTERM while saves fail ends the program at once"
