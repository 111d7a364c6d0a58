#include "model/CReminderCheck.h"

#include "model/CIconNameMap.h"
#include "model/COleDateTimeSpan.h"
#include "model/CRecurrence.h"
#include "model/CReminderList.h"
#include "model/CSnooze.h"
#include "model/CTrace.h"

#include <QCoreApplication>
#include <cmath>

QString CReminderCheck::ComposeAlertText(const CReminder &r, const COleDateTime &effective, const COleDateTime &now)
{
    QString text;
    if (r.m_AdvanceNotice.GetTotalDays() >= 1.0) {
        const long long daysToGo = CReminderList::DateOnly(effective).DayNumber() - CReminderList::DateOnly(now).DayNumber();
        if (daysToGo > 0 && static_cast<double>(daysToGo) <= r.m_AdvanceNotice.GetTotalDays()) {
            if (daysToGo == 1)
                text = QCoreApplication::translate("CReminderCheck", "One day to go:\n");
            else
                text = QCoreApplication::translate("CReminderCheck", "%n days to go:\n", nullptr, int(daysToGo));
        }
    }
    // The record defaults' message is a placeholder, never the user's.
    //: The alert's head; %1 is the date and time the reminder is for. The message follows.
    text += QCoreApplication::translate("CReminderCheck", "Reminder for %1:\n\n").arg(effective.Format())
        + (r.m_Message == CReminder::kUninitializedMessage ? QString() : r.m_Message);
    return text;
}

bool CReminderCheck::IsDue(const CReminder &r, const COleDateTime &now, QString *alertText)
{
    if (r.m_DateTime.GetStatus() != COleDateTime::valid) {
        Trace("Skipping invalid or null COleDateTime.\n");
        return false;
    }
    if (r.m_DateTime == CReminder::kDefaultDate && r.m_Message == CReminder::kUninitializedMessage) {
        Trace("Skipping a record left at its defaults.\n");
        return false; // nothing of the user's: a record that could not be read
    }
    if (CSnooze::IsSnoozed(r)) {
        COleDateTime occurrence;
        if (!CSnooze::IsDue(r, now, &occurrence))
            return false;
        if (alertText)
            *alertText = ComposeAlertText(r, occurrence, now);
        return true;
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

namespace {

// Where the presented reminder is now: at its old place if it is still
// there, else the first record of the same content (the shown state may
// have been changed outside); -1 when it is gone.
int findAgain(const CReminderList &list, const CReminder &presented, int index)
{
    if (index < list.GetSize() && CReminder::SameRecord(list[index], presented))
        return index;
    int sameContent = -1;
    for (int i = 0; i < list.GetSize(); ++i) {
        if (CReminder::SameRecord(list[i], presented))
            return i;
        if (sameContent < 0 && CReminder::SameContent(list[i], presented))
            sameContent = i;
    }
    return sameContent;
}

} // namespace

bool CReminderCheck::Present(int index, const QString &text, int raiseFirst, const COleDateTime &now)
{
    const CReminder presented = m_list[index];
    CAlertRequest alert;
    alert.m_Message = text;
    alert.m_IconNumber = CIconNameMap::Instance().Lookup(presented.m_IconName);
    alert.m_SoundFileName = presented.m_SoundFileName;
    alert.m_ReminderIndex = index;
    Trace(QStringLiteral("Presenting: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n'));
    if (raiseFirst == 1)
        m_host.ShowAndRaise();
    m_host.HideTip();
    const CAlertAnswer answer = m_host.RunAlert(alert);
    if (answer.m_Unanswered) {
        m_ending = true;
        Trace("The alert was closed unanswered: the reminder stays unshown.\n");
        return false;
    }
    const int at = findAgain(m_list, presented, index);
    if (at < 0) {
        Trace("The reminder was changed or deleted while its alert was open: the answer changes nothing.\n");
        return true;
    }
    if (answer.m_SnoozeMinutes > 0) {
        const COleDateTime answeredAt = answer.m_AnsweredAt.GetStatus() == COleDateTime::valid ? answer.m_AnsweredAt : now;
        Trace(QStringLiteral("Snoozed for %1 minutes.\n").arg(answer.m_SnoozeMinutes));
        CSnooze::Snooze(m_list[at], answeredAt, answer.m_SnoozeMinutes);
    } else {
        Trace("Setting Shown flag.\n");
        CSnooze::MarkShown(m_list[at], now);
    }
    return true;
}

int CReminderCheck::CheckReminders(int raiseFirst, const COleDateTime &now)
{
    m_LastCheckTime = now;
    int presented = 0;
    // The count is read afresh after every reminder: an alert runs a
    // nested loop in which the list may change.
    for (int i = 0; i < m_list.GetSize() && !m_ending; ++i) {
        QString text;
        if (!IsDue(m_list[i], now, &text))
            continue;
        Present(i, text, raiseFirst, now);
        ++presented;
    }
    return presented;
}
