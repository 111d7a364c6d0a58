#!/usr/bin/env bash
# Nothing lost, no alert missed, on the real programs:
# - a missing reminder file with the weekly backup due: the user is told of
#   the backup, whose bytes stay as they were;
# - SIGTERM while an alert is open: the reminder stays unshown in the file,
#   and the next start (the day after) presents it as missed, with its date;
# - an empty lock file and the lock of a process that no longer runs: a
#   kestrelmark-cli add goes through within two seconds;
# - a full disk (a small file system of the program's own, in a mount
#   namespace) and a read-only backup folder: the box names the cause, the
#   backup's box once however often the clock jumps.
#   tests/e2e/never-lose-journey.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lib/common.sh"
e2e_begin never-lose-journey "${1:-}"
source "$here/lib/store.sh"
km_start_desktop --no-tray
source "$here/lib/program.sh"
km_program_journey never-lose-journey

box_says() { # text: waits for the box with that text and answers it
    wait_for_log "$tmp/app.log" "Message box: $1" 15 || fail "no box saying: $1"
    answer_boxes 1
}
# Answers whatever box of the program is open now.
press_boxes() {
    local box
    for box in $(xdotool search --onlyvisible --name '^Kestrelmark$' 2>/dev/null || true); do
        xdotool windowfocus "$box" key Return 2>/dev/null || true
    done
}
shown() { # message
    "$cli" dump "$file" | python3 -c 'import json, sys
sys.exit(0 if any(r["message"] == sys.argv[1] and r["shown"] for r in json.load(sys.stdin)["reminders"]) else 1)' "$1"
}
set_clock "$(date +%s)"

# --- 1. A missing reminder file, the backup due ---------------------------
e2e_home "$tmp/missing"
km_backup_due
start
box_says "Your reminder file is missing; your last backup from "
grep -q "has 2 reminders. Use Recover to restore it." "$tmp/app.log" || fail "the box does not give the count"
main_window
end_within 5
[ "$(sha256sum <"$folder/KestrelmarkBackup.km2")" = "$backup_sum" ] || fail "the backup was written over"
[ -e "$file" ] && fail "an empty reminder file was written"
echo "ok: a missing reminder file leaves its backup as it was, and says so ($SECONDS s)"

# --- 2. SIGTERM while an alert is open --------------------------------------
e2e_home "$tmp/term"
due="$(epoch '2026-03-03 23:50:00')"   # a Tuesday, weekly
"$cli" add "$file" --at "$(iso "$due")" --recurrence weekly --message "Nobody saw this" >/dev/null
settings
set_clock $(( due + 2 ))
start
wait_alert 20 >/dev/null || fail "no alert"
end_within 5
shown "Nobody saw this" && fail "the unanswered alert counted as seen"
set_clock "$(epoch '2026-03-04 09:00:00')"
start
alert="$(wait_alert 20)" || fail "not presented at the next start"
grep -q "Missed while away: Nobody saw this" "$tmp/app.log" || fail "not presented as missed"
grep -Eq "Presenting: Reminder for (3 Mar 2026|3/3/2026|2026-03-03) 23:50(:00)?: +Nobody saw this" "$tmp/app.log" \
    || fail "not with its own date"
xdotool windowfocus "$alert" key Return
for _ in $(seq 1 40); do shown "Nobody saw this" && break; sleep 0.25; done
shown "Nobody saw this" || fail "the answered alert was not saved"
end_within 5
echo "ok: SIGTERM during an alert leaves it unshown; the next start presents it ($SECONDS s)"

# --- 3. Locks left by crashes -------------------------------------------------
e2e_home "$tmp/locks"
"$cli" add "$file" --at 2031-06-01T09:00 --message "Before" >/dev/null
for lock in "" "999999
kestrelmark-cli
$(hostname)
"; do
    printf '%s' "$lock" >"$file.lock"
    t0=$(date +%s%N)
    "$cli" add "$file" --at 2031-06-02T09:00 --message "After" 2>"$tmp/cli.err" >/dev/null \
        || { cat "$tmp/cli.err"; fail "kestrelmark-cli add failed on a stale lock"; }
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    [ "$ms" -le 2000 ] || fail "the stale lock was taken over after $ms ms"
    grep -q "Took over the stale lock" "$tmp/cli.err" || fail "the take-over was not logged"
    echo "ok: a stale lock (${#lock} bytes) was taken over in $ms ms"
done
[ "$(messages_of "$file" | grep -cx After)" = 2 ] || fail "an add is missing"

# --- 4. A full disk ---------------------------------------------------------
e2e_home "$tmp/full"
folder="$(dirname "$file")"
set_clock "$(date +%s)"
"$cli" add "$file" --at "$(iso $(( $(date +%s) - 60 )))" --message "Due a minute ago" >/dev/null
settings "LastBackupDate=$(date -u +%Y-%m-%dT%H:%M:%S)"
cp -a "$folder" "$tmp/seed"
before="$(sha256sum <"$file")"
# The data folder on a small file system of its own, filled to the brim.
cat >"$tmp/full-disk" <<WRAP
#!/bin/sh
exec unshare -m --propagation private -- sh -c '
    mount -t tmpfs -o size=256k tmpfs "\$1" && cp -a "\$2"/. "\$1"/ &&
    { dd if=/dev/zero of="\$1/filler" bs=4k >/dev/null 2>&1 || true; } && exec "\$3"' \
    sh "$folder" "$tmp/seed" "$faked"
WRAP
chmod +x "$tmp/full-disk"
start "$tmp/full-disk"
main_window
alert="$(wait_alert 20)" || fail "no alert"
xdotool windowfocus "$alert" key Return
wait_for_log "$tmp/app.log" "Message box: Sorry, your reminders could not be saved" 15 || fail "no box"
grep -q "Message box: Sorry, your reminders could not be saved to .*: .*there is no space left on the disk" \
    "$tmp/app.log" || fail "the box does not name the full disk"
cmp -s "/proc/$pid/root$file" "$tmp/seed/Kestrelmark.km2" || fail "the file on the full disk changed"
end_within 5
[ "$(sha256sum <"$file")" = "$before" ] || fail "the file outside the namespace changed"
echo "ok: a full disk is named in the box ($SECONDS s)"

# --- 5. A read-only backup folder, and the clock jumping ----------------------
e2e_home "$tmp/readonly"
folder="$(dirname "$file")"
set_clock "$(date +%s)"
"$cli" add "$file" --at 2031-07-01T09:00 --message "Back me up" >/dev/null
settings "LastBackupDate=$(date -u -d '-8 days' +%Y-%m-%dT%H:%M:%S)"
cat >"$tmp/read-only" <<WRAP
#!/bin/sh
exec unshare -m --propagation private -- sh -c '
    mount --bind "\$1" "\$1" && mount -o remount,bind,ro "\$1" && exec "\$2"' sh "$folder" "$faked"
WRAP
chmod +x "$tmp/read-only"
start "$tmp/read-only"
box_says "Sorry, the weekly backup of your reminders could not be written to "
grep -q "Message box: Sorry, the weekly backup.*: the disk is read-only" "$tmp/app.log" \
    || fail "the backup's box does not name the read-only disk"
main_window
wait_for_log "$tmp/app.log" "Reminder check timer at" 10 || fail "no tick"
for jump in 1 2; do
    set_clock $(( $(fake_now) + jump * 3 * 86400 ))
    for _ in $(seq 1 60); do
        [ "$(grep -c 'The clock moved by' "$tmp/app.log")" -ge "$jump" ] && break
        press_boxes
        sleep 0.25
    done
    [ "$(grep -c 'The clock moved by' "$tmp/app.log")" -ge "$jump" ] || fail "clock jump $jump not seen"
done
answer_boxes 1
[ "$(grep -c 'could not be written to' "$tmp/app.log")" -ge 3 ] || fail "a failed backup was not logged"
[ "$(grep -c 'Message box: Sorry, the weekly backup' "$tmp/app.log")" = 1 ] || fail "the backup's box came again"
end_within 5
echo "ok: a read-only backup folder is named once, whatever the clock does ($SECONDS s)"
echo "PASS"
