#!/usr/bin/env python3
"""The same mixed reminders as a reminder file and as a remind(1) script.

    bench/make-reminders.py COUNT FILE.km2 [FILE.rem]

One-time, annual, monthly and weekly in turn; notices of 0 to 7 days; days
1 to 28; from one seeded generator, so every run makes the same file.
"""
import datetime, random, struct, sys

count, km2_path = int(sys.argv[1]), sys.argv[2]
rem_path = sys.argv[3] if len(sys.argv) > 3 else None
rng = random.Random(16)
epoch = datetime.date(1899, 12, 30)
months = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
days = ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]

def string(text):
    data = text.encode("cp1252")
    assert len(data) < 255
    return bytes([len(data)]) + data

def date(value, status=0):
    return struct.pack("<id", status, value)

records = []
rem = []
for i in range(count):
    kind = i % 4                      # 0 one-time, 1 annual, 2 monthly, 3 weekly
    day = datetime.date(rng.randint(2024, 2029), rng.randint(1, 12), rng.randint(1, 28))
    hour, minute = rng.randint(0, 23), rng.randint(0, 59)
    notice = rng.randint(0, 7)
    message = "Reminder %d about item %d" % (i, rng.randint(1, 999))
    value = (day - epoch).days + (hour * 60 + minute) / 1440.0
    body = date(value) + date(float(notice)) + struct.pack("<H", 0) + string(message)
    body += struct.pack("<HBB", kind, 0, 0) + date(31790.0) + date(0.0) + b"\x00" + date(0.0)
    body += string("") + string("Birthday") + b"\x00"
    records.append((value, body))
    at = "AT %02d:%02d +%d MSG %s" % (hour, minute, notice, message)
    mon = months[day.month - 1]
    if kind == 0:
        rem.append("REM %d %s %d %s" % (day.day, mon, day.year, at))
    elif kind == 1:
        rem.append("REM %d %s %s" % (day.day, mon, at))
    elif kind == 2:
        rem.append("REM %d %s" % (day.day, at))
    else:
        rem.append("REM %s FROM %s %s" % (days[day.weekday()], day.isoformat(), at))
# In date order, as the program itself writes its file.
records.sort(key=lambda r: r[0])
out = bytearray(struct.pack("<I", 0) + string("KM 2.0 Reminders") + struct.pack("<I", count))
for i, (_, body) in enumerate(records):
    out += (b"\xff\xff\x02\x00\x09\x00CReminder" if i == 0 else b"\x01\x80") + body
open(km2_path, "wb").write(out)
if rem_path:
    open(rem_path, "w").write("\n".join(rem) + "\n")
