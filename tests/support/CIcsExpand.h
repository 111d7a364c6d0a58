#pragma once

// What other calendar programs see of a calendar text's event, found with
// libical's own iterator and none of this program's mapping: each
// occurrence on the event's own wall clock with its title (a changed
// occurrence, RECURRENCE-ID, in place of the one it changes), and the
// main event's alarms. Header-only; include it only from tests that link
// km_ical.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <algorithm>
#include <ostream>
#include <memory>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

namespace ics {

struct Occurrence
{
    QDateTime m_Wall; // naive, on the main event's DTSTART clock
    QString m_Summary;
    bool operator==(const Occurrence &o) const { return m_Wall == o.m_Wall && m_Summary == o.m_Summary; }
    bool operator<(const Occurrence &o) const { return m_Wall < o.m_Wall; }
};

inline void PrintTo(const Occurrence &o, std::ostream *os)
{
    *os << o.m_Wall.toString(QStringLiteral("yyyy-MM-dd HH:mm")).toStdString() << ' ' << o.m_Summary.toStdString();
}

struct Alarm
{
    QString m_Action;
    long long m_Before = 0; // seconds before the start
    QString m_Acknowledged; // as written, empty when none
};

struct FreeComponent
{
    void operator()(icalcomponent *c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, FreeComponent>;

inline Component Parse(const QByteArray &text) { return Component(icalparser_parse_string(text.constData())); }

inline icalcomponent *MainEvent(icalcomponent *root)
{
    for (icalcomponent *c = root ? icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT) : nullptr; c;
         c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
        if (!icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY))
            return c;
    return nullptr;
}

inline QDateTime Naive(const icaltimetype &t)
{
    return QDateTime(QDate(t.year, t.month, t.day), t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, t.second),
                     Qt::UTC);
}

inline QString Summary(icalcomponent *c)
{
    const char *s = icalcomponent_get_summary(c);
    return s ? QString::fromUtf8(s) : QString();
}

// On the clock of zone (a date stays a date).
inline QDateTime WallOf(time_t at, bool isDate, const icaltimezone *zone)
{
    return Naive(icaltime_from_timet_with_zone(at, isDate, const_cast<icaltimezone *>(zone)));
}

struct Collected
{
    std::vector<time_t> m_Starts;
};

inline void CollectStart(icalcomponent *, icaltime_span *span, void *data)
{
    static_cast<Collected *>(data)->m_Starts.push_back(span->start);
}

// The occurrences that begin from from up to to (UTC).
inline std::vector<Occurrence> Occurrences(const QByteArray &text, const QDateTime &from, const QDateTime &to)
{
    std::vector<Occurrence> out;
    const Component root = Parse(text);
    icalcomponent *event = MainEvent(root.get());
    if (!event)
        return out;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    const icaltimezone *zone = start.zone ? start.zone : icaltimezone_get_utc_timezone();
    icaltimezone *utc = icaltimezone_get_utc_timezone();
    Collected found;
    icalcomponent_foreach_recurrence(event, icaltime_from_timet_with_zone(from.toSecsSinceEpoch(), 0, utc),
                                     icaltime_from_timet_with_zone(to.toSecsSinceEpoch(), 0, utc), CollectStart, &found);
    std::vector<std::pair<time_t, Occurrence>> all;
    for (time_t at : found.m_Starts)
        all.push_back({ at, { WallOf(at, start.is_date, zone), Summary(event) } });
    for (icalcomponent *c = icalcomponent_get_first_component(root.get(), ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(root.get(), ICAL_VEVENT_COMPONENT)) {
        icalproperty *rid = icalcomponent_get_first_property(c, ICAL_RECURRENCEID_PROPERTY);
        if (!rid)
            continue;
        icaltimetype r = icalproperty_get_recurrenceid(rid);
        if (icalparameter *tz = icalproperty_get_first_parameter(rid, ICAL_TZID_PARAMETER)) {
            r.zone = icalcomponent_get_timezone(root.get(), icalparameter_get_tzid(tz));
            if (!r.zone)
                r.zone = icaltimezone_get_builtin_timezone(icalparameter_get_tzid(tz));
        }
        const time_t replaced = icaltime_as_timet_with_zone(r, r.zone);
        const auto it = std::find_if(all.begin(), all.end(), [&](const auto &o) { return o.first == replaced; });
        if (it == all.end())
            continue; // it changes no occurrence there is
        const icaltimetype s = icalcomponent_get_dtstart(c);
        const time_t at = icaltime_as_timet_with_zone(s, s.zone);
        *it = { at, { WallOf(at, s.is_date, zone), Summary(c) } };
    }
    for (const auto &o : all)
        out.push_back(o.second);
    std::sort(out.begin(), out.end());
    return out;
}

// Every occurrence later by seconds of its own wall clock.
inline std::vector<Occurrence> Moved(std::vector<Occurrence> list, qint64 seconds)
{
    for (Occurrence &o : list)
        o.m_Wall = o.m_Wall.addSecs(seconds);
    return list;
}

inline std::vector<Alarm> Alarms(const QByteArray &text)
{
    std::vector<Alarm> out;
    const Component root = Parse(text);
    icalcomponent *event = MainEvent(root.get());
    if (!event)
        return out;
    const icaltimetype start = icalcomponent_get_dtstart(event);
    for (icalcomponent *a = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(event, ICAL_VALARM_COMPONENT)) {
        Alarm alarm;
        if (icalproperty *p = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY))
            alarm.m_Action = QString::fromLatin1(icalproperty_get_value_as_string(p));
        if (icalproperty *p = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY)) {
            const icaltriggertype t = icalproperty_get_trigger(p);
            alarm.m_Before = icaltime_is_null_time(t.time)
                ? -icaldurationtype_as_int(t.duration)
                : icaltime_as_timet_with_zone(start, start.zone) - icaltime_as_timet_with_zone(t.time, t.time.zone);
        }
        if (icalproperty *p = icalcomponent_get_first_property(a, ICAL_ACKNOWLEDGED_PROPERTY))
            alarm.m_Acknowledged = QString::fromLatin1(icalproperty_get_value_as_string(p));
        out.push_back(alarm);
    }
    return out;
}

// The value of the main event's first property of that name, empty when none.
inline QString Property(const QByteArray &text, const char *name)
{
    const Component root = Parse(text);
    icalcomponent *event = MainEvent(root.get());
    for (icalproperty *p = event ? icalcomponent_get_first_property(event, ICAL_ANY_PROPERTY) : nullptr; p;
         p = icalcomponent_get_next_property(event, ICAL_ANY_PROPERTY))
        if (qstricmp(icalproperty_get_property_name(p), name) == 0) {
            icalvalue *v = icalproperty_get_value(p);
            if (v && icalvalue_isa(v) == ICAL_TEXT_VALUE)
                return QString::fromUtf8(icalvalue_get_text(v));
            return QString::fromUtf8(icalproperty_get_value_as_string(p));
        }
    return QString();
}

} // namespace ics
