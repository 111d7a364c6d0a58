#include "model/CReminderCheck.h"

#include "model/CIconNameMap.h"
#include "model/COleDateTimeSpan.h"
#include "model/CRecurrence.h"
#include "model/CReminderIds.h"
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
    return Evaluate(r, now, alertText, nullptr);
}

namespace {

// next becomes t when t is later than now and earlier than next.
void consider(COleDateTime *next, const COleDateTime &t, const COleDateTime &now)
{
    if (next && t.GetStatus() == COleDateTime::valid && t > now
        && (next->GetStatus() != COleDateTime::valid || t < *next))
        *next = t;
}

} // namespace

bool CReminderCheck::Evaluate(const CReminder &r, const COleDateTime &now, QString *alertText, COleDateTime *next)
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
        if (!CSnooze::IsDue(r, now, &occurrence)) {
            consider(next, CSnooze::WakeTime(r), now);
            return false;
        }
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
    const COleDateTime notBefore = r.m_LastShown + r.m_ReshowInterval;
    if (occurrence.m_WindowStart > now) {
        consider(next, notBefore > occurrence.m_WindowStart ? notBefore : occurrence.m_WindowStart, now);
        return false; // the notice has not begun
    }

    if (repeating && r.m_Shown && r.m_LastShown >= occurrence.m_WindowStart)
        return false; // shown already for this occurrence

    if (now < notBefore) {
        consider(next, notBefore, now);
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

bool CReminderCheck::Present(int index, const QString &text, int raiseFirst, const COleDateTime &now)
{
    if (!m_presenter || m_ending)
        return false;
    CReminder &r = m_list[index];
    if (r.Id() == 0) {
        // Only a list filled by hand holds one; an answer needs the id.
        r.SetId(CReminderIds::New());
        Trace("A due reminder without an id was given one.\n");
    }
    if (IsAwaited(r.Id()))
        return false; // its alert is open
    CAlertRequest alert;
    alert.m_ReminderId = r.Id();
    alert.m_Message = text;
    alert.m_ReminderMessage = r.m_Message == CReminder::kUninitializedMessage ? QString() : r.m_Message;
    alert.m_IconNumber = CIconNameMap::Instance().Lookup(r.m_IconName);
    alert.m_IconName = r.m_IconName;
    alert.m_SoundFileName = r.m_SoundFileName;
    alert.m_RaiseWindow = raiseFirst == 1;
    m_awaited[alert.m_ReminderId] = Awaited { now, r.m_DateTime, r.m_Recurrence, index };
    Trace(QStringLiteral("Presenting: ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')) + QLatin1Char('\n'));
    // The presenter may answer at once (the command-line tool does); the
    // answer changes only the shown state, so the pass's index stays good.
    m_presenter->Present(alert);
    return true;
}

CReminderCheck::AnswerResult CReminderCheck::Answer(quint64 id, const CAlertAnswer &answer)
{
    const auto awaited = m_awaited.find(id);
    if (awaited == m_awaited.end() || m_ending) {
        Trace(m_ending ? "The program is ending: an alert's answer is not taken.\n"
                       : "An answer came for an alert that is not open: nothing changes.\n");
        return NotAwaited;
    }
    const Awaited presented = awaited->second;
    m_awaited.erase(awaited);
    CReminder *r = presented.m_Index < m_list.GetSize() && m_list[presented.m_Index].Id() == id
        ? &m_list[presented.m_Index]
        : m_list.Find(id);
    if (!r) {
        Trace(QStringLiteral("The reminder %1 was deleted while its alert was open: the answer is dropped.\n").arg(id));
        return Deleted;
    }
    if (r->m_DateTime != presented.m_DateTime || r->m_Recurrence != presented.m_Recurrence) {
        // The alert was for an occurrence the reminder no longer has.
        Trace(QStringLiteral("The reminder %1 was moved to another date while its alert was open: the answer is "
                             "dropped.\n")
                  .arg(id));
        return Rescheduled;
    }
    if (answer.m_SnoozeMinutes > 0) {
        const COleDateTime answeredAt =
            answer.m_AnsweredAt.GetStatus() == COleDateTime::valid ? answer.m_AnsweredAt : presented.m_DueAt;
        Trace(QStringLiteral("Snoozed for %1 minutes.\n").arg(answer.m_SnoozeMinutes));
        CSnooze::Snooze(*r, answeredAt, answer.m_SnoozeMinutes);
    } else {
        Trace("Setting Shown flag.\n");
        CSnooze::MarkShown(*r, presented.m_DueAt);
    }
    return Taken;
}

int CReminderCheck::CheckReminders(int raiseFirst, const COleDateTime &now)
{
    m_LastCheckTime = now;
    m_NextDue = COleDateTime(0.0, COleDateTime::invalid);
    int presented = 0;
    // The count is read afresh after every reminder: a presenter may run
    // code that changes the list.
    for (int i = 0; i < m_list.GetSize() && !m_ending; ++i) {
        QString text;
        if (IsAwaited(m_list[i].Id()) || !Evaluate(m_list[i], now, &text, &m_NextDue))
            continue;
        if (Present(i, text, raiseFirst, now))
            ++presented;
    }
    return presented;
}
