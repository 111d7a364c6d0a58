#!/usr/bin/env bash
# What answers, dismissals and moves mean to the other programs of one
# calendar: Radicale as the server, vdirsyncer carrying its collection to a
# folder that khal reads and writes, and this program syncing through a
# small logging proxy that keeps every request it passes on.
#   1. a weekly occurrence dismissed on khal's side stays quiet here;
#   2. an answer here shows on khal's copy, on the alarm it answered;
#   3. an answered reminder postponed here alerts at its new time;
#   4. a PUT of a meeting someone else organises is CRLF and carries
#      Schedule-Reply: F.
#   tests/e2e/sync-meaning-journey.sh [BUILD_DIR]
set -euo pipefail
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/common.sh"
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/lib/khal.sh"
e2e_begin sync-meaning-journey "${1:-}"

for tool in radicale vdirsyncer khal; do
    command -v "$tool" >/dev/null || { echo "sync-meaning-journey: SKIP: $tool is not installed (tools/deps.sh)"; exit 0; }
done
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

work="$(mktemp -d)"
trap 'kill ${radicale:+"$radicale"} ${proxy:+"$proxy"} 2>/dev/null || true; rm -rf "$work"' EXIT
e2e_home "$work"
fail() { echo "sync-meaning-journey: FAIL: $*" >&2; exit 1; }
step() { echo "sync-meaning-journey: $*"; }
json() { km_python -c 'import json,sys; d=json.load(sys.stdin); print(eval(sys.argv[1], {}, {"d": d}))' "$1"; }
user=walker password='correct horse'
printf '%s\n' "$password" >"$work/pw"
file="$work/me.km2"

step "the server, and the proxy this program reaches it through"
km_start_radicale "$work" "$user" "$password" || fail "radicale did not start"
radicale=$radicale_pid
proxy_port=$(km_python -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
km_python "$here/lib/logging_proxy.py" "$proxy_port" "127.0.0.1:$radicale_port" "$work/requests.jsonl" &
proxy=$!
for _ in $(seq 1 50); do curl -s -o /dev/null "http://127.0.0.1:$proxy_port/" && break; sleep 0.1; done
sync_me() { # -> the report
    "$cli" sync "$file" --url "http://127.0.0.1:$proxy_port/" --user "$user" --password-file "$work/pw" \
        || fail "the sync failed"
}
alerts() { "$cli" due "$file" --at "$1" | json '"|".join(a["text"].split("\n")[-1] for a in d)'; }

"$cli" add "$file" --at 2026-12-31T20:00 --message "Fireworks" >/dev/null
collection=$(sync_me | json 'd["collection"]' | sed "s/:$proxy_port\//:$radicale_port\//")
peer_setup "$work" "$collection" "$user" "$password" America/New_York
# The alarms of khal's copy of an event, in order: "TRIGGER ACKNOWLEDGED".
alarms_of() { # summary
    km_python - "$work/local" "$1" <<'PY'
import glob, sys, icalendar
for path in glob.glob(sys.argv[1] + '/*.ics'):
    cal = icalendar.Calendar.from_ical(open(path, 'rb').read())
    for ev in cal.walk('VEVENT'):
        if str(ev.get('SUMMARY')) == sys.argv[2] and 'RECURRENCE-ID' not in ev:
            for a in ev.walk('VALARM'):
                ack = a.get('ACKNOWLEDGED')
                print(a['TRIGGER'].to_ical().decode(), ack.to_ical().decode() if ack else '-')
PY
}

step "khal: a weekly stand-up with alarms an hour and ten minutes before"
khal_ new -a here -r weekly -m 1h,10m 2026-12-14 10:00 11:00 "Standup" >/dev/null || fail "khal new failed"
vds sync
sync_me >/dev/null
"$cli" dump "$file" | json '[(r["dateTime"]["iso"], r["recurrence"], round(r["advanceNotice"]["days"] * 1440)) for r in d["reminders"] if r["message"] == "Standup"]' \
    | grep -qF "[('2026-12-14T15:00:00', 3, 60)]" || fail "the stand-up arrived otherwise: $("$cli" dump "$file")"

step "1. dismissed on khal's side at 09:52 New York time: quiet here, the week after not"
standup=$(grep -l "SUMMARY:Standup" "$work/local/"*.ics)
km_python - "$standup" <<'PY'
# As a client that keeps RFC 9074 answers does: the alarm that rang last.
import sys, icalendar, datetime
path = sys.argv[1]
cal = icalendar.Calendar.from_ical(open(path, 'rb').read())
for ev in cal.walk('VEVENT'):
    alarms = ev.walk('VALARM')
    alarms[-1]['ACKNOWLEDGED'] = icalendar.vDatetime(datetime.datetime(2026, 12, 14, 14, 52, tzinfo=datetime.timezone.utc))
open(path, 'wb').write(cal.to_ical())
PY
vds sync
report=$(sync_me)
echo "$report" | json 'd["received"]["acknowledged"]' | grep -qx 1 || fail "the dismissal was not taken: $report"
[ -z "$(alerts 2026-12-14T14:55:00)" ] || fail "the dismissed occurrence alerts here: $(alerts 2026-12-14T14:55:00)"
[ "$(alerts 2026-12-21T14:30:00)" = "Standup" ] || fail "the next occurrence does not alert: $(alerts 2026-12-21T14:30:00)"

step "2. answered here: khal's copy shows it on the hour's alarm, the other keeps khal's"
"$cli" due "$file" --at 2026-12-21T14:05:00 --save >/dev/null
report=$(sync_me)
echo "$report" | json 'd["sent"]["acknowledged"]' | grep -qx 1 || fail "the answer was not sent: $report"
vds sync
[ "$(alarms_of Standup)" = $'-PT1H 20261221T140500Z\n-PT10M 20261214T145200Z' ] \
    || fail "khal's copy holds the answers otherwise: $(alarms_of Standup)"
khal_ list 2026-12-21 1d | grep -q "10:00-11:00 Standup" || fail "khal lists the stand-up otherwise: $(khal_ list 2026-12-21 1d)"

step "3. an answered call postponed a week here alerts at its new time"
khal_ new -a here -m 15m 2026-12-16 09:00 10:00 "Dentist call" >/dev/null || fail "khal new failed"
vds sync
sync_me >/dev/null
"$cli" due "$file" --at 2026-12-16T13:50:00 --save >/dev/null
sync_me | json 'd["sent"]["acknowledged"]' | grep -qx 1 || fail "the call's answer was not sent"
# Edited in place, as the editor does: a week later.
call=$("$cli" dump "$file" | json '[r["id"] for r in d["reminders"] if r["message"] == "Dentist call"][0]')
"$cli" edit "$file" --id "$call" --at 2026-12-23T14:00 >/dev/null
report=$(sync_me)
echo "$report" | json 'd["sent"]["changed"]' | grep -qx 1 || fail "the move was not sent once: $report"
[ "$(alerts 2026-12-23T13:50:00)" = "Dentist call" ] || fail "the postponed call does not alert: $("$cli" dump "$file")"
vds sync
khal_ list 2026-12-23 1d | grep -q "09:00-10:00 Dentist call" || fail "khal does not show the call moved: $(khal_ list 2026-12-23 1d)"
# The answer was to the alarm that moved: khal's copy holds it no more.
[ "$(alarms_of "Dentist call")" = "-PT15M -" ] || fail "khal's copy still holds the old answer: $(alarms_of "Dentist call")"
"$cli" due "$file" --at 2026-12-23T13:50:00 --save >/dev/null
sync_me | json 'd["sent"]["acknowledged"]' | grep -qx 1 || fail "the postponed call's answer was not sent"

step "4. a meeting someone else organises: its PUT is CRLF and asks the server to schedule nothing"
cp "$here/../data/sync/meeting.ics" "$work/local/planning.ics"
vds sync
sync_me >/dev/null
"$cli" due "$file" --at 2026-12-30T18:55:00 --save >/dev/null
: >"$work/requests.jsonl"
sync_me >/dev/null
km_python - "$work/requests.jsonl" <<'PY' || fail "the meeting's PUT is otherwise: $(cat "$work/requests.jsonl")"
import base64, json, sys
puts = [r for r in map(json.loads, open(sys.argv[1])) if r['method'] == 'PUT']
assert len(puts) == 1, [p['path'] for p in puts]
put = puts[0]
body = base64.b64decode(put['body'])
headers = {k.lower(): v for k, v in put['headers']}
assert headers.get('schedule-reply') == 'F', headers
assert body.count(b'\n') == body.count(b'\r\n') and body.endswith(b'\r\n'), body
assert b'ACKNOWLEDGED:20261230T185500Z' in body, body
assert b'SEQUENCE:2\r\n' in body and b'LAST-MODIFIED:20261202T150000Z\r\n' in body, body
assert b'DTSTAMP:20261202T150000Z\r\n' in body, body
PY
step "PASS"
