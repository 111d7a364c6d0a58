#!/usr/bin/env python3
"""A large iCalendar file as a desktop calendar exports it.

    bench/make-calendar-ics.py EVENTS FILE.ics

Events from 2027 on, about 400 bytes each: UTC, floating and zoned starts
(Europe/Berlin, America/New_York), a display alarm on most, a weekly or
monthly rule on some; from one seeded generator, so every run makes the
same file.
"""
import datetime, random, sys

count, path = int(sys.argv[1]), sys.argv[2]
rng = random.Random(28)
first = datetime.datetime(2027, 1, 1)
zones = ["Europe/Berlin", "America/New_York"]
with open(path, "w", newline="") as f:
    f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//Calendar//EN\r\n")
    for i in range(count):
        at = first + datetime.timedelta(minutes=rng.randrange(5 * 365 * 24 * 60))
        stamp = at.strftime("%Y%m%dT%H%M%S")
        end = (at + datetime.timedelta(minutes=30)).strftime("%Y%m%dT%H%M%S")
        kind = i % 4
        if kind == 0:
            start, stop = "DTSTART:%sZ" % stamp, "DTEND:%sZ" % end
        elif kind == 1:
            start, stop = "DTSTART:%s" % stamp, "DTEND:%s" % end
        else:
            zone = zones[kind - 2]
            start, stop = "DTSTART;TZID=%s:%s" % (zone, stamp), "DTEND;TZID=%s:%s" % (zone, end)
        lines = ["BEGIN:VEVENT", "UID:event-%06d@bench.example" % i, "DTSTAMP:20260101T000000Z", start, stop,
                 "SUMMARY:Appointment %d about the quarterly figures" % i,
                 "DESCRIPTION:Bring the printed report and the notes from the last meeting;"
                 " call the office if the room changes. Row %d." % i,
                 "CATEGORIES:Business", "CLASS:%s" % ("PRIVATE" if i % 7 == 0 else "PUBLIC")]
        if i % 10 == 3:
            lines.append("RRULE:FREQ=WEEKLY")
        elif i % 10 == 7:
            lines.append("RRULE:FREQ=MONTHLY")
        if i % 3:
            lines += ["BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:Reminder",
                      "TRIGGER:-PT%dM" % (15 * (1 + i % 4)), "END:VALARM"]
        lines.append("END:VEVENT")
        f.write("\r\n".join(lines) + "\r\n")
    f.write("END:VCALENDAR\r\n")
