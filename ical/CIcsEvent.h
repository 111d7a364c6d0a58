#pragma once

#include "model/CReminder.h"

#include <QString>

// One reminder as it travels in iCalendar. An event that becomes several
// reminders (weekly on several days, daily) gives several of these with the
// same m_Uid.
struct CIcsEvent
{
    QString m_Uid;
    CReminder m_Reminder;
    // The event held more than a reminder can (an interval above 1, an end,
    // excluded dates...); m_SimplifiedHow says what was given up.
    bool m_Simplified = false;
    QString m_SimplifiedHow;
    // An alarm of the event was acknowledged at or after the alarm time of
    // its first occurrence.
    bool m_Acknowledged = false;
};
