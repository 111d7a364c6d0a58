#include "storage/CPrintSelection.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <algorithm>

std::vector<CPrintSelection::Occurrence> CPrintSelection::Occurrences(const CReminderList &list,
                                                                      const COleDateTime &firstDay,
                                                                      const COleDateTime &endDay, int perDayLimit)
{
    std::vector<Occurrence> out;
    const COleDateTime first = CReminderList::DateOnly(firstDay);
    if (first.GetStatus() != COleDateTime::valid || endDay.GetStatus() != COleDateTime::valid)
        return out;
    const COleDateTimeSpan oneDay(1.0);
    std::vector<int> onDay;
    for (COleDateTime d = first; d < endDay; d = d + oneDay) {
        COleDateTime::Parts day;
        if (!d.GetParts(day))
            break;
        list.CollectOnDay(d, onDay, perDayLimit);
        const size_t dayStart = out.size();
        // Taken in reverse so that a stable sort by time leaves the last
        // collected first among equal times.
        for (auto it = onDay.rbegin(); it != onDay.rend(); ++it) {
            COleDateTime::Parts own;
            if (!list[*it].m_DateTime.GetParts(own))
                continue;
            Occurrence o;
            o.m_Index = *it;
            o.m_When.SetDateTime(day.year, day.month, day.day, own.hour, own.minute, own.second);
            out.push_back(o);
        }
        std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(dayStart), out.end(),
                         [](const Occurrence &a, const Occurrence &b) { return a.m_When.Linear() < b.m_When.Linear(); });
    }
    return out;
}

std::unique_ptr<CReminderArray> CPrintSelection::MakePrintArray(CReminderList &list, const COleDateTime &firstDay,
                                                                const COleDateTime &endDay)
{
    Trace(QStringLiteral("MakePrintArray ") + firstDay.Format() + QStringLiteral(" to ") + endDay.Format()
          + QLatin1Char('\n'));
    auto array = std::make_unique<CReminderArray>();
    const std::vector<Occurrence> occurrences = Occurrences(list, firstDay, endDay, CReminderList::kMaxPerDay);
    array->reserve(occurrences.size());
    for (const Occurrence &o : occurrences) {
        array->push_back(list[o.m_Index]);
        array->back().m_DateTime = o.m_When;
    }
    return array;
}

std::unique_ptr<CReminderArray> CPrintSelection::ForDays(CReminderList &list, const COleDateTime &from,
                                                         const COleDateTime &to)
{
    return MakePrintArray(list, from, CReminderList::DateOnly(to) + COleDateTimeSpan(1.0));
}
