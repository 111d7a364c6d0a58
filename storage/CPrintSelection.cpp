#include "storage/CPrintSelection.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <algorithm>

std::unique_ptr<CReminderArray> CPrintSelection::MakePrintArray(CReminderList &list, const COleDateTime &firstDay,
                                                                const COleDateTime &endDay)
{
    Trace(QStringLiteral("MakePrintArray ") + firstDay.Format() + QStringLiteral(" to ") + endDay.Format()
          + QLatin1Char('\n'));
    auto array = std::make_unique<CReminderArray>();
    const COleDateTime first = CReminderList::DateOnly(firstDay);
    if (first.GetStatus() != COleDateTime::valid || endDay.GetStatus() != COleDateTime::valid)
        return array;
    const COleDateTimeSpan oneDay(1.0);
    for (COleDateTime d = first; d < endDay; d = d + oneDay) {
        const int count = list.GetRemindersOnDay(d);
        COleDateTime::Parts day;
        if (!d.GetParts(day))
            break;
        for (int slot = 0; slot < count; ++slot) {
            CReminder copy = list[list.GetDayResult(slot)];
            COleDateTime::Parts own;
            if (!copy.m_DateTime.GetParts(own))
                continue;
            copy.m_DateTime.SetDateTime(day.year, day.month, day.day, own.hour, own.minute, own.second);
            // Before the first entry at the same or a later moment.
            const double key = copy.m_DateTime.Linear();
            const auto at = std::lower_bound(array->begin(), array->end(), key,
                                             [](const CReminder &r, double k) { return r.m_DateTime.Linear() < k; });
            array->insert(at, std::move(copy));
        }
    }
    return array;
}

std::unique_ptr<CReminderArray> CPrintSelection::ForDays(CReminderList &list, const COleDateTime &from,
                                                         const COleDateTime &to)
{
    return MakePrintArray(list, from, CReminderList::DateOnly(to) + COleDateTimeSpan(1.0));
}
