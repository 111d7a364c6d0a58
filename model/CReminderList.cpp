#include "model/CReminderList.h"

#include "model/CIconNameMap.h"
#include "model/CRecurrence.h"
#include "model/CTrace.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>

double CReminderList::SortKey(const COleDateTime &dt)
{
    const double key = dt.Linear();
    return std::isnan(key) ? std::numeric_limits<double>::infinity() : key;
}

void CReminderList::SetSize(int count)
{
    m_reminders.resize(static_cast<size_t>(std::max(0, count)));
}

void CReminderList::RemoveAll()
{
    m_reminders.clear();
    RebuildIndexes();
}

void CReminderList::Assign(std::vector<CReminder> reminders)
{
    m_reminders = std::move(reminders);
    // Files written by other tools, damaged ones and merged lists may not
    // be in date order; the day query's binary search needs it.
    if (IsSorted())
        RebuildIndexes();
    else
        Sort();
}

int CReminderList::LowerBound(double key) const
{
    const auto it = std::lower_bound(m_reminders.begin(), m_reminders.end(), key,
                                     [](const CReminder &r, double k) { return SortKey(r.m_DateTime) < k; });
    return static_cast<int>(it - m_reminders.begin());
}

int CReminderList::InsertSorted(const CReminder &reminder)
{
    const int at = LowerBound(SortKey(reminder.m_DateTime));
    m_reminders.insert(m_reminders.begin() + at, reminder);
    return at;
}

void CReminderList::InsertAllSorted(std::vector<CReminder> reminders)
{
    // Inserted one by one, each goes before every reminder at the same time
    // already there, the older list's and the earlier inserted ones alike:
    // reversed, stably sorted, and ahead of equal list entries in the merge.
    const auto byKey = [](const CReminder &a, const CReminder &b) {
        return SortKey(a.m_DateTime) < SortKey(b.m_DateTime);
    };
    std::reverse(reminders.begin(), reminders.end());
    std::stable_sort(reminders.begin(), reminders.end(), byKey);
    std::vector<CReminder> merged;
    merged.reserve(m_reminders.size() + reminders.size());
    auto next = m_reminders.begin();
    for (CReminder &r : reminders) {
        const double key = SortKey(r.m_DateTime);
        while (next != m_reminders.end() && SortKey(next->m_DateTime) < key)
            merged.push_back(std::move(*next++));
        merged.push_back(std::move(r));
    }
    std::move(next, m_reminders.end(), std::back_inserter(merged));
    m_reminders = std::move(merged);
}

int CReminderList::AddReminder(const COleDateTime &dateTime, const COleDateTimeSpan &advanceNotice,
                               const QString &iconName, const QString &message, int recurrence,
                               bool isPrivate, const QString &soundFileName, bool shown,
                               const COleDateTime &lastShown)
{
    CReminder r;
    r.m_DateTime = dateTime;
    r.m_AdvanceNotice = advanceNotice;
    r.m_IconName = iconName;
    r.m_Message = message;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_Private = isPrivate;
    r.m_SoundFileName = soundFileName;
    r.m_Shown = shown;
    r.m_LastShown = lastShown;
    r.m_IconNumber = static_cast<quint16>(CIconNameMap::Instance().Lookup(iconName));
    return InsertSorted(r);
}

bool CReminderList::Delete(int index)
{
    if (index < 0 || index >= GetSize()) {
        Trace(QStringLiteral("INTERNAL ERROR: Illegal value for CReminderList::Delete(%1)\n").arg(index));
        return false;
    }
    m_reminders.erase(m_reminders.begin() + index);
    return true;
}

void CReminderList::Sort()
{
    // Each reminder goes before the first one at the same or a later time,
    // so among equal times the later ones in the old order come first:
    // a stable sort of the reversed array gives exactly that.
    std::reverse(m_reminders.begin(), m_reminders.end());
    std::stable_sort(m_reminders.begin(), m_reminders.end(), [](const CReminder &a, const CReminder &b) {
        return SortKey(a.m_DateTime) < SortKey(b.m_DateTime);
    });
    RebuildIndexes();
}

bool CReminderList::IsSorted() const
{
    return std::is_sorted(m_reminders.begin(), m_reminders.end(), [](const CReminder &a, const CReminder &b) {
        return SortKey(a.m_DateTime) < SortKey(b.m_DateTime);
    });
}

void CReminderList::RebuildIndexes()
{
    for (auto &list : m_dayOfMonthIndex)
        list.clear();
    for (auto &list : m_weekdayIndex)
        list.clear();
    for (auto &month : m_annualByMonthDay)
        for (auto &list : month)
            list.clear();

    COleDateTime::Parts p;
    for (int i = 0; i < GetSize(); ++i) {
        const CReminder &r = m_reminders[static_cast<size_t>(i)];
        if (r.m_Recurrence < RecurAnnual || r.m_Recurrence > RecurWeekly)
            continue;
        if (!r.m_DateTime.GetParts(p))
            continue; // a date that cannot be broken down falls on no day
        switch (r.m_Recurrence) {
        case RecurAnnual:
            m_annualByMonthDay[p.month][p.day].push_back(i);
            break;
        case RecurMonthly:
            m_dayOfMonthIndex[p.day].push_back(i);
            break;
        case RecurWeekly:
            m_weekdayIndex[p.dayOfWeek].push_back(i);
            break;
        }
    }
    // Newly indexed annual reminders go in front of the older ones.
    for (auto &month : m_annualByMonthDay)
        for (auto &list : month)
            std::reverse(list.begin(), list.end());
}

int CReminderList::FindFirstOnDate(const COleDateTime &day) const
{
    const long long dayNumber = day.DayNumber();
    for (int i = LowerBound(SortKey(DateOnly(day))); i < GetSize(); ++i) {
        const COleDateTime &dt = m_reminders[static_cast<size_t>(i)].m_DateTime;
        if (dt.DayNumber() != dayNumber)
            break;
        if (dt.GetStatus() == COleDateTime::valid)
            return i;
    }
    return -1;
}

template <class Take>
void CReminderList::VisitDay(const COleDateTime &day, Take take) const
{
    COleDateTime::Parts p;
    if (!day.GetParts(p))
        return;
    const long long dayNumber = day.DayNumber();
    const double dayKey = day.Linear();

    const int first = FindFirstOnDate(day);
    for (int i = first; i >= 0 && i < GetSize(); ++i) {
        const CReminder &r = m_reminders[static_cast<size_t>(i)];
        if (r.m_DateTime.DayNumber() != dayNumber)
            break;
        if (r.m_Recurrence == RecurOneTime && r.m_DateTime.GetStatus() == COleDateTime::valid && !take(i))
            return;
    }
    for (int i : m_weekdayIndex[p.dayOfWeek]) {
        const CReminder &r = m_reminders[static_cast<size_t>(i)];
        // From its own date onward, not before.
        if (r.m_Recurrence == RecurWeekly && r.m_DateTime.Linear() - 1.0 <= dayKey && !take(i))
            return;
    }
    for (int i : m_dayOfMonthIndex[p.day]) {
        if (m_reminders[static_cast<size_t>(i)].m_Recurrence == RecurMonthly && !take(i))
            return;
    }
    // Annual reminders of 29 February show on 29 February only.
    for (int i : m_annualByMonthDay[p.month][p.day]) {
        if (m_reminders[static_cast<size_t>(i)].m_Recurrence == RecurAnnual && !take(i))
            return;
    }
}

int CReminderList::GetRemindersOnDay(const COleDateTime &day)
{
    m_dayCount = 0;
    VisitDay(day, [this](int i) {
        m_dayResult[m_dayCount++] = i;
        return m_dayCount < kMaxPerDay;
    });
    return m_dayCount;
}

void CReminderList::CollectOnDay(const COleDateTime &day, std::vector<int> &out, int limit) const
{
    out.clear();
    VisitDay(day, [&out, limit](int i) {
        out.push_back(i);
        return limit <= 0 || static_cast<int>(out.size()) < limit;
    });
}

bool CReminderList::Contains(const CReminder &c) const
{
    const double key = SortKey(c.m_DateTime);
    for (int i = LowerBound(key); i < GetSize(); ++i) {
        const CReminder &r = m_reminders[static_cast<size_t>(i)];
        if (SortKey(r.m_DateTime) != key)
            break;
        if (r.m_DateTime == c.m_DateTime && r.m_Recurrence == c.m_Recurrence
            && r.m_AdvanceNotice == c.m_AdvanceNotice && r.m_Message == c.m_Message
            && r.m_IconName == c.m_IconName)
            return true;
    }
    return false;
}

COleDateTime CReminderList::GetEffectiveDate(const CReminder &reminder, const COleDateTime &now) const
{
    return CRecurrence::Current(reminder, now).m_Date;
}

COleDateTime CReminderList::DateOnly(const COleDateTime &dt)
{
    COleDateTime::Parts p;
    if (!dt.GetParts(p))
        return COleDateTime(dt.GetValue(), COleDateTime::invalid);
    return COleDateTime(p.year, p.month, p.day, 0, 0, 0);
}

COleDateTime CReminderList::TimeOnly(const COleDateTime &dt)
{
    COleDateTime::Parts p;
    if (!dt.GetParts(p))
        return COleDateTime(0.0, COleDateTime::invalid);
    return COleDateTime((p.hour * 3600 + p.minute * 60 + p.second) / 86400.0);
}
