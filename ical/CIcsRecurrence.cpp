#include "ical/CIcsRecurrence.h"

#include "l10n/CNotes.h"
#include "model/CReminder.h"

#include <QStringList>

namespace {

template <size_t N>
std::vector<short> values(const short (&array)[N])
{
    std::vector<short> out;
    for (size_t i = 0; i < N && array[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i)
        out.push_back(array[i]);
    return out;
}

// The first date on or after start falling on weekday (1 Sunday .. 7).
QDate onOrAfter(const QDate &start, int weekday)
{
    const int startDay = start.dayOfWeek() % 7 + 1; // Qt: 1 Monday .. 7 Sunday
    return start.addDays((weekday - startDay + 7) % 7);
}

bool onlyValue(const std::vector<short> &v, int value) { return v.empty() || (v.size() == 1 && v[0] == value); }

} // namespace

QString CIcsRecurrence::Describe(Simplification one)
{
    switch (one) {
    case Interval: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a repeat interval above 1 was read as 1"));
    case End: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the end of the repeat (COUNT or UNTIL) was dropped, so it repeats without end"));
    case ExDate: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "its excluded dates (EXDATE) were not kept"));
    case RDate: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "its extra dates (RDATE) were left out"));
    case Frequent: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a repeat of hours or less became one time"));
    case Parts: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the days its rule names were read as the start's own day"));
    case BadRule: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "a repeat rule that could not be read became one time"));
    case MoreRules: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "only the first of its repeat rules was kept"));
    case AlarmAfter: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "an alarm after the start rings at the start"));
    case UnknownZone: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "an unknown time zone was read as local time"));
    case Unreadable: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "properties that could not be read were ignored"));
    case ZoneHour:
        return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "it keeps the time of its own time zone, which changes its clocks on other days than "
                              "this computer's, so here it rings an hour off for part of the year"));
    case OneLeft: return CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "its repeat has one occurrence left, so it became one time"));
    case None: break;
    }
    return QString();
}

QString CIcsRecurrence::DescribeAll(unsigned set)
{
    QStringList parts;
    for (unsigned bit = 0; bit < kCount; ++bit)
        if (set & (1u << bit))
            parts << Describe(static_cast<Simplification>(1u << bit));
    return parts.join(QStringLiteral("; "));
}

CIcsRecurrence::Mapping CIcsRecurrence::Map(const QDate &start, const icalrecurrencetype *rule)
{
    Mapping m;
    m.m_Kind = RecurOneTime;
    m.m_Dates = { start };
    if (!rule)
        return m;

    if (rule->interval > 1)
        m.m_Simplified |= Interval;
    if (rule->count > 0 || !icaltime_is_null_time(rule->until))
        m.m_Simplified |= End;

    const std::vector<short> byDay = values(rule->by_day);
    const std::vector<short> byMonthDay = values(rule->by_month_day);
    const std::vector<short> byMonth = values(rule->by_month);
    const bool otherParts = !values(rule->by_second).empty() || !values(rule->by_minute).empty()
        || !values(rule->by_hour).empty() || !values(rule->by_year_day).empty()
        || !values(rule->by_week_no).empty() || !values(rule->by_set_pos).empty()
        || (rule->rscale && *rule->rscale && qstricmp(rule->rscale, "GREGORIAN") != 0);

    switch (rule->freq) {
    case ICAL_YEARLY_RECURRENCE:
        m.m_Kind = RecurAnnual;
        if (otherParts || !byDay.empty() || !onlyValue(byMonth, start.month()) || !onlyValue(byMonthDay, start.day()))
            m.m_Simplified |= Parts;
        break;
    case ICAL_MONTHLY_RECURRENCE:
        m.m_Kind = RecurMonthly;
        if (otherParts || !byDay.empty() || !byMonth.empty() || !onlyValue(byMonthDay, start.day()))
            m.m_Simplified |= Parts;
        break;
    case ICAL_WEEKLY_RECURRENCE:
    case ICAL_DAILY_RECURRENCE: {
        m.m_Kind = RecurWeekly;
        if (otherParts || !byMonth.empty() || !byMonthDay.empty())
            m.m_Simplified |= Parts;
        // The weekdays it falls on, Sunday first; a daily rule without
        // BYDAY falls on all seven.
        bool days[8] = {};
        for (short d : byDay) {
            const int weekday = icalrecurrencetype_day_day_of_week(d);
            if (weekday >= 1 && weekday <= 7)
                days[weekday] = true;
        }
        const int startDay = start.dayOfWeek() % 7 + 1;
        int chosen = 0;
        for (int d = 1; d <= 7; ++d)
            chosen += days[d];
        if (chosen == 0) {
            if (rule->freq == ICAL_DAILY_RECURRENCE)
                for (int d = 1; d <= 7; ++d)
                    days[d] = true;
            else
                days[startDay] = true;
        }
        m.m_Dates.clear();
        // In date order from the start.
        for (int i = 0; i < 7; ++i) {
            const int weekday = (startDay - 1 + i) % 7 + 1;
            if (days[weekday])
                m.m_Dates.push_back(onOrAfter(start, weekday));
        }
        break;
    }
    case ICAL_HOURLY_RECURRENCE:
    case ICAL_MINUTELY_RECURRENCE:
    case ICAL_SECONDLY_RECURRENCE:
        m.m_Simplified |= Frequent;
        m.m_Simplified &= ~(Interval | End);
        break;
    default:
        m.m_Simplified = BadRule;
        break;
    }
    return m;
}
