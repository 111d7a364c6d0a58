#!/usr/bin/python3
"""Prints what an independent iCalendar parser sees in a file, as JSON."""
import json
import sys

import icalendar

with open(sys.argv[1], 'rb') as f:
    cal = icalendar.Calendar.from_ical(f.read())

events = []
for ev in cal.walk('VEVENT'):
    start = ev.decoded('DTSTART')
    rrule = ev.get('RRULE')
    alarms = []
    for alarm in ev.walk('VALARM'):
        trigger = alarm.decoded('TRIGGER')
        alarms.append({'action': str(alarm.get('ACTION')),
                       'trigger': int(trigger.total_seconds())})
    events.append({
        'uid': str(ev.get('UID')),
        'start': start.isoformat(),
        'floating': getattr(start, 'tzinfo', None) is None,
        'freq': [str(f) for f in rrule.get('FREQ', [])] if rrule else [],
        'summary': str(ev.get('SUMMARY', '')),
        'description': str(ev.get('DESCRIPTION', '')),
        'class': str(ev.get('CLASS', '')),
        'alarms': alarms,
    })
json.dump({'version': str(cal.get('VERSION')), 'prodid': str(cal.get('PRODID')), 'events': events}, sys.stdout)
