#include "ical/CIcsZone.h"

#include <QStringList>

namespace {

// Zone names as other programs write them: plain IANA names, names behind
// a vendor prefix ("/mozilla.org/20050126_1/Europe/Berlin"), and Windows
// zone names.
QTimeZone systemZone(const QString &tzid)
{
    QStringList candidates { tzid };
    const QStringList parts = tzid.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (int n = 3; n >= 1; --n)
        if (parts.size() >= n)
            candidates << parts.mid(parts.size() - n).join(QLatin1Char('/'));
    for (const QString &c : candidates) {
        const QByteArray id = c.toUtf8();
        if (QTimeZone::isTimeZoneIdAvailable(id))
            return QTimeZone(id);
    }
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid.toUtf8());
    if (!iana.isEmpty() && QTimeZone::isTimeZoneIdAvailable(iana))
        return QTimeZone(iana);
    return QTimeZone();
}

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

QTimeZone CIcsZone::Here()
{
    const QTimeZone zone = QTimeZone::systemTimeZone();
    // Trusted where it agrees with the C library now and half a year on,
    // across a change of the clocks (a TZ rule Qt reads otherwise, say).
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QDateTime &at : { now, now.addDays(182) })
        if (!zone.isValid() || zone.offsetFromUtc(at) != at.toLocalTime().offsetFromUtc())
            return QTimeZone();
    return zone;
}

QDateTime CIcsZone::ToHere(const QDateTime &utc, const QTimeZone &here)
{
    return here.isValid() ? utc.toTimeZone(here) : utc.toLocalTime();
}

CIcsZone CIcsZone::LocalZone(const QTimeZone &here)
{
    CIcsZone zone;
    zone.m_here = here;
    return zone;
}

CIcsZone CIcsZone::Of(const icaltimetype &t, const char *tzid, icalcomponent *calendar, const QTimeZone &here)
{
    CIcsZone zone = LocalZone(here);
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
    zone.m_system = systemZone(QString::fromUtf8(tzid));
    zone.m_kind = zone.m_system.isValid() ? System : Unknown;
    return zone;
}

CIcsZone CIcsZone::OfProperty(icalproperty *p, const icaltimetype &value, icalcomponent *calendar,
                              const QTimeZone &here)
{
    icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return Of(value, tz ? icalparameter_get_tzid(tz) : nullptr, calendar, here);
}

int CIcsZone::OffsetAt(const QDateTime &utc) const
{
    switch (m_kind) {
    case Utc:
        return 0;
    case Calendar: {
        const QDate d = utc.date();
        const QTime t = utc.time();
        icaltimetype at = icaltime_null_time();
        at.year = d.year();
        at.month = d.month();
        at.day = d.day();
        at.hour = t.hour();
        at.minute = t.minute();
        at.second = t.second();
        int daylight = 0;
        return icaltimezone_get_utc_offset_of_utc_time(m_calendarZone, &at, &daylight);
    }
    case System:
        return m_system.offsetFromUtc(utc);
    case Local:
    case Unknown:
        break;
    }
    return m_here.isValid() ? m_here.offsetFromUtc(utc) : utc.toLocalTime().offsetFromUtc();
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
