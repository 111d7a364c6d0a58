#pragma once

#include "ical/CIcsZones.h"

#include <QDate>
#include <QDateTime>
#include <QTime>

extern "C" {
#include <libical/ical.h>
}

// An iCalendar time as the user's wall clock shows it. A time with a TZID
// (from the calendar's VTIMEZONE, else a zone the system knows) or in UTC
// is converted; a floating time is taken as it stands; a date alone is that
// day at 00:00. zones are those of the import (CIcsZones).
struct CIcsLocalTime
{
    bool m_Valid = false;
    bool m_UnknownZone = false; // a TZID nobody knows: read as floating
    QDate m_Date;
    QTime m_Time;
    QDateTime m_Instant; // the same moment in UTC, for comparisons
};

class CIcsTime
{
public:
    // The wall clock here at the instant utc.
    static CIcsLocalTime FromUtc(const QDateTime &utc, const CIcsZones &zones);
    static CIcsLocalTime ToLocal(const icaltimetype &t, const char *tzid, icalcomponent *calendar,
                                 const CIcsZones &zones);
    // A floating date and time of the library, to the second.
    static icaltimetype WallClock(const QDate &date, const QTime &time);
    // The value of a DTSTART, DUE, DTEND or absolute TRIGGER property.
    static CIcsLocalTime OfProperty(icalproperty *p, icaltimetype value, icalcomponent *calendar,
                                    const CIcsZones &zones);
};
