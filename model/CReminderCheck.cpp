#include "model/CReminderCheck.h"

#include "media/CIconNameMap.h"
#include "model/COleDateTimeSpan.h"
#include "model/CRecurrence.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

#include <cmath>

QString CReminderCheck::ComposeAlertText(const CReminder &r, const COleDateTime &effective, const COleDateTime &now)
{
    QString text;
    if (r.m_AdvanceNotice.GetTotalDays() >= 1.0) {
        const long long daysToGo = CReminderList::DateOnly(effective).DayNumber() - CReminderList::DateOnly(now).DayNumber();
        if (daysToGo > 0 && static_cast<double>(daysToGo) <= r.m_AdvanceNotice.GetTotalDays()) {
            if (daysToGo == 1)
                text = QStringLiteral("One day to go:\n");
            else
                text = QStringLiteral("%1 days to go:\n").arg(daysToGo);
        }
    }
    text += QStringLiteral("Reminder for ") + effective.Format() + QStringLiteral(":\n\n") + r.m_Message;
    return text;
}

bool CReminderCheck::IsDue(const CReminder &r, const COleDateTime &now, QString *alertText)
{
    if (r.m_DateTime.GetStatus() != COleDateTime::valid) {
        Trace("Skipping invalid or null COleDateTime.\n");
        return false;
    }
    const bool repeating = r.m_Recurrence == RecurAnnual || r.m_Recurrence == RecurMonthly
        || r.m_Recurrence == RecurWeekly;
    if (!repeating && r.m_Shown)
        return false; // a one-time reminder is presented once; checked first as it is cheap
    const CRecurrence::Occurrence occurrence = CRecurrence::Current(r, now);
    if (!occurrence.m_Valid)
        return false;
    const COleDateTime &e = occurrence.m_Date;
    if (occurrence.m_WindowStart > now)
        return false; // the notice has not begun

    if (repeating && r.m_Shown && r.m_LastShown >= occurrence.m_WindowStart)
        return false; // shown already for this occurrence

    const COleDateTime notBefore = r.m_LastShown + r.m_ReshowInterval;
    if (now < notBefore) {
        Trace("Not... yet!\n");
        Trace(QStringLiteral("Not until ") + notBefore.Format() + QLatin1Char('\n'));
        return false;
    }

    if (repeating) {
        if (now >= CReminderList::DateOnly(e) + COleDateTimeSpan(1.0))
            return false;
    } else if (r.m_Recurrence != RecurOneTime && now > e) {
        // An unknown kind keeps the closed window from notice to date.
        Trace("POSSIBLE BUG: Non one-time reminder skipped because we're not in the advance notice range.\n");
        Trace(QStringLiteral("Advance notice: %1\n").arg(r.m_AdvanceNotice.GetTotalDays()));
        Trace(QStringLiteral("Now: ") + now.Format() + QLatin1Char('\n'));
        Trace(QStringLiteral("Window start: ") + occurrence.m_WindowStart.Format() + QLatin1Char('\n'));
        return false;
    }

    if (alertText)
        *alertText = ComposeAlertText(r, e, now);
    return true;
}

void CReminderCheck::Present(int index, const QString &text, int raiseFirst, const COleDateTime &now)
{
    CAlertRequest alert;
    alert.m_Message = text;
    alert.m_IconNumber = CIconNameMap::Instance().Lookup(m_list[index].m_IconName);
    alert.m_SoundFileName = m_list[index].m_SoundFileName;
    alert.m_ReminderIndex = index;
    if (raiseFirst == 1)
        m_host.ShowAndRaise();
    m_host.HideTip();
    m_host.RunAlert(alert);
    // The list may have changed in the alert's loop.
    if (index < m_list.GetSize()) {
        Trace("Setting Shown flag.\n");
        m_list[index].m_Shown = true;
        m_list[index].m_LastShown = now;
    }
}

int CReminderCheck::CheckReminders(int raiseFirst, const COleDateTime &now)
{
    m_LastCheckTime = now;
    int presented = 0;
    // The count is read afresh after every reminder: an alert runs a
    // nested loop in which the list may change.
    for (int i = 0; i < m_list.GetSize(); ++i) {
        QString text;
        if (!IsDue(m_list[i], now, &text))
            continue;
        Present(i, text, raiseFirst, now);
        ++presented;
    }
    return presented;
}
