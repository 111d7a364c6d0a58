#pragma once

#include "ical/CIcsZones.h"

#include <QDateTime>
#include <QTimeZone>

extern "C" {
#include <libical/ical.h>
}

// The zone an iCalendar time is written in: UTC, a VTIMEZONE of the
// calendar, a zone the system knows by the TZID, or none (floating, or a
// TZID nobody knows), which is read as this computer's local time.
// Local and system zones are those of the import's CIcsZones, which must
// outlive the zone.
class CIcsZone
{
public:
    enum Kind { Local, Utc, Calendar, System, Unknown };

    // The zone of a time: UTC when it says so, else its TZID's.
    static CIcsZone Of(const icaltimetype &t, const char *tzid, icalcomponent *calendar, const CIcsZones &zones);
    static CIcsZone OfProperty(icalproperty *p, const icaltimetype &value, icalcomponent *calendar,
                               const CIcsZones &zones);
    static CIcsZone LocalZone(const CIcsZones &zones);

    Kind kind() const { return m_kind; }
    const CIcsZones &Zones() const { return *m_zones; }
    // Floating and unknown times keep their wall clock wherever they are read.
    bool Floats() const { return m_kind == Local || m_kind == Unknown; }
    // Seconds ahead of UTC at the instant utc.
    int OffsetAt(const QDateTime &utc) const;
    // The instant a wall-clock time of this zone names. A time the clocks
    // pass twice is the first of the two; a time they skip is read with the
    // offset before the skip, so 02:30 on a spring-forward night is 03:30
    // (RFC 5545).
    QDateTime Instant(const QDate &date, const QTime &time) const;

private:
    Kind m_kind = Local;
    icaltimezone *m_calendarZone = nullptr; // belongs to the calendar
    QTimeZone m_system;
    const CIcsZones *m_zones = nullptr;
};
