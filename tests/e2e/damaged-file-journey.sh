#!/usr/bin/env bash
# What a crash, a bad copy or a stray program leaves at the reminder path,
# on the real programs:
# - a zero-filled reminder file with the weekly backup due: the user is told
#   once, the damaged file is copied aside, the backup keeps its bytes;
# - a FIFO at the reminder path: kestrelmark-cli dump and add end within a
#   second with exit code 2; the program says so in a box and shows its
#   window;
# - a sparse file of 2 GB: refused by both, the box names the size limit;
# - a FIFO swapped in while the program runs: due reminders still alert,
#   and SIGTERM still ends it.
# A screenshot of each box goes to BUILD_DIR/test-reports/e2e/.
#   tests/e2e/damaged-file-journey.sh [BUILD_DIR]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/lib/common.sh"
e2e_begin damaged-file-journey "${1:-}"
source "$here/lib/store.sh"
km_start_desktop --no-tray
source "$here/lib/program.sh"
km_program_journey damaged-file-journey
shots="$build/test-reports/e2e"
mkdir -p "$shots"

box_shot() { # text, screenshot name: waits for the box, photographs it, answers it
    wait_for_log "$tmp/app.log" "Message box: $1" 15 || fail "no box saying: $1"
    find_window '^Kestrelmark$' 20 >/dev/null || fail "the box is not on the screen"
    sleep 0.5
    import -window root "$shots/$2.png"
    answer_boxes 1
}
within_a_second() { # expected exit code, command...
    local want="$1" rc=0 t0 ms
    shift
    t0=$(date +%s%N)
    timeout 5 "$@" >/dev/null 2>"$tmp/cli.err" || rc=$?
    ms=$(( ($(date +%s%N) - t0) / 1000000 ))
    [ "$rc" = "$want" ] || fail "$* gave $rc after $ms ms, not $want: $(cat "$tmp/cli.err")"
    [ "$ms" -le 1000 ] || fail "$* took $ms ms"
}
set_clock "$(date +%s)"

# --- 1. A zero-filled reminder file, the backup due --------------------------
e2e_home "$tmp/zeros"
km_backup_due
head -c 4096 /dev/zero >"$file"
within_a_second 2 "$cli" add "$file" --at 2031-06-01T09:00 --message "Over the zeros"
cmp -s "$file" <(head -c 4096 /dev/zero) || fail "kestrelmark-cli add wrote over the zero-filled file"
start
box_shot "Sorry, but either your reminder file is from a previous version" zero-filled-box
main_window
wait_for_log "$tmp/app.log" "Reminder check timer at" 15 || fail "no tick"
copies=("$file".unreadable-*)
[ -f "${copies[0]}" ] || fail "no copy of the damaged file"
cmp -s "${copies[0]}" <(head -c 4096 /dev/zero) || fail "the copy is not the damaged file"
grep -q "A copy of the damaged file was kept as .*Kestrelmark.km2.unreadable-" "$tmp/app.log" \
    || fail "the box does not say where the copy is"
end_within 5
[ "$(sha256sum <"$folder/KestrelmarkBackup.km2")" = "$backup_sum" ] || fail "the backup was written over"
[ "$(grep -c 'Message box:' "$tmp/app.log")" = 1 ] || fail "told more than once: $(grep 'Message box:' "$tmp/app.log")"
echo "ok: a zero-filled file is told once and copied aside; the backup keeps its bytes ($SECONDS s)"

# --- 2. A FIFO at the reminder path -------------------------------------------
e2e_home "$tmp/fifo"
settings "LastBackupDate=$(date -u +%Y-%m-%dT%H:%M:%S)"
mkfifo "$file"
within_a_second 2 "$cli" dump "$file"
grep -q "is not a regular file" "$tmp/cli.err" || fail "dump does not say why: $(cat "$tmp/cli.err")"
within_a_second 2 "$cli" add "$file" --at 2031-06-01T09:00 --message "Into the pipe"
[ -p "$file" ] || fail "the FIFO was replaced"
start
box_shot "Sorry, your reminder file " fifo-box
grep -q "Message box: Sorry, your reminder file .* cannot be read (it is not a regular file)" "$tmp/app.log" \
    || fail "the box does not say it is not a regular file"
main_window
end_within 5
[ -p "$file" ] || fail "the program replaced the FIFO"
echo "ok: a FIFO is refused at once by the command line and by the program ($SECONDS s)"

# --- 3. A sparse file of 2 GB -----------------------------------------------------
e2e_home "$tmp/huge"
settings "LastBackupDate=$(date -u +%Y-%m-%dT%H:%M:%S)"
truncate -s 2G "$file"
within_a_second 2 "$cli" add "$file" --at 2031-06-01T09:00 --message "Over the hole"
start
box_shot "Sorry, your reminder file " huge-box
grep -q "Message box: Sorry, your reminder file .* cannot be read (it is larger than 256 MB)" "$tmp/app.log" \
    || fail "the box does not give the limit"
main_window
end_within 5
[ "$(stat -c %s "$file")" = $(( 2 << 30 )) ] || fail "the 2 GB file was written over"
echo "ok: a file past the size limit is refused with the limit named, never written ($SECONDS s)"

# --- 4. A FIFO swapped in while the program runs --------------------------------
e2e_home "$tmp/swap"
settings "LastBackupDate=$(date -u +%Y-%m-%dT%H:%M:%S)"
due=$(( $(date +%s) + 3600 ))
"$cli" add "$file" --at "$(iso "$due")" --message "Still due" >/dev/null
start
main_window
wait_for_log "$tmp/app.log" "Reminder check timer at" 15 || fail "no tick"
mv "$file" "$tmp/swapped-out.km2"
mkfifo "$file"
sleep 2 # the program sees the folder change and looks at the file
set_clock $(( due + 2 ))
alert="$(wait_alert 40)" || fail "no alert after the FIFO came"
xdotool windowfocus "$alert" key Return
answer_boxes 2
end_within 5
[ -p "$file" ] || fail "the program replaced the FIFO"
echo "ok: with a FIFO swapped in, reminders still alert and SIGTERM still ends the program ($SECONDS s)"
echo "PASS"
