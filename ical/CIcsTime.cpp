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
        if (zone) {
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
