#include "ical/CIcsZone.h"

#include "ical/CIcsTime.h"

namespace {

template <size_t N>
int count(const short (&array)[N])
{
    int n = 0;
    while (size_t(n) < N && array[n] != ICAL_RECURRENCE_ARRAY_MAX)
        ++n;
    return n;
}

// The library expands a zone's rules into every change up to the year it
// converts, all in memory: a rule of seconds, or one naming every hour of
// the year, would take it hours and gigabytes. Real zones change a few
// times a year by yearly rules naming one month and one weekday.
bool expandsSafely(icaltimezone *zone)
{
    icalcomponent *vtz = icaltimezone_get_component(zone);
    if (!vtz)
        return false;
    int parts = 0;
    for (icalcomponent *c = icalcomponent_get_first_component(vtz, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(vtz, ICAL_ANY_COMPONENT)) {
        if (++parts > 1000)
            return false;
        for (icalproperty *p = icalcomponent_get_first_property(c, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(c, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype r = icalproperty_get_rrule(p);
            if (r.freq != ICAL_YEARLY_RECURRENCE || count(r.by_second) || count(r.by_minute) || count(r.by_hour)
                || count(r.by_set_pos) || count(r.by_week_no) || count(r.by_year_day) || count(r.by_month) > 1
                || count(r.by_day) > 1 || count(r.by_month_day) > 7)
                return false;
        }
    }
    return true;
}

} // namespace

CIcsZone CIcsZone::LocalZone(const CIcsZones &zones)
{
    CIcsZone zone;
    zone.m_zones = &zones;
    return zone;
}

CIcsZone CIcsZone::Of(const icaltimetype &t, const char *tzid, icalcomponent *calendar, const CIcsZones &zones)
{
    CIcsZone zone = LocalZone(zones);
    if (icaltime_is_utc(t)) {
        zone.m_kind = Utc;
        return zone;
    }
    if (t.is_date || !tzid || !*tzid)
        return zone;
    icaltimezone *own = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr;
    if (own && expandsSafely(own)) {
        zone.m_kind = Calendar;
        zone.m_calendarZone = own;
        return zone;
    }
    zone.m_system = zones.System(QByteArray(tzid));
    zone.m_kind = zone.m_system.isValid() ? System : Unknown;
    return zone;
}

CIcsZone CIcsZone::OfProperty(icalproperty *p, const icaltimetype &value, icalcomponent *calendar,
                              const CIcsZones &zones)
{
    icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return Of(value, tz ? icalparameter_get_tzid(tz) : nullptr, calendar, zones);
}

int CIcsZone::OffsetAt(const QDateTime &utc) const
{
    switch (m_kind) {
    case Utc:
        return 0;
    case Calendar: {
        icaltimetype at = CIcsTime::WallClock(utc.date(), utc.time());
        int daylight = 0;
        return icaltimezone_get_utc_offset_of_utc_time(m_calendarZone, &at, &daylight);
    }
    case System:
        return m_zones->OffsetAt(m_system, utc);
    case Local:
    case Unknown:
        break;
    }
    return m_zones->HereOffsetAt(utc);
}

QDateTime CIcsZone::Instant(const QDate &date, const QTime &time) const
{
    const QDateTime wall(date, time, Qt::UTC);
    // The offsets a day either side; a change of the clocks lies between.
    const int before = OffsetAt(wall.addDays(-1));
    const int after = OffsetAt(wall.addDays(1));
    const QDateTime first = wall.addSecs(-before);
    const QDateTime second = wall.addSecs(-after);
    const bool firstHolds = OffsetAt(first) == before;
    const bool secondHolds = OffsetAt(second) == after;
    if (firstHolds && secondHolds)
        return std::min(first, second);
    if (secondHolds)
        return second;
    // The first reading holds, or the time was skipped: the offset before.
    return first;
}
