#include "storage/CRangeDelete.h"

#include "model/COleDateTimeSpan.h"

#include <QCoreApplication>
#include "model/CReminderList.h"

COleDateTime CRangeDelete::DefaultFrom(const COleDateTime &now) { return now - COleDateTimeSpan(kDefaultFromDaysBack); }

COleDateTime CRangeDelete::DefaultTo(const COleDateTime &now) { return now - COleDateTimeSpan(kDefaultToDaysBack); }

bool CRangeDelete::Matches(const CReminder &r, const COleDateTime &from, const COleDateTime &to, bool oneTimeOnly)
{
    if (oneTimeOnly && r.m_Recurrence != RecurOneTime)
        return false;
    if (r.m_DateTime.GetStatus() != COleDateTime::valid)
        return false;
    // Through the end of the "To" day, as printing the same range shows it.
    const COleDateTime end = CReminderList::DateOnly(to) + COleDateTimeSpan(1.0);
    return r.m_DateTime >= from && r.m_DateTime < end;
}

std::vector<int> CRangeDelete::Select(const CReminderList &list, const COleDateTime &from, const COleDateTime &to,
                                      bool oneTimeOnly)
{
    std::vector<int> indexes;
    for (int i = 0; i < list.GetSize(); ++i)
        if (Matches(list[i], from, to, oneTimeOnly))
            indexes.push_back(i);
    return indexes;
}

int CRangeDelete::DeleteRange(CReminderList &list, const COleDateTime &from, const COleDateTime &to, bool oneTimeOnly)
{
    // The same result as removing each match in place (the later ones
    // moving down), without moving the tail every time.
    const std::vector<int> doomed = Select(list, from, to, oneTimeOnly);
    const int deleted = static_cast<int>(doomed.size());
    if (deleted == 0) {
        list.RebuildIndexes();
        return 0;
    }
    std::vector<CReminder> kept;
    kept.reserve(static_cast<size_t>(list.GetSize() - deleted));
    size_t next = 0;
    for (int i = 0; i < list.GetSize(); ++i) {
        if (next < doomed.size() && doomed[next] == i)
            ++next;
        else
            kept.push_back(std::move(list[i]));
    }
    list.Assign(std::move(kept)); // rebuilds the indexes
    return deleted;
}

QString CRangeDelete::ConfirmationText(const COleDateTime &from, const COleDateTime &to)
{
    //: %1 and %2 are the first and last day of the range.
    return QCoreApplication::translate("CRangeDelete", "Are you SURE you want to permanently delete reminders from %1 to %2?")
        .arg(from.Format(), to.Format());
}

QString CRangeDelete::CountText(int count)
{
    return QCoreApplication::translate("CRangeDelete", "A total of %n reminder(s) were deleted.", nullptr, count);
}
