#pragma once

#include "model/COleDateTime.h"
#include "model/CReminder.h"

#include <QString>
#include <vector>

class CReminderList;

// "Delete range of reminders...": removes the reminders whose own date and
// time lie from the "From" day through the whole of the "To" day, by
// default only the one-time ones. Repeating reminders are judged by their
// own date, not by their occurrences.
class CRangeDelete
{
public:
    static constexpr double kDefaultFromDaysBack = 180.0;
    static constexpr double kDefaultToDaysBack = 30.0;

    // The dialog's presets: now less 180 days and now less 30 days.
    static COleDateTime DefaultFrom(const COleDateTime &now);
    static COleDateTime DefaultTo(const COleDateTime &now);

    // Whether the reminder would be deleted.
    static bool Matches(const CReminder &reminder, const COleDateTime &from, const COleDateTime &to, bool oneTimeOnly);
    // The indexes that would be deleted, ascending.
    static std::vector<int> Select(const CReminderList &list, const COleDateTime &from, const COleDateTime &to,
                                   bool oneTimeOnly);
    // Removes them, rebuilds the indexes and returns how many went.
    static int DeleteRange(CReminderList &list, const COleDateTime &from, const COleDateTime &to, bool oneTimeOnly);

    // The question before a deletion ("Are you SURE ...?") and the report
    // after one that removed any.
    static QString ConfirmationText(const COleDateTime &from, const COleDateTime &to);
    static QString CountText(int count);
};
