#include "model/CRecurrence.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminder.h"
#include "model/CReminderList.h"

#include <algorithm>

const COleDateTime CRecurrence::kNotStarted(1972, 1, 13, 0, 0, 0);

namespace {

// Far enough to pass the eight years between two 29 Februaries around 2100.
constexpr int kYearsToSearch = 9;
// Far enough to pass any run of months without the 29th, 30th or 31st.
constexpr int kMonthsToSearch = 13;

COleDateTime at(int year, int month, int day, const COleDateTime::Parts &time)
{
    COleDateTime dt(0.0, COleDateTime::invalid);
    dt.SetDateTime(year, month, day, time.hour, time.minute, time.second);
    return dt;
}

COleDateTime endOfDay(const COleDateTime &dt)
{
    return CReminderList::DateOnly(dt) + COleDateTimeSpan(1.0);
}

} // namespace

CRecurrence::Occurrence CRecurrence::WithWindow(const CReminder &r, const COleDateTime &date,
                                                const COleDateTime *previous)
{
    Occurrence o;
    o.m_Date = date;
    o.m_Valid = date.GetStatus() == COleDateTime::valid;
    o.m_WindowStart = date - r.m_AdvanceNotice;
    // A notice longer than the period starts no earlier than the end of the
    // previous occurrence's day, so one alert never covers two occurrences.
    if (previous && previous->GetStatus() == COleDateTime::valid) {
        const COleDateTime floor = endOfDay(*previous);
        if (floor > o.m_WindowStart)
            o.m_WindowStart = floor;
    }
    return o;
}

CRecurrence::Occurrence CRecurrence::Current(const CReminder &r, const COleDateTime &now)
{
    COleDateTime::Parts d;
    if (r.IsOneTime() || !r.m_DateTime.GetParts(d)) {
        Occurrence o = WithWindow(r, r.m_DateTime, nullptr);
        if (!r.IsOneTime())
            o.m_Valid = false;
        return o;
    }
    switch (r.m_Recurrence) {
    case RecurAnnual: return Annual(r, d, now);
    case RecurMonthly: return Monthly(r, d, now);
    default: return Weekly(r, d, now);
    }
}

CRecurrence::Occurrence CRecurrence::Annual(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now)
{
    COleDateTime::Parts n;
    if (!now.GetParts(n))
        return Occurrence();
    const long long today = now.DayNumber();
    for (int y = n.year; y <= n.year + kYearsToSearch; ++y) {
        const COleDateTime e = at(y, d.month, d.day, d);
        if (e.GetStatus() != COleDateTime::valid || e.DayNumber() < today)
            continue;
        for (int py = y - 1; py >= y - kYearsToSearch; --py) {
            const COleDateTime prev = at(py, d.month, d.day, d);
            if (prev.GetStatus() == COleDateTime::valid)
                return WithWindow(r, e, &prev);
        }
        return WithWindow(r, e, nullptr);
    }
    return Occurrence();
}

CRecurrence::Occurrence CRecurrence::Monthly(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now)
{
    COleDateTime::Parts n;
    if (!now.GetParts(n))
        return Occurrence();
    const long long today = now.DayNumber();
    const int base = n.year * 12 + (n.month - 1);
    for (int m = base; m <= base + kMonthsToSearch; ++m) {
        const COleDateTime e = at(m / 12, m % 12 + 1, d.day, d);
        if (e.GetStatus() != COleDateTime::valid || e.DayNumber() < today)
            continue;
        for (int pm = m - 1; pm >= m - kMonthsToSearch; --pm) {
            const COleDateTime prev = at(pm / 12, pm % 12 + 1, d.day, d);
            if (prev.GetStatus() == COleDateTime::valid)
                return WithWindow(r, e, &prev);
        }
        return WithWindow(r, e, nullptr);
    }
    return Occurrence();
}

CRecurrence::Occurrence CRecurrence::Weekly(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now)
{
    if (now < r.m_DateTime - r.m_AdvanceNotice) {
        Occurrence o = WithWindow(r, kNotStarted, nullptr);
        o.m_Valid = false;
        return o;
    }
    // The first day with the reminder's weekday from today on, but never
    // before the reminder's own first day.
    const long long first = std::max(now.DayNumber(), r.m_DateTime.DayNumber());
    COleDateTime day = CReminderList::DateOnly(COleDateTime(COleDateTime::FromLinear(static_cast<double>(first))));
    COleDateTime::Parts p;
    if (!day.GetParts(p))
        return Occurrence();
    const int ahead = (d.dayOfWeek - p.dayOfWeek + 7) % 7;
    day += COleDateTimeSpan(static_cast<double>(ahead));
    if (!day.GetParts(p))
        return Occurrence();
    const COleDateTime e = at(p.year, p.month, p.day, d);
    const COleDateTime prev = e - COleDateTimeSpan(7.0);
    if (prev.DayNumber() >= r.m_DateTime.DayNumber())
        return WithWindow(r, e, &prev);
    return WithWindow(r, e, nullptr);
}

CRecurrence::Occurrence CRecurrence::LatestEnded(const CReminder &r, const COleDateTime &now)
{
    COleDateTime::Parts d;
    COleDateTime::Parts n;
    if (r.IsOneTime() || !r.m_DateTime.GetParts(d) || !now.GetParts(n))
        return Occurrence();
    const long long today = now.DayNumber();
    COleDateTime e(0.0, COleDateTime::invalid);
    switch (r.m_Recurrence) {
    case RecurAnnual:
        for (int y = n.year; y >= n.year - kYearsToSearch && e.GetStatus() != COleDateTime::valid; --y) {
            const COleDateTime c = at(y, d.month, d.day, d);
            if (c.GetStatus() == COleDateTime::valid && c.DayNumber() < today)
                e = c;
        }
        break;
    case RecurMonthly: {
        const int base = n.year * 12 + (n.month - 1);
        for (int m = base; m >= base - kMonthsToSearch && e.GetStatus() != COleDateTime::valid; --m) {
            const COleDateTime c = at(m / 12, m % 12 + 1, d.day, d);
            if (c.GetStatus() == COleDateTime::valid && c.DayNumber() < today)
                e = c;
        }
        break;
    }
    default: {
        // The last day before today with the reminder's weekday.
        const COleDateTime yesterday = CReminderList::DateOnly(now) - COleDateTimeSpan(1.0);
        COleDateTime::Parts y;
        if (!yesterday.GetParts(y))
            return Occurrence();
        const COleDateTime day = yesterday - COleDateTimeSpan(static_cast<double>((y.dayOfWeek - d.dayOfWeek + 7) % 7));
        if (day.DayNumber() < r.m_DateTime.DayNumber())
            return Occurrence(); // the reminder had not started
        COleDateTime::Parts p;
        if (day.GetParts(p))
            e = at(p.year, p.month, p.day, d);
        break;
    }
    }
    if (e.GetStatus() != COleDateTime::valid)
        return Occurrence();
    // At its own time the occurrence in force is that one, with its window.
    Occurrence o = Current(r, e);
    if (o.m_Date != e)
        return Occurrence();
    return o;
}
