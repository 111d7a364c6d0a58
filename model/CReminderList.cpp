#include "model/CReminderList.h"

#include "model/CIconNameMap.h"
#include "model/CRecurrence.h"
#include "model/CReminderIds.h"
#include "model/CTrace.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

void CReminderList::SetSize(int count)
{
    m_reminders.resize(static_cast<size_t>(std::max(0, count)));
}

void CReminderList::RemoveAll()
{
    m_reminders.clear();
    RebuildIndexes();
}

int CReminderList::IndexOf(quint64 id) const
{
    if (id == 0)
        return -1;
    for (size_t i = 0; i < m_reminders.size(); ++i)
        if (m_reminders[i].Id() == id)
            return static_cast<int>(i);
    return -1;
}

CReminder *CReminderList::Find(quint64 id)
{
    const int at = IndexOf(id);
    return at < 0 ? nullptr : &m_reminders[static_cast<size_t>(at)];
}

void CReminderList::Assign(std::vector<CReminder> reminders)
{
    m_reminders = std::move(reminders);
    CReminderIds::AssignMissing(m_reminders);
    // Files written by other tools, damaged ones and merged lists may not
    // be in date order; the day query's binary search needs it.
    if (IsSorted())
        RebuildIndexes();
    else
        Sort();
}

int CReminderList::InsertSorted(const CReminder &reminder)
{
    const int at = LowerBound(SortKey(reminder.m_DateTime));
    const auto placed = m_reminders.insert(m_reminders.begin() + at, reminder);
    const quint64 id = reminder.Id();
    if (id == 0 || std::any_of(m_reminders.begin(), m_reminders.end(), [&](const CReminder &r) {
            return &r != &*placed && r.Id() == id;
        }))
        placed->SetId(CReminderIds::New());
    return at;
}

void CReminderList::InsertAllSorted(std::vector<CReminder> reminders)
{
    // Inserted one by one, each goes before every reminder at the same time
    // already there, the older list's and the earlier inserted ones alike:
    // reversed, stably sorted, and ahead of equal list entries in the merge.
    Days::Sort(reminders);
    std::unordered_set<quint64> taken;
    taken.reserve(m_reminders.size() + reminders.size());
    for (const CReminder &r : m_reminders)
        taken.insert(r.Id());
    for (CReminder &r : reminders) {
        quint64 id = r.Id();
        while (id == 0 || !taken.insert(id).second)
            id = CReminderIds::New();
        r.SetId(id);
    }
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
    Days::Sort(m_reminders);
    RebuildIndexes();
}

bool CReminderList::IsSorted() const { return Days::IsSorted(m_reminders); }

void CReminderList::RebuildIndexes() { m_days.Rebuild(m_reminders); }

int CReminderList::FindFirstOnDate(const COleDateTime &day) const { return Days::FindFirstOnDate(m_reminders, day); }

int CReminderList::GetRemindersOnDay(const COleDateTime &day)
{
    m_dayCount = 0;
    m_days.VisitDay(m_reminders, day, [this](int i) {
        m_dayResult[m_dayCount++] = i;
        return m_dayCount < kMaxPerDay;
    });
    return m_dayCount;
}

void CReminderList::CollectOnDay(const COleDateTime &day, std::vector<int> &out, int limit) const
{
    m_days.CollectOnDay(m_reminders, day, out, limit);
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

COleDateTime CReminderList::TimeOnly(const COleDateTime &dt)
{
    COleDateTime::Parts p;
    if (!dt.GetParts(p))
        return COleDateTime(0.0, COleDateTime::invalid);
    return COleDateTime((p.hour * 3600 + p.minute * 60 + p.second) / 86400.0);
}
