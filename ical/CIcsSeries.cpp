#include "ical/CIcsSeries.h"

#include "ical/CIcsTime.h"
#include "model/CReminder.h"

#include <algorithm>

namespace {

// Enough for a daily series of decades; one whose end is further than
// that is taken as going on.
constexpr int kMaxSteps = 10000;

QDateTime untilOf(const icaltimetype &until, const CIcsZone &zone)
{
    const QDate date(until.year, until.month, until.day);
    if (until.is_date) // the whole day is in
        return zone.Instant(date.addDays(1), QTime(0, 0)).addSecs(-1);
    const QTime time(until.hour, until.minute, until.second);
    if (icaltime_is_utc(until))
        return QDateTime(date, time, Qt::UTC);
    return zone.Instant(date, time);
}

} // namespace

CIcsSeries::Left CIcsSeries::Remaining(const icalrecurrencetype &rule, const QDate &date, const QTime &time,
                                       bool allDay, const CIcsZone &zone, const std::vector<QDateTime> &excluded,
                                       const QDateTime &now)
{
    Left going;
    going.m_Count = 2;
    icalrecurrencetype r = rule;
    QDateTime until;
    if (!icaltime_is_null_time(r.until)) {
        until = untilOf(r.until, zone);
        r.until = icaltime_null_time();
    }
    // Past its end: only whether it ever had more than one occurrence counts.
    const bool over = until.isValid() && until < now;
    const QDate today = zone.Zones().WallClockHere(now).date();
    // A whole day runs as a time at midnight: the library's iterator repeats
    // the first date of a daily rule on dates alone.
    icalrecur_iterator *it = icalrecur_iterator_new(r, CIcsTime::WallClock(date, allDay ? QTime(0, 0) : time));
    if (!it)
        return going;
    Left first, left;
    int total = 0;
    int steps = 0;
    for (; steps < kMaxSteps && left.m_Count < 2 && !(over && total >= 2); ++steps) {
        const icaltimetype next = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(next))
            break;
        const QDate d(next.year, next.month, next.day);
        const QTime t = allDay ? QTime(0, 0) : QTime(next.hour, next.minute, next.second);
        const bool longPast = d < today.addDays(-2); // whatever the zones
        const QDateTime at = longPast && !over && total >= 2 ? QDateTime() : zone.Instant(d, t);
        if (at.isValid() && until.isValid() && at > until)
            break;
        if (at.isValid() && std::find(excluded.begin(), excluded.end(), at) != excluded.end())
            continue;
        if (++total == 1) {
            first.m_Count = 1;
            first.m_Date = d;
            first.m_Time = t;
        }
        if (over || longPast || (allDay ? d < today : at < now))
            continue;
        if (++left.m_Count == 1) {
            left.m_Date = d;
            left.m_Time = t;
        }
    }
    icalrecur_iterator_free(it);
    // A series of one occurrence is a one-time event, past or not.
    if (total == 1)
        return first;
    return steps == kMaxSteps ? going : left;
}

bool CIcsSeries::Drifts(int kind, const QDate &date, const QTime &time, const CIcsZone &zone, const QDate &localDate,
                        const QTime &localTime)
{
    // A year of weeks or months; annual ones over years, as the days the
    // clocks change move from year to year.
    int steps = 0;
    switch (kind) {
    case RecurWeekly: steps = 53; break;
    case RecurMonthly: steps = 12; break;
    case RecurAnnual: steps = 8; break;
    default: return false;
    }
    const CIcsZone here = CIcsZone::LocalZone(zone.Zones());
    for (int k = 1; k <= steps; ++k) {
        QDate there = date, mine = localDate;
        if (kind == RecurWeekly) {
            there = date.addDays(7 * k);
            mine = localDate.addDays(7 * k);
        } else {
            there = kind == RecurMonthly ? date.addMonths(k) : date.addYears(k);
            mine = kind == RecurMonthly ? localDate.addMonths(k) : localDate.addYears(k);
            // The event does not fall on a 31st a month lacks.
            if (there.day() != date.day() || mine.day() != localDate.day())
                continue;
        }
        if (zone.Instant(there, time) != here.Instant(mine, localTime))
            return true;
    }
    return false;
}
