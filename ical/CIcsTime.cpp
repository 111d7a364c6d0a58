#include "ical/CIcsTime.h"

#include "ical/CIcsZone.h"

namespace {

bool inRange(const icaltimetype &t)
{
    // What a reminder's date can hold.
    return t.year >= 100 && t.year <= 9999 && QDate::isValid(t.year, t.month, t.day)
        && (t.is_date || QTime::isValid(t.hour, t.minute, t.second));
}

} // namespace

CIcsLocalTime CIcsTime::FromUtc(const QDateTime &utc, const CIcsZones &zones)
{
    CIcsLocalTime local;
    if (!utc.isValid())
        return local;
    const QDateTime wall = zones.WallClockHere(utc);
    local.m_Valid = wall.date().year() >= 100 && wall.date().year() <= 9999;
    local.m_Date = wall.date();
    local.m_Time = wall.time();
    local.m_Instant = utc;
    return local;
}

CIcsLocalTime CIcsTime::ToLocal(const icaltimetype &t, const char *tzid, icalcomponent *calendar,
                                const CIcsZones &zones)
{
    if (icaltime_is_null_time(t) || !inRange(t))
        return CIcsLocalTime();
    const CIcsZone zone = CIcsZone::Of(t, tzid, calendar, zones);
    const QDate date(t.year, t.month, t.day);
    const QTime time = t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, t.second);
    if (!zone.Floats())
        return FromUtc(zone.Instant(date, time), zones);
    CIcsLocalTime local;
    local.m_Valid = true;
    local.m_UnknownZone = zone.kind() == CIcsZone::Unknown;
    local.m_Date = date;
    local.m_Time = time;
    local.m_Instant = zone.Instant(date, time);
    return local;
}

CIcsLocalTime CIcsTime::OfProperty(icalproperty *p, icaltimetype value, icalcomponent *calendar,
                                   const CIcsZones &zones)
{
    icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return ToLocal(value, tz ? icalparameter_get_tzid(tz) : nullptr, calendar, zones);
}

icaltimetype CIcsTime::WallClock(const QDate &date, const QTime &time)
{
    icaltimetype t = icaltime_null_time();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    t.hour = time.hour();
    t.minute = time.minute();
    t.second = time.second();
    return t;
}
