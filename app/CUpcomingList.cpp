#include "app/CUpcomingList.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"

std::vector<CUpcomingList::Line> CUpcomingList::Build(CReminderList &list, const COleDateTime &today, int days)
{
    std::vector<Line> lines;
    if (days <= 0)
        return lines;
    COleDateTime day = CReminderList::DateOnly(today);
    for (int d = 0; d < days; ++d) {
        const int count = list.GetRemindersOnDay(day);
        const QString dayText = day.Format();
        for (int k = 0; k < count; ++k) {
            const int index = list.GetDayResult(k);
            Line line;
            line.m_Text = dayText + QLatin1Char(' ') + list[index].GetFlatMessage();
            line.m_Date = day;
            line.m_Index = index;
            lines.push_back(std::move(line));
        }
        // Built from its parts, so the step stays on whole days.
        COleDateTime next = day + COleDateTimeSpan(1.0);
        day = CReminderList::DateOnly(next);
    }
    return lines;
}

int CUpcomingList::FindDay(const std::vector<Line> &lines, const COleDateTime &day)
{
    for (size_t i = 0; i < lines.size(); ++i) {
        const COleDateTime &d = lines[i].m_Date;
        if (d.GetYear() == day.GetYear() && d.GetMonth() == day.GetMonth() && d.GetDay() == day.GetDay())
            return static_cast<int>(i);
    }
    return -1;
}
