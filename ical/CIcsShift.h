#pragma once

#include "ical/CIcsLine.h"

#include <QByteArray>

extern "C" {
#include <libical/ical.h>
}

// The times of an event moved by one amount of its own wall clock, so that
// the whole series moves: DTSTART and DTEND, the EXDATE, RDATE and
// RECURRENCE-ID values, and the rule's UNTIL and its weekday and month-day
// parts (BYDAY=TU becomes BYDAY=WE a day later). A value in another zone
// than the event's is moved through the event's. Whether a rule so moved
// still means the same days is for CIcsSeriesCheck to tell.
class CIcsShift
{
public:
    // tzid and zone: the event's DTSTART's (empty and null when it floats
    // or is a date); seconds: on its wall clock; days: how many days its
    // date moved.
    CIcsShift(const QByteArray &tzid, icaltimezone *zone, icalcomponent *calendar, qint64 seconds, int days)
        : m_tzid(tzid), m_zone(zone), m_calendar(calendar), m_seconds(seconds), m_days(days)
    {
    }

    // A line holding times, with every value moved; empty when one cannot
    // be (a date by less than a day, a zone nobody knows).
    QByteArray Times(const CIcsLine &line) const;
    // An RRULE line moved along; empty when a part cannot follow (the 31st
    // a day later, the last Friday three days later).
    QByteArray Rule(const CIcsLine &line) const;

private:
    bool move(icaltimetype &t, icaltimezone *own, bool sameZone) const;
    QByteArray value(const QByteArray &text, icaltimezone *own, bool sameZone) const;

    QByteArray m_tzid;
    icaltimezone *m_zone = nullptr;
    icalcomponent *m_calendar = nullptr;
    qint64 m_seconds = 0;
    int m_days = 0;
};
