#include "ical/CIcsAlarms.h"

namespace {

void keepLater(std::optional<QDateTime> &latest, const QDateTime &when)
{
    if (when.isValid() && (!latest || when > *latest))
        latest = when;
}

// RFC 9074: an alarm added to ring again after a snooze of another.
bool isSnooze(icalcomponent *alarm)
{
    for (icalproperty *p = icalcomponent_get_first_property(alarm, ICAL_RELATEDTO_PROPERTY); p;
         p = icalcomponent_get_next_property(alarm, ICAL_RELATEDTO_PROPERTY)) {
        icalparameter *type = icalproperty_get_first_parameter(p, ICAL_RELTYPE_PARAMETER);
        if (type && icalparameter_get_reltype(type) == ICAL_RELTYPE_X && icalparameter_get_xvalue(type)
            && qstricmp(icalparameter_get_xvalue(type), "SNOOZE") == 0)
            return true;
    }
    return false;
}

// Thunderbird's answer: X-MOZ-LASTACK on the item, unless one of its
// X-MOZ-SNOOZE-TIME properties brings an alarm back after it.
std::optional<QDateTime> mozillaAnswer(icalcomponent *item)
{
    std::optional<QDateTime> lastAck, snooze;
    for (icalproperty *p = icalcomponent_get_first_property(item, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(item, ICAL_X_PROPERTY)) {
        const char *name = icalproperty_get_x_name(p);
        const std::optional<QDateTime> when = CIcsAlarms::UtcValue(icalproperty_get_x(p));
        if (!name || !when)
            continue;
        if (qstricmp(name, "X-MOZ-LASTACK") == 0)
            keepLater(lastAck, *when);
        else if (qstrnicmp(name, "X-MOZ-SNOOZE-TIME", 17) == 0)
            keepLater(snooze, *when);
    }
    if (lastAck && snooze && *snooze > *lastAck)
        return std::nullopt;
    return lastAck;
}

} // namespace

std::optional<QDateTime> CIcsAlarms::UtcValue(const char *text)
{
    if (!text)
        return std::nullopt;
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(text).trimmed(),
                                                 QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    if (!when.isValid())
        return std::nullopt;
    return QDateTime(when.date(), when.time(), Qt::UTC);
}

CIcsAlarms::Notice CIcsAlarms::Read(icalcomponent *item, icalcomponent *calendar, const CIcsLocalTime &start,
                                    const CIcsZones &zones)
{
    Notice notice;
    // How long the item lasts, for alarms related to its end.
    long long length = 0;
    if (icalcomponent_isa(item) == ICAL_VEVENT_COMPONENT) {
        if (icalproperty *end = icalcomponent_get_first_property(item, ICAL_DTEND_PROPERTY)) {
            const CIcsLocalTime e = CIcsTime::OfProperty(end, icalproperty_get_dtend(end), calendar, zones);
            if (e.m_Valid)
                length = start.m_Instant.secsTo(e.m_Instant);
        } else if (icalproperty *d = icalcomponent_get_first_property(item, ICAL_DURATION_PROPERTY)) {
            length = icaldurationtype_as_int(icalproperty_get_duration(d));
        }
    }
    int index = -1;
    for (icalcomponent *a = icalcomponent_get_first_component(item, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(item, ICAL_VALARM_COMPONENT)) {
        ++index;
        icalproperty *action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
        icalproperty *trig = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!action || !trig)
            continue;
        const icalproperty_action act = icalproperty_get_action(action);
        if (act != ICAL_ACTION_DISPLAY && act != ICAL_ACTION_AUDIO)
            continue;
        if (icalproperty *ack = icalcomponent_get_first_property(a, ICAL_ACKNOWLEDGED_PROPERTY)) {
            const CIcsLocalTime when = CIcsTime::OfProperty(ack, icalproperty_get_acknowledged(ack), calendar, zones);
            if (when.m_Valid)
                keepLater(notice.m_Acknowledged, when.m_Instant);
        }
        if (isSnooze(a))
            continue;
        const icaltriggertype t = icalproperty_get_trigger(trig);
        long long before = 0;
        if (!icaltime_is_null_time(t.time)) {
            const CIcsLocalTime at = CIcsTime::OfProperty(trig, t.time, calendar, zones);
            if (!at.m_Valid)
                continue;
            before = at.m_Instant.secsTo(start.m_Instant);
        } else {
            if (icaldurationtype_is_bad_duration(t.duration))
                continue;
            long long offset = icaldurationtype_as_int(t.duration);
            icalparameter *rel = icalproperty_get_first_parameter(trig, ICAL_RELATED_PARAMETER);
            if (rel && icalparameter_get_related(rel) == ICAL_RELATED_END)
                offset += length;
            before = -offset;
        }
        if (before < 0) {
            notice.m_After = true;
            before = 0;
        }
        if (!notice.m_Seconds || before > *notice.m_Seconds) {
            if (notice.m_Seconds)
                notice.m_NextSeconds = notice.m_Seconds;
            notice.m_Seconds = before;
            notice.m_Alarm = index;
        } else if (!notice.m_NextSeconds || before > *notice.m_NextSeconds) {
            notice.m_NextSeconds = before;
        }
    }
    if (const std::optional<QDateTime> mozilla = mozillaAnswer(item))
        keepLater(notice.m_Acknowledged, *mozilla);
    return notice;
}
