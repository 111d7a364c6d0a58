#pragma once

#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QList>
#include <QLocale>
#include <QString>

// The arithmetic of the reminder editor, apart from its window: how a
// reminder's time and notice open in the fields, and what OK makes of the
// fields. Every function here is pure, so the rules can be tested without
// a dialog.
class CNewEventForm
{
public:
    // The number fields, in the order OK reads them.
    enum Field { NoField = 0, DaysField, HoursField, MinutesField, HourField, MinuteField };

    // What the fields show when the editor opens.
    struct Opening
    {
        int m_Hour = 12;           // 1 to 12 (0 to 23 on a 24-hour clock)
        int m_Minute = 0;          // 0 to 59
        int m_PM = 0;              // 0 AM, 1 PM, kNoPM on a 24-hour clock
        int m_AdvanceDays = 0;
        int m_AdvanceHours = 0;
        int m_AdvanceMinutes = 0;
        COleDateTimeSpan m_AdvanceNotice; // after the floor
    };

    // What OK reads from the window.
    struct Fields
    {
        COleDateTime m_Date;       // the reminder's day (its time is replaced)
        QString m_Caption;         // "Reminder for " and the date
        QString m_HourText, m_MinuteText;
        QString m_DaysText, m_HoursText, m_MinutesText;
        int m_PM = 0;              // or kNoPM: the hour is 0 to 23
        int m_Type = 0;            // recurrence radio, -1 when none is set
        QString m_Message;
        bool m_CustomSound = false;
        QString m_SoundFileName;
        int m_SelectedIcon = -1;   // item data of the selected icon, -1 none
        int m_IconCount = 0;       // icons in the library
    };

    struct Result
    {
        enum Status { Accepted, NotAnInteger, InvalidTime };
        Status m_Status = Accepted;
        Field m_Field = NoField;   // the field to put the focus in
        QString m_Prompt;          // what to tell the user when not accepted

        COleDateTime m_Date;
        int m_Type = 0;
        COleDateTimeSpan m_AdvanceNotice;
        QString m_Message;
        QString m_SoundFileName;
        int m_IconNumber = 0;
        bool IsAccepted() const { return m_Status == Accepted; }
    };

    // The hour field of a 24-hour clock, without AM and PM.
    static constexpr int kNoPM = -1;
    // Whether the locale's clock has AM and PM; the C locale keeps the
    // program's own 12-hour clock.
    static bool TwelveHourClock(const QLocale &locale);

    static Opening Open(const COleDateTime &date, const COleDateTimeSpan &advanceNotice, bool twelveHour = true);

    // When on day a new reminder opens: at the time of day last chosen for
    // one (lastChosen, minutes after midnight, -1 for none) unless on today
    // it has passed; else at the next whole hour after now (11:59 PM in the
    // day's last hour).
    static COleDateTime NewReminderTime(const COleDateTime &day, const COleDateTime &now, int lastChosen);
    static Result Validate(const Fields &fields);

    static QString Caption(const COleDateTime &date);
    static QString InvalidTimePrompt();

    // The 24-hour hour for a 12-hour field and AM/PM: 12 AM is 0, 12 PM is
    // noon, and PM adds 12 to any other hour, so a typed 13 PM is refused.
    // With kNoPM the hour is already on the 24-hour clock.
    static int To24Hour(int hour, int pm);

    // The minute field: one digit gets a leading 0; a spin step wraps
    // below 0 to 59 and from 60 to 0 and gives two digits.
    static QString PadMinute(const QString &text);
    static QString StepMinute(const QString &text, int step);

    // The icons the list offers, in order: imported ones (63 on), then the
    // built-in ones 0 to 61, and 62 only when it is the reminder's icon
    // already or the hidden icon is unlocked.
    static QList<int> IconItems(int iconCount, int iconNumber, bool hiddenUnlocked);

    // "Choose sound..." caption: the file name in double quotes, or the hint.
    static QString SoundCaption(const QString &soundFileName);
    // The file part of a path written with either kind of separator.
    static QString FileNamePart(const QString &path);

    static constexpr int kBuiltinCount = 63;
    static constexpr int kHiddenIcon = 62;
};
