#pragma once

#include "model/COleDateTime.h"

#include <QString>
#include <vector>

class CReminderList;

// The lines of the main window's upcoming list: for each of the next days
// from today, one line per reminder falling on it (repeating ones
// included), "<day> <message on one line>", with the day and the
// reminder's index.
class CUpcomingList
{
public:
    struct Line
    {
        QString m_Text;
        COleDateTime m_Date;
        int m_Index = -1;
    };

    // days of 0 or less gives no lines.
    static std::vector<Line> Build(CReminderList &list, const COleDateTime &today, int days);
    // The first line whose day is day, -1 when none.
    static int FindDay(const std::vector<Line> &lines, const COleDateTime &day);
};
