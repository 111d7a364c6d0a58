#!/usr/bin/env bash
# iCalendar files opened with the program: `kestrelmark FILE.ics` hands the
# file to the running copy, which imports its events, says what it
# simplified, and saves them; a broken file is refused with a "Sorry"
# message and nothing in the list is lost.
#   tests/e2e/ical-hand-over.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
e2e_begin ical-hand-over "${1:-}"
tmp="$(mktemp -d)"
pid=""
cleanup() {
    [ -n "$pid" ] && stop "$pid"
    rm -rf "$tmp"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$tmp/main.log" ] && tail -n 30 "$tmp/main.log"; exit 1; }

e2e_home "$tmp"
export QT_LOGGING_RULES="kestrelmark.trace.debug=true"
"$cli" add "$file" --at "$(date -d '+40 days' +%Y-%m-%dT09:00:00)" --message "Mine already" >/dev/null

e2e_start_main "$tmp/main.log" || fail "no main window"

# Answers the program's message boxes until the log shows the text.
answer_until() { # text
    for _ in $(seq 1 60); do
        for box in $(xdotool search --onlyvisible --pid "$pid" --name '^Kestrelmark$' 2>/dev/null); do
            [ -n "${SHOT:-}" ] && { import -window root "$SHOT" 2>/dev/null || true; SHOT=""; }
            xdotool mousemove --window "$box" 20 20 key Return 2>/dev/null || true
        done
        grep -qF "$1" "$tmp/main.log" && return 0
        sleep 0.25
    done
    return 1
}

cat >"$tmp/swim club.ics" <<'ICS'
BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//Example//Phone Calendar//EN
BEGIN:VEVENT
UID:swim-1@example.org
DTSTART;TZID=Europe/Berlin:20260401T180000
RRULE:FREQ=WEEKLY;INTERVAL=2;BYDAY=MO,TH
SUMMARY:Swimming
DESCRIPTION:Bring the towel
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:Swimming
TRIGGER:-PT1H
END:VALARM
END:VEVENT
END:VCALENDAR
ICS
"$app" "$tmp/swim club.ics" >"$tmp/second.log" 2>&1 || fail "the hand-over failed"
SHOT="${KM_E2E_SHOT:-}" answer_until "Message box: iCalendar file successfully imported." || fail "no import report"
grep -q "event simplified" "$tmp/main.log" || fail "the report does not say what was simplified"
echo "calendar handed over and imported"

printf 'BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:no date\r\n' >"$tmp/broken.ics"
"$app" "$tmp/broken.ics" >"$tmp/third.log" 2>&1 || fail "the second hand-over failed"
answer_until "Message box: Sorry, the file $tmp/broken.ics was not imported" || fail "no refusal"
echo "broken calendar refused"

kill -TERM "$pid"
for _ in $(seq 1 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.25
done
kill -0 "$pid" 2>/dev/null && fail "SIGTERM did not end the program"
pid=""
dump="$("$cli" dump "$file")"
[ "$(grep -c '"message": "Swimming\\nBring the towel"' <<<"$dump")" = 2 ] || { echo "$dump"; fail "not one weekly reminder per day"; }
grep -q '"message": "Mine already"' <<<"$dump" || fail "a reminder was lost"
grep -q '"iso": "2026-04-02T16:00:00"' <<<"$dump" || { echo "$dump"; fail "Thursday 18:00 in Berlin is not 16:00 UTC"; }
echo "PASS"
