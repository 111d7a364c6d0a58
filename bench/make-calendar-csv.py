#!/usr/bin/env python3
"""A large calendar CSV as a desktop calendar exports it.

    bench/make-calendar-csv.py ROWS FILE.csv [us|de|fr]

Random dates over 21 years (2005-2025) and times of day with seconds, in
the forms and column names the US Outlook writes (M/d/yyyy, h:mm:ss AM),
or the German one (d.M.yyyy, H:mm:ss) or the French one (dd/MM/yyyy,
HH:mm:ss, semicolons); from one seeded generator, so every run makes the
same appointments.
"""
import datetime, random, sys

rows, path = int(sys.argv[1]), sys.argv[2]
form = sys.argv[3] if len(sys.argv) > 3 else "us"
headers = {
    "us": ["Subject", "Start Date", "Start Time", "End Date", "End Time", "All day event", "Reminder on/off",
           "Reminder Date", "Reminder Time", "Description", "Private"],
    "de": ["Betreff", "Beginnt am", "Beginnt um", "Endet am", "Endet um", "Ganzt\u00e4giges Ereignis",
           "Erinnerung Ein/Aus", "Erinnerung am", "Erinnerung um", "Beschreibung", "Privat"],
    "fr": ["Objet", "Date de d\u00e9but", "Heure de d\u00e9but", "Date de fin", "Heure de fin", "Journ\u00e9e enti\u00e8re",
           "Rappel actif/inactif", "Date de rappel", "Heure du rappel", "Description", "Priv\u00e9"],
}[form]
yes, no = {"us": ("TRUE", "FALSE"), "de": ("Ein", "Aus"), "fr": ("Vrai", "Faux")}[form]
sep = ";" if form == "fr" else ","


def stamp(d, h, m, s):
    if form == "de":
        return "%d.%d.%d" % (d.day, d.month, d.year), "%d:%02d:%02d" % (h, m, s)
    if form == "fr":
        return "%02d/%02d/%d" % (d.day, d.month, d.year), "%02d:%02d:%02d" % (h, m, s)
    return "%d/%d/%d" % (d.month, d.day, d.year), "%d:%02d:%02d %s" % ((h + 11) % 12 + 1, m, s, "AM" if h < 12 else "PM")


rng = random.Random(28)
first = datetime.date(2005, 1, 1)
days = (datetime.date(2025, 12, 31) - first).days + 1
with open(path, "w", newline="", encoding="cp1252") as f:
    f.write(sep.join('"%s"' % h for h in headers) + "\r\n")
    for i in range(rows):
        d = first + datetime.timedelta(days=rng.randrange(days))
        date, time = stamp(d, rng.randrange(24), rng.randrange(60), rng.randrange(60))
        fields = ["Appointment %d" % (i % 97), date, time, date, time, no, yes, date, time,
                  "Row %d: call back about the order" % i, yes if i % 5 == 0 else no]
        f.write(sep.join('"%s"' % v for v in fields) + "\r\n")
