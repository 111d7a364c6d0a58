#include "ical/CIcsShift.h"

#include <cstdlib>

namespace {

// The value of a parameter in a line's name and parameters, unquoted.
QByteArray parameterValue(const QByteArray &head, const QByteArray &name)
{
    QList<QByteArray> parts;
    QByteArray part;
    bool quoted = false;
    for (char c : head) {
        if (c == '"')
            quoted = !quoted;
        if (c == ';' && !quoted) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const qsizetype eq = parts[i].indexOf('=');
        if (eq > 0 && parts[i].left(eq).trimmed().toUpper() == name) {
            QByteArray v = parts[i].mid(eq + 1).trimmed();
            if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
                v = v.mid(1, v.size() - 2);
            return v;
        }
    }
    return QByteArray();
}

template <size_t N>
int ruleParts(const short (&array)[N])
{
    int n = 0;
    while (size_t(n) < N && array[n] != ICAL_RECURRENCE_ARRAY_MAX)
        ++n;
    return n;
}

int floorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

} // namespace

bool CIcsShift::move(icaltimetype &t, icaltimezone *own, bool sameZone) const
{
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t))
        return false;
    if (t.is_date) {
        if (m_seconds % 86400 != 0)
            return false;
        icaltime_adjust(&t, static_cast<int>(m_seconds / 86400), 0, 0, 0);
        return true;
    }
    if (sameZone || !m_zone) {
        // On the one wall clock: the fields move, the zone stays.
        const icaltimezone *zone = t.zone;
        t.zone = nullptr;
        icaltime_adjust(&t, static_cast<int>(m_seconds / 86400), 0, 0, static_cast<int>(m_seconds % 86400));
        t.zone = zone;
        return true;
    }
    if (!own)
        return false;
    // Through the event's wall clock, and back to the value's own zone.
    icaltimetype wall = icaltime_from_timet_with_zone(icaltime_as_timet_with_zone(t, own), 0, m_zone);
    wall.zone = nullptr;
    icaltime_adjust(&wall, static_cast<int>(m_seconds / 86400), 0, 0, static_cast<int>(m_seconds % 86400));
    const time_t moved = icaltime_as_timet_with_zone(wall, m_zone);
    t = icaltime_from_timet_with_zone(moved, 0, own);
    if (own != icaltimezone_get_utc_timezone())
        t.zone = nullptr;
    return true;
}

QByteArray CIcsShift::value(const QByteArray &text, icaltimezone *own, bool sameZone) const
{
    icaltimetype t = icaltime_from_string(text.trimmed().constData());
    if (icaltime_is_null_time(t))
        return QByteArray();
    if (icaltime_is_utc(t)) {
        own = icaltimezone_get_utc_timezone();
        sameZone = false;
        t.zone = own;
    }
    if (!move(t, own, sameZone))
        return QByteArray();
    char *out = icaltime_as_ical_string_r(t);
    QByteArray bytes(out ? out : "");
    icalmemory_free_buffer(out);
    return bytes;
}

QByteArray CIcsShift::Times(const CIcsLine &line) const
{
    const QByteArray head = line.Head();
    const QByteArray tzid = parameterValue(head, "TZID");
    // A value without a zone of its own is read on the event's clock.
    const bool sameZone = tzid == m_tzid || tzid.isEmpty();
    icaltimezone *own = nullptr;
    if (!tzid.isEmpty() && !sameZone) {
        own = m_calendar ? icalcomponent_get_timezone(m_calendar, tzid.constData()) : nullptr;
        if (!own)
            own = icaltimezone_get_builtin_timezone(tzid.constData());
    }
    QList<QByteArray> moved;
    for (const QByteArray &one : line.Value().split(',')) {
        // A period moves its start and its end, not its length.
        const QList<QByteArray> ends = one.split('/');
        QByteArray out = value(ends[0], own, sameZone);
        if (out.isEmpty())
            return QByteArray();
        if (ends.size() == 2) {
            const QByteArray end = ends[1].trimmed();
            const bool length = end.startsWith('P') || end.startsWith("+P") || end.startsWith("-P");
            const QByteArray to = length ? end : value(end, own, sameZone);
            if (to.isEmpty())
                return QByteArray();
            out += '/' + to;
        } else if (ends.size() > 2) {
            return QByteArray();
        }
        moved << out;
    }
    return head + ':' + moved.join(',');
}

QByteArray CIcsShift::Rule(const CIcsLine &line) const
{
    icalrecurrencetype rule = icalrecurrencetype_from_string(line.Value().trimmed().constData());
    if (rule.freq == ICAL_NO_RECURRENCE)
        return QByteArray();
    const bool until = !icaltime_is_null_time(rule.until);
    if (!until && (m_days == 0 || (ruleParts(rule.by_day) == 0 && ruleParts(rule.by_month_day) == 0)))
        return line.Head() + ':' + line.Value();
    if (until) {
        icaltimezone *own = icaltime_is_utc(rule.until) ? icaltimezone_get_utc_timezone() : nullptr;
        if (!move(rule.until, own, own == nullptr))
            return QByteArray();
    }
    for (int i = 0; m_days != 0 && i < ruleParts(rule.by_day); ++i) {
        const int weekday = icalrecurrencetype_day_day_of_week(rule.by_day[i]) - 1; // Sunday 0
        const int position = icalrecurrencetype_day_position(rule.by_day[i]);
        const int moved = weekday + m_days;
        const int newWeekday = ((moved % 7) + 7) % 7;
        int newPosition = position;
        if (position != 0) {
            // The third Tuesday a week later is the fourth; a move that
            // crosses the weekday's count out of the month cannot follow.
            newPosition = position + floorDiv(moved, 7);
            if (newPosition == 0 || (newPosition > 0) != (position > 0) || std::abs(newPosition) > 5)
                return QByteArray();
        }
        const int code = std::abs(newPosition) * 8 + newWeekday + 1;
        rule.by_day[i] = static_cast<short>(newPosition < 0 ? -code : code);
    }
    for (int i = 0; m_days != 0 && i < ruleParts(rule.by_month_day); ++i) {
        const int day = rule.by_month_day[i] + m_days;
        if (day == 0 || (day > 0) != (rule.by_month_day[i] > 0) || std::abs(day) > 31)
            return QByteArray();
        rule.by_month_day[i] = static_cast<short>(day);
    }
    char *text = icalrecurrencetype_as_string_r(&rule);
    const QByteArray out = line.Head() + ':' + QByteArray(text ? text : "");
    icalmemory_free_buffer(text);
    return out;
}
