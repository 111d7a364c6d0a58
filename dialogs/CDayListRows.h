#pragma once

#include "model/COleDateTimeSpan.h"

#include <QString>

class CReminder;

// The texts of one row of the reminders-of-the-day list, apart from the
// window that shows them.
class CDayListRows
{
public:
    // "1 day, 2 hours, 5 mins."; empty for less than a minute.
    static QString AdvanceNoticeWords(const COleDateTimeSpan &notice);
    // The reminder's time of day alone, in the user's locale.
    static QString TimeText(const CReminder &reminder);
    // "One time", "Annual", "Monthly", "Weekly" (other codes: one time).
    static QString TypeText(const CReminder &reminder);
    // "Reminders for " and the day, then ":".
    static QString ColumnTitle(const class COleDateTime &day);
    // The delete question for one reminder.
    static QString DeleteQuestion(const CReminder &reminder);
    static QString NothingSelectedMessage();
};
