#pragma once

#include "model/COleDateTime.h"

class CReminder;
class CReminderCheck;

// Occurrences that ended while no due pass ran (the program was not
// running, the computer slept, the clock jumped forward). An occurrence of
// a repeating reminder is due until its day ends; when that end fell
// between the last pass and now and the occurrence was not presented, it
// is presented once, late, with its own date. Only the latest such
// occurrence of each reminder counts, however long the program was away.
// Without a last pass (the first start) nothing counts as missed, so a
// list with years of unseen occurrences does not flood the user.
// One-time reminders need none of this: they stay due until presented.
class CMissedCheck
{
public:
    explicit CMissedCheck(CReminderCheck &check) : m_check(check) {}

    // The occurrence of r missed between lastPass and now, if any, and the
    // alert text it would show. A reminder whose next occurrence is due now
    // has nothing missed: that alert is the one to show. Pure.
    static bool FindMissed(const CReminder &r, const COleDateTime &lastPass, const COleDateTime &now,
                           COleDateTime *occurrence = nullptr, QString *alertText = nullptr);

    // Presents every missed occurrence through the due pass's presenter, in
    // list order; an answer marks its reminder shown at now. Returns the
    // number presented.
    int PresentMissed(int raiseFirst, const COleDateTime &lastPass, const COleDateTime &now);

private:
    CReminderCheck &m_check;
};
