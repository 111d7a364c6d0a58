#pragma once

#include "model/COleDateTime.h"

#include <QString>

class CReminderList;

// The calendar's keyboard and screen-reader rules apart from its window:
// where a key moves the selected day, and how a day is read out.
class CCalendarKeys
{
public:
    // The day the key moves selected to: the arrows by a day or a week,
    // Page Up and Page Down by a month (the day kept, or the month's last),
    // Home to today. Invalid for any other key or an invalid selection.
    static COleDateTime Target(int key, const COleDateTime &selected, const COleDateTime &today);

    // "Thursday 10 December 2026, 2 reminders: Dentist 09:00, Choir 19:30"
    // in the user's language; just the date on a day without reminders.
    static QString DayName(const COleDateTime &day, const CReminderList &list);
};
