#pragma once

#include "model/CDueHost.h"
#include "model/COleDateTime.h"

class CReminder;
class CReminderList;

// The due-reminder pass: at one present time, presents every reminder
// that is due through the host's alert, once per occurrence, and marks it
// shown. A repeating reminder is due from the start of its notice until
// the end of its occurrence's day, so an occurrence missed while nothing
// ran is still presented later that day.
class CReminderCheck
{
public:
    CReminderCheck(CReminderList &list, CDueHost &host) : m_list(list), m_host(host) {}

    // One pass at the present time now; raiseFirst 1 raises the window
    // before each alert. Returns the number of alerts presented.
    int CheckReminders(int raiseFirst, const COleDateTime &now);

    // Whether r is due at now, and the alert text it would show. Pure.
    static bool IsDue(const CReminder &r, const COleDateTime &now, QString *alertText = nullptr);
    static QString ComposeAlertText(const CReminder &r, const COleDateTime &effective, const COleDateTime &now);

    // Presents the reminder at index with the given text and, once the
    // alert is answered, marks it shown at now (or snoozes it). The list
    // may change while the alert is open (an outside change merged in, a
    // sync): the answer goes to the same reminder wherever it is now, and
    // to none when it was deleted or edited meanwhile. False when nobody
    // answered (the program is ending): the reminder stays unshown, and
    // from then on nothing more is presented.
    bool Present(int index, const QString &text, int raiseFirst, const COleDateTime &now);
    bool IsEnding() const { return m_ending; }
    CReminderList &List() { return m_list; }

    COleDateTime m_LastCheckTime { 0.0 };

private:
    CReminderList &m_list;
    CDueHost &m_host;
    bool m_ending = false;
};
