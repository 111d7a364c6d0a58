#!/usr/bin/env bash
# The calendar sync among other calendar programs: a second server
# (xandikos) for the two-computer cases, and a real peer client (vdirsyncer
# carrying a Radicale collection to a folder, khal reading and writing it).
# Whatever another program wrote survives an answer and an edit made here:
# the server's text before and after is compared, property by property.
#   tests/e2e/sync-peers-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/khal.sh"
e2e_begin sync-peers-journey "${1:-}"

for tool in radicale xandikos vdirsyncer khal; do
    command -v "$tool" >/dev/null || { echo "sync-peers-journey: SKIP: $tool is not installed (tools/deps.sh)"; exit 0; }
done
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
phone_event="$here/../data/sync/phone-event.ics"

work="$(mktemp -d)"
trap 'kill ${radicale:+"$radicale"} ${xandikos:+"$xandikos"} 2>/dev/null || true; rm -rf "$work"' EXIT
e2e_home "$work"
fail() { echo "sync-peers-journey: FAIL: $*" >&2; exit 1; }
step() { echo "sync-peers-journey: $*"; }
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
wait_port() { # port
    for _ in $(seq 1 100); do curl -s -o /dev/null "http://127.0.0.1:$1/" && return 0; sleep 0.1; done
    return 1
}
user=walker password='correct horse'
printf '%s\n' "$password" >"$work/pw"
sync_as() { # file url -> the report on stdout
    "$cli" sync "$1" --url "$2" --user "$user" --password-file "$work/pw" || fail "sync of $1 failed"
}
json() { python3 -c 'import json,sys; d=json.load(sys.stdin); print(eval(sys.argv[1], {}, {"d": d}))' "$1"; }
messages() { "$cli" dump "$1" | json '"|".join(sorted(r["message"] + "@" + r["dateTime"]["iso"] for r in d["reminders"]))'; }
# Two iCalendar texts the same but for the properties named (and X- ones):
# every component compared property by property, whatever the order and
# folding the server gave them.
same_but() { # before after NAME...
    /usr/bin/python3 - "$@" <<'PY' || fail "the event changed beyond ${*:3}"
import sys, icalendar
before, after, allowed = sys.argv[1], sys.argv[2], {n.upper() for n in sys.argv[3:]}
def shape(path):
    cal = icalendar.Calendar.from_ical(open(path, 'rb').read())
    out = []
    for c in cal.walk():
        props = sorted((k, v.to_ical() if hasattr(v, 'to_ical') else repr(v))
                       for k, vs in c.items() for v in (vs if isinstance(vs, list) else [vs])
                       if k.upper() not in allowed and not k.upper().startswith('X-'))
        out.append((c.name, props))
    return sorted(out, key=repr)
a, b = shape(before), shape(after)
if a != b:
    for x in a:
        if x not in b: print('before only:', x, file=sys.stderr)
    for x in b:
        if x not in a: print('after only:', x, file=sys.stderr)
    sys.exit(1)
PY
}
stamps=(DTSTAMP SEQUENCE LAST-MODIFIED ACKNOWLEDGED)

step "a second server: xandikos"
xport=$(free_port)
xandikos --defaults -d "$work/xandikos" -l 127.0.0.1 -p "$xport" >"$work/xandikos.log" 2>&1 &
xandikos=$!
wait_port "$xport" || fail "xandikos did not start: $(cat "$work/xandikos.log")"
xroot="http://127.0.0.1:$xport/"
xcal="${xroot}user/calendars/calendar"

step "xandikos: what one computer makes, the other gets, and an answer travels"
"$cli" add "$work/a.km2" --at 2026-12-24T18:00 --message $'Tree\nand presents' >/dev/null
sync_as "$work/a.km2" "$xroot" >/dev/null
sync_as "$work/b.km2" "$xroot" >/dev/null
[ "$(messages "$work/b.km2")" = "$(messages "$work/a.km2")" ] || fail "the second computer differs: $(messages "$work/b.km2")"
"$cli" due "$work/a.km2" --at 2026-12-24T18:00:30 --save >/dev/null
sync_as "$work/a.km2" "$xroot" | json 'd["sent"]["acknowledged"]' | grep -qx 1 || fail "the answer was not sent (or not counted)"
sync_as "$work/b.km2" "$xroot" >/dev/null
[ "$("$cli" due "$work/b.km2" --at 2026-12-24T18:05:00 | json 'len(d)')" = 0 ] || fail "an answered alert comes again on the second computer"

step "xandikos: a rename there replaces the title here"
href=$(curl -s -X PROPFIND -H 'Depth: 1' "$xcal/" | grep -o '<[^>]*href>[^<]*\.ics<' | sed 's/.*>//; s/<$//' | head -1)
[ -n "$href" ] || fail "the event is not on xandikos"
curl -s "http://127.0.0.1:$xport$href" | sed 's/^SUMMARY:Tree/SUMMARY:Star/' >"$work/renamed.ics"
curl -s -f -X PUT -H 'Content-Type: text/calendar' --data-binary @"$work/renamed.ics" "http://127.0.0.1:$xport$href" >/dev/null \
    || fail "the rename was refused"
sync_as "$work/a.km2" "$xroot" >/dev/null
[ "$(messages "$work/a.km2")" = $'Star\nand presents@2026-12-24T18:00:00' ] || fail "the rename arrived as: $(messages "$work/a.km2")"

step "xandikos: a phone's event survives an answer and a title edit made here"
curl -s -f -X PUT -H 'Content-Type: text/calendar' --data-binary @"$phone_event" "$xcal/phone-team-call.ics" >/dev/null \
    || fail "the phone's event was refused"
curl -s "$xcal/phone-team-call.ics" >"$work/phone-before.ics"
sync_as "$work/a.km2" "$xroot" >/dev/null
"$cli" due "$work/a.km2" --at 2026-12-07T14:00:30 --save >/dev/null
sync_as "$work/a.km2" "$xroot" | json 'd["sent"]["acknowledged"]' | grep -qx 1 || fail "the phone event's answer was not sent"
curl -s "$xcal/phone-team-call.ics" >"$work/phone-answered.ics"
same_but "$work/phone-before.ics" "$work/phone-answered.ics" "${stamps[@]}"
grep -q '^ACKNOWLEDGED:' "$work/phone-answered.ics" || fail "the display alarm does not say it was answered"
# The title edited here, in place, as the window's editor does.
team=$("$cli" dump "$work/a.km2" | json '[r["id"] for r in d["reminders"] if r["message"].startswith("Team")][0]')
"$cli" edit "$work/a.km2" --id "$team" --message "Team sync" >/dev/null
report=$(sync_as "$work/a.km2" "$xroot")
echo "$report" | json 'd["sent"]["changed"]' | grep -qx 1 || fail "the title edit was not sent: $report $("$cli" dump "$work/a.km2")"
curl -s "$xcal/phone-team-call.ics" >"$work/phone-edited.ics"
same_but "$work/phone-before.ics" "$work/phone-edited.ics" "${stamps[@]}" SUMMARY
grep -q '^SUMMARY:Team sync' "$work/phone-edited.ics" || fail "the new title is not on the server"
grep -q '^SUMMARY:Team call (moved)' "$work/phone-edited.ics" || fail "the moved occurrence lost its title"

step "xandikos: a daily event arrives as the import maps it"
printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\nUID:phone-daily\r\nDTSTAMP:20261201T000000Z\r\nDTSTART:20261216T070000\r\nRRULE:FREQ=DAILY\r\nSUMMARY:Stretch\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$work/daily.ics"
curl -s -f -X PUT -H 'Content-Type: text/calendar' --data-binary @"$work/daily.ics" "$xcal/phone-daily.ics" >/dev/null
sync_as "$work/b.km2" "$xroot" >/dev/null
"$cli" import "$work/c.km2" "$work/daily.ics" >/dev/null
[ "$(messages "$work/b.km2" | tr '|' '\n' | grep '^Stretch@' | tr '\n' '|')" = "$(messages "$work/c.km2" | tr '|' '\n' | tr '\n' '|')" ] \
    || fail "the daily event arrived otherwise than the import maps it"

step "a peer client: radicale, vdirsyncer and khal"
km_start_radicale "$work" "$user" "$password" || fail "radicale did not start"
rport=$radicale_port radicale=$radicale_pid
rroot="http://127.0.0.1:$rport/"
"$cli" add "$work/d.km2" --at 2026-12-10T09:30 --message Dentist >/dev/null
"$cli" add "$work/d.km2" --at 2026-12-08T18:00 --message Yoga --recurrence weekly >/dev/null
report=$(sync_as "$work/d.km2" "$rroot")
collection=$(echo "$report" | json 'd["collection"]')
peer_setup "$work" "$collection" "$user" "$password" UTC
khal -c "$work/khal.conf" list 2026-12-07 14d >"$work/khal.txt" 2>&1 || fail "khal list: $(cat "$work/khal.txt")"
python3 - "$work/khal.txt" <<'PY' || fail "khal does not show the reminders at their times: $(cat "$work/khal.txt")"
import re, sys
days, day = {}, None
for line in open(sys.argv[1]):
    line = line.strip()
    header = re.search(r'(\d{4}-\d{2}-\d{2})$', line)
    if header and ', ' in line:
        day = header.group(1)
    elif line and day:
        days.setdefault(day, []).append(line)
def shows(d, time, text):
    return any(e.startswith(time) and text in e for e in days.get(d, []))
assert shows('2026-12-10', '09:30', 'Dentist'), days
for d in ('2026-12-08', '2026-12-15'):
    assert shows(d, '18:00', 'Yoga'), (d, days)
PY

step "khal: an event made there arrives here with its alarm"
khal -c "$work/khal.conf" new -a here -m 15m 2026-12-11 10:00 11:00 "Khal meeting" >>"$work/khal.txt" 2>&1 || fail "khal new failed"
khal_file=$(grep -l "Khal meeting" "$work/local/"*.ics)
cp "$khal_file" "$work/khal-as-written.ics"
vds sync
sync_as "$work/d.km2" "$rroot" >/dev/null
"$cli" dump "$work/d.km2" | json '[(r["dateTime"]["iso"], round(r["advanceNotice"]["days"] * 1440)) for r in d["reminders"] if r["message"] == "Khal meeting"]' \
    | grep -qF "[('2026-12-11T15:00:00', 15)]" || fail "khal's event arrived otherwise: $("$cli" dump "$work/d.km2")"

step "khal: answering its alert here leaves khal's event as khal wrote it"
"$cli" due "$work/d.km2" --at 2026-12-11T15:00:30 --save >/dev/null
report=$(sync_as "$work/d.km2" "$rroot")
# The dentist's alert, overdue by then, is answered with it.
echo "$report" | json 'd["sent"]["acknowledged"]' | grep -qx 2 || fail "the answers were not sent: $report"
vds sync
same_but "$work/khal-as-written.ics" "$khal_file" "${stamps[@]}"
grep -q 'ACKNOWLEDGED' "$khal_file" || fail "khal's copy does not hold the answer"
khal -c "$work/khal.conf" list 2026-12-11 1d | grep -q '^10:00-11:00 Khal meeting\|15:00-16:00 Khal meeting' \
    || fail "khal lists its event otherwise: $(khal -c "$work/khal.conf" list 2026-12-11 1d)"
step "PASS"
