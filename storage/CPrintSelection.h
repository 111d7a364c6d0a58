#pragma once

#include "storage/CReminderArray.h"

#include <memory>

class COleDateTime;
class CReminderList;

// The reminders of a range of days, one entry per occurrence, as the
// calendar shows them: each day's reminders from GetRemindersOnDay (at
// most 20 a day), each copy moved to that day at its own time of day.
class CPrintSelection
{
public:
    // The days from firstDay up to, not including, endDay (both taken as
    // their dates). The result is in ascending date-time order; entries at
    // the same moment stand in the reverse of the order they were collected.
    static std::unique_ptr<CReminderArray> MakePrintArray(CReminderList &list, const COleDateTime &firstDay,
                                                          const COleDateTime &endDay);
    // The days "From" to "To", both included (the print command's range).
    static std::unique_ptr<CReminderArray> ForDays(CReminderList &list, const COleDateTime &from,
                                                   const COleDateTime &to);
};
