#!/usr/bin/env python3
"""A large calendar CSV as a US desktop calendar exports it.

    bench/make-calendar-csv.py ROWS FILE.csv

Random dates over 21 years (2005-2025) and times of day with seconds, in
the forms the en_US locale writes (M/d/yyyy, h:mm:ss AM); from one seeded
generator, so every run makes the same file.
"""
import datetime, random, sys

rows, path = int(sys.argv[1]), sys.argv[2]
rng = random.Random(28)
first = datetime.date(2005, 1, 1)
days = (datetime.date(2025, 12, 31) - first).days + 1
with open(path, "w", newline="", encoding="cp1252") as f:
    f.write('"Subject","Start Date","Start Time","End Date","End Time","All day event",'
            '"Reminder on/off","Reminder Date","Reminder Time","Description","Private"\r\n')
    for i in range(rows):
        d = first + datetime.timedelta(days=rng.randrange(days))
        h, m, s = rng.randrange(24), rng.randrange(60), rng.randrange(60)
        date = "%d/%d/%d" % (d.month, d.day, d.year)
        time = "%d:%02d:%02d %s" % ((h + 11) % 12 + 1, m, s, "AM" if h < 12 else "PM")
        f.write('"Appointment %d","%s","%s","%s","%s","FALSE","TRUE","%s","%s","Row %d: call back about the order",'
                '"%s"\r\n' % (i % 97, date, time, date, time, date, time, i, "TRUE" if i % 5 == 0 else "FALSE"))
