#include "model/CMissedCheck.h"

#include "model/COleDateTimeSpan.h"
#include "model/CRecurrence.h"
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

bool CMissedCheck::FindMissed(const CReminder &r, const COleDateTime &lastPass, const COleDateTime &now,
                              COleDateTime *occurrence, QString *alertText)
{
    if (lastPass.GetStatus() != COleDateTime::valid || now.GetStatus() != COleDateTime::valid
        || r.m_DateTime.GetStatus() != COleDateTime::valid || r.IsOneTime())
        return false;
    const CRecurrence::Occurrence ended = CRecurrence::LatestEnded(r, now);
    if (!ended.m_Valid)
        return false;
    const COleDateTime windowEnd = CReminderList::DateOnly(ended.m_Date) + COleDateTimeSpan(1.0);
    if (windowEnd <= lastPass)
        return false; // it ended while passes ran
    if (r.m_Shown && r.m_LastShown >= ended.m_WindowStart)
        return false; // presented (or a later occurrence was)
    if (now < r.m_LastShown + r.m_ReshowInterval)
        return false;
    if (CReminderCheck::IsDue(r, now))
        return false;
    if (occurrence)
        *occurrence = ended.m_Date;
    if (alertText)
        *alertText = CReminderCheck::ComposeAlertText(r, ended.m_Date, now);
    return true;
}

int CMissedCheck::PresentMissed(int raiseFirst, const COleDateTime &lastPass, const COleDateTime &now)
{
    CReminderList &list = m_check.List();
    int presented = 0;
    for (int i = 0; i < list.GetSize() && !m_check.IsEnding(); ++i) {
        QString text;
        if (m_check.IsAwaited(list[i].Id()) || !FindMissed(list[i], lastPass, now, nullptr, &text))
            continue;
        Trace(QStringLiteral("Missed while away: ") + list[i].m_Message + QLatin1Char('\n'));
        if (m_check.Present(i, text, raiseFirst, now))
            ++presented;
    }
    return presented;
}
