#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QList>
#include <QString>

class CReminder;

// "Remind me again later": a reminder whose alert the user snoozed is
// presented once more after the chosen delay, whatever its kind.
//
// The snooze lives in three fields every reader of the reminder file
// already knows, so the file layout stays as it is:
//   m_Shown          false  - the reminder has still to be presented
//   m_LastShown      T      - when the user chose to snooze
//   m_ReshowInterval d      - the chosen delay (5 minutes to 1 day)
// The ordinary re-show rule already keeps such a reminder quiet until
// T + d. A reminder is snoozed when its shown flag is clear and its
// last-shown time is a real showing, later than the never-shown date that
// the defaults and an edit put there. Once T + d has passed, a snoozed
// reminder is due whatever its recurrence says; a repeating one is
// presented for the occurrence that was in force at T, even when that
// occurrence's day has ended meanwhile. Answering that presentation with
// OK marks it shown as any presentation does and puts the re-show interval
// back to its one-day default, which ends the snooze. A reader that knows
// nothing of snoozing still presents a snoozed one-time reminder at T + d.
class CSnooze
{
public:
    // The delays offered, shortest first; the last is "Tomorrow", the same
    // time the next day.
    struct Choice
    {
        int m_Minutes;
        QString m_Label;
    };
    static const QList<Choice> &Choices();
    static constexpr int kDefaultMinutes = 10;
    // Index of the choice of the given minutes; the default's when none.
    static int IndexOfMinutes(int minutes);
    // The stored setting's text to a choice's minutes: an unknown or
    // malformed value gives the default.
    static int MinutesFromSetting(const QString &text);

    static const COleDateTimeSpan kDefaultReshowInterval; // 1 day

    // Snoozes r, answered at answeredAt, for minutes.
    static void Snooze(CReminder &r, const COleDateTime &answeredAt, int minutes);
    static bool IsSnoozed(const CReminder &r);
    // When a snoozed reminder comes back.
    static COleDateTime WakeTime(const CReminder &r);
    // Whether a snoozed reminder is due at now; the occurrence it was
    // snoozed for goes to occurrence.
    static bool IsDue(const CReminder &r, const COleDateTime &now, COleDateTime *occurrence);
    // After a presentation answered with OK: shown at now, snooze ended.
    static void MarkShown(CReminder &r, const COleDateTime &now);
};
