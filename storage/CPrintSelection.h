#pragma once

#include "model/COleDateTime.h"
#include "storage/CReminderArray.h"

#include <functional>
#include <memory>
#include <vector>

class CReminderList;

// The reminders of a range of days, one entry per occurrence, as the
// calendar shows them: each day's reminders in the order of the day query,
// each moved to that day at its own time of day.
class CPrintSelection
{
public:
    // One occurrence: the list's reminder at m_Index, due at m_When.
    struct Occurrence
    {
        int m_Index = -1;
        COleDateTime m_When;
    };

    // Every occurrence on the days from firstDay up to, not including,
    // endDay (both taken as their dates), at most perDayLimit a day (0: no
    // limit), in ascending order of m_When; occurrences at the same moment
    // stand in the reverse of the order the day query gives them.
    // Over the reminder list, or a file's records read for listing alone.
    template <class List>
    static std::vector<Occurrence> Occurrences(const List &list, const COleDateTime &firstDay,
                                               const COleDateTime &endDay, int perDayLimit)
    {
        std::vector<Occurrence> out;
        ForEachDay(list, firstDay, endDay, perDayLimit,
                   [&out](const std::vector<Occurrence> &day) { out.insert(out.end(), day.begin(), day.end()); });
        return out;
    }
    // The same a day at a time, for a listing written as it goes: take has
    // each day's occurrences (none on an empty day) while they last.
    using DayTaker = std::function<void(const std::vector<Occurrence> &day)>;
    template <class List>
    static void ForEachDay(const List &list, const COleDateTime &firstDay, const COleDateTime &endDay,
                           int perDayLimit, const DayTaker &take);

    // The printout's view: at most 20 a day, as copies of the reminders
    // dated on their occurrences.
    static std::unique_ptr<CReminderArray> MakePrintArray(CReminderList &list, const COleDateTime &firstDay,
                                                          const COleDateTime &endDay);
    // The days "From" to "To", both included (the print command's range).
    static std::unique_ptr<CReminderArray> ForDays(CReminderList &list, const COleDateTime &from,
                                                   const COleDateTime &to);
};
