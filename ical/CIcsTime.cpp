#include "ical/CIcsTime.h"

#include <QStringList>
#include <QTimeZone>

namespace {

bool inRange(const icaltimetype &t)
{
    // What a reminder's date can hold.
    return t.year >= 100 && t.year <= 9999 && QDate::isValid(t.year, t.month, t.day)
        && (t.is_date || QTime::isValid(t.hour, t.minute, t.second));
}

CIcsLocalTime fromUtc(const QDateTime &utc)
{
    CIcsLocalTime local;
    if (!utc.isValid())
        return local;
    const QDateTime wall = utc.toLocalTime();
    local.m_Valid = wall.date().year() >= 100 && wall.date().year() <= 9999;
    local.m_Date = wall.date();
    local.m_Time = wall.time();
    local.m_Instant = utc;
    return local;
}

QDateTime utcOf(const icaltimetype &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), Qt::UTC);
}

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

CIcsLocalTime CIcsTime::ToLocal(const icaltimetype &t, const char *tzid, icalcomponent *calendar)
{
    CIcsLocalTime local;
    if (icaltime_is_null_time(t) || !inRange(t))
        return local;
    if (t.is_date) {
        local.m_Valid = true;
        local.m_Date = QDate(t.year, t.month, t.day);
        local.m_Time = QTime(0, 0);
        local.m_Instant = local.WallClock().toUTC();
        return local;
    }
    if (icaltime_is_utc(t))
        return fromUtc(utcOf(t));
    if (tzid && *tzid) {
        icaltimezone *zone = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr;
        if (zone && expandsSafely(zone)) {
            icaltimetype u = t;
            u.zone = nullptr;
            icaltimezone_convert_time(&u, zone, icaltimezone_get_utc_timezone());
            if (inRange(u))
                return fromUtc(utcOf(u));
            return local;
        }
        const QTimeZone known = systemZone(QString::fromUtf8(tzid));
        if (known.isValid())
            return fromUtc(QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second), known).toUTC());
        local.m_UnknownZone = true;
    }
    local.m_Valid = true;
    local.m_Date = QDate(t.year, t.month, t.day);
    local.m_Time = QTime(t.hour, t.minute, t.second);
    local.m_Instant = local.WallClock().toUTC();
    return local;
}

CIcsLocalTime CIcsTime::OfProperty(icalproperty *p, icaltimetype value, icalcomponent *calendar)
{
    icalparameter *tz = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    return ToLocal(value, tz ? icalparameter_get_tzid(tz) : nullptr, calendar);
}
