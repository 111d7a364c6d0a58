#pragma once

#include "model/COleDateTime.h"

class CReminder;

// When a reminder occurs. For the repeating kinds the occurrence in force
// is the first one, at the reminder's time of day, whose day is today or
// later: so an occurrence stays in force until its day has ended, and one
// that cannot be formed (the 31st in a short month, 29 February in a
// common year) is skipped to the next one that can.
class CRecurrence
{
public:
    struct Occurrence
    {
        COleDateTime m_Date;         // the effective date
        COleDateTime m_WindowStart;  // when the alert may first be shown
        bool m_Valid = false;        // false when no occurrence can be formed
    };

    // Effective date of a weekly reminder whose notice has not begun: it
    // lies before any present time, so such a reminder is never due.
    static const COleDateTime kNotStarted; // 13 January 1972

    static Occurrence Current(const CReminder &reminder, const COleDateTime &now);
    // The latest occurrence of a repeating reminder whose day ended before
    // the day of now, with its window; not valid for a one-time reminder or
    // when there is none (a weekly reminder that had not started yet).
    static Occurrence LatestEnded(const CReminder &reminder, const COleDateTime &now);

private:
    static Occurrence Annual(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now);
    static Occurrence Monthly(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now);
    static Occurrence Weekly(const CReminder &r, const COleDateTime::Parts &d, const COleDateTime &now);
    static Occurrence WithWindow(const CReminder &r, const COleDateTime &date, const COleDateTime *previous);
};
