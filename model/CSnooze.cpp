#include "model/CSnooze.h"

#include "model/CRecurrence.h"
#include "model/CReminder.h"

const COleDateTimeSpan CSnooze::kDefaultReshowInterval(1.0);

const QList<CSnooze::Choice> &CSnooze::Choices()
{
    // The labels stay in English here; the alert shows them translated.
    static const QList<Choice> choices {
        { 5, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "5 minutes")) },
        { 10, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "10 minutes")) },
        { 15, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "15 minutes")) },
        { 30, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "30 minutes")) },
        { 60, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "1 hour")) },
        { 120, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "2 hours")) },
        { 24 * 60, QStringLiteral(QT_TRANSLATE_NOOP("CSnooze", "Tomorrow")) },
    };
    return choices;
}

int CSnooze::IndexOfMinutes(int minutes)
{
    const QList<Choice> &choices = Choices();
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i].m_Minutes == minutes)
            return i;
    for (int i = 0; i < choices.size(); ++i)
        if (choices[i].m_Minutes == kDefaultMinutes)
            return i;
    return 0;
}

int CSnooze::MinutesFromSetting(const QString &text)
{
    bool ok = false;
    const int minutes = text.trimmed().toInt(&ok);
    if (!ok)
        return kDefaultMinutes;
    return Choices()[IndexOfMinutes(minutes)].m_Minutes;
}

void CSnooze::Snooze(CReminder &r, const COleDateTime &answeredAt, int minutes)
{
    r.m_Shown = false;
    r.m_LastShown = answeredAt;
    r.m_ReshowInterval = COleDateTimeSpan(minutes / (24 * 60), (minutes / 60) % 24, minutes % 60, 0);
}

bool CSnooze::IsSnoozed(const CReminder &r)
{
    return !r.m_Shown && r.m_LastShown.GetStatus() == COleDateTime::valid && r.m_LastShown > CReminder::kDefaultDate
        && r.m_ReshowInterval.GetStatus() == COleDateTimeSpan::valid && r.m_ReshowInterval.GetTotalDays() > 0.0;
}

COleDateTime CSnooze::WakeTime(const CReminder &r) { return r.m_LastShown + r.m_ReshowInterval; }

bool CSnooze::IsDue(const CReminder &r, const COleDateTime &now, COleDateTime *occurrence)
{
    // Within half a second counts as reached: the day fractions of a time
    // plus a delay do not add up exactly.
    if (!IsSnoozed(r) || (WakeTime(r) - now).GetTotalSeconds() > 0.5)
        return false;
    if (occurrence) {
        *occurrence = r.m_DateTime;
        if (!r.IsOneTime()) {
            const CRecurrence::Occurrence snoozed = CRecurrence::Current(r, r.m_LastShown);
            if (snoozed.m_Valid)
                *occurrence = snoozed.m_Date;
        }
    }
    return true;
}

void CSnooze::MarkShown(CReminder &r, const COleDateTime &now)
{
    // Only a snooze shortens the interval; a presentation ends it.
    if (IsSnoozed(r) || r.m_ReshowInterval < kDefaultReshowInterval)
        r.m_ReshowInterval = kDefaultReshowInterval;
    r.m_Shown = true;
    r.m_LastShown = now;
}
