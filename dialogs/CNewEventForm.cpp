#include "dialogs/CNewEventForm.h"

#include "dialogs/CIntegerField.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace {

const COleDateTimeSpan kNoticeFloor(0, 0, 1, 30);

} // namespace

COleDateTime CNewEventForm::NewReminderTime(const COleDateTime &day, const COleDateTime &now, int lastChosen)
{
    COleDateTime::Parts d {}, n {};
    if (!day.GetParts(d) || !now.GetParts(n))
        return day;
    const bool today = d.year == n.year && d.month == n.month && d.day == n.day;
    const int nowMinutes = n.hour * 60 + n.minute;
    int minutes = n.hour < 23 ? (n.hour + 1) * 60 : 23 * 60 + 59;
    if (lastChosen >= 0 && lastChosen < 24 * 60 && (!today || lastChosen > nowMinutes))
        minutes = lastChosen;
    return COleDateTime(d.year, d.month, d.day, minutes / 60, minutes % 60, 0);
}

bool CNewEventForm::TwelveHourClock(const QLocale &locale)
{
    return locale.language() == QLocale::C || locale.timeFormat(QLocale::ShortFormat).contains(QLatin1String("ap"), Qt::CaseInsensitive);
}

CNewEventForm::Opening CNewEventForm::Open(const COleDateTime &date, const COleDateTimeSpan &advanceNotice, bool twelveHour)
{
    Opening o;
    COleDateTime::Parts p;
    int h = 0;
    if (date.GetParts(p)) {
        h = p.hour;
        o.m_Minute = p.minute;
    }
    if (!twelveHour) {
        o.m_PM = kNoPM;
        o.m_Hour = h;
    } else if (h >= 12) {
        o.m_PM = 1;
        o.m_Hour = h > 12 ? h - 12 : 12;
    } else {
        o.m_PM = 0;
        o.m_Hour = h == 0 ? 12 : h;
    }
    o.m_AdvanceNotice = advanceNotice;
    // Not a number, or less than a minute: the shortest notice there is.
    if (!(advanceNotice.GetTotalMinutes() >= 1.0))
        o.m_AdvanceNotice = kNoticeFloor;
    o.m_AdvanceDays = static_cast<int>(o.m_AdvanceNotice.GetDays());
    o.m_AdvanceHours = o.m_AdvanceNotice.GetHours();
    o.m_AdvanceMinutes = o.m_AdvanceNotice.GetMinutes();
    return o;
}

int CNewEventForm::To24Hour(int hour, int pm)
{
    if (pm == kNoPM)
        return hour;
    if (pm == 1)
        return hour == 12 ? 12 : hour + 12;
    return hour == 12 ? 0 : hour;
}

CNewEventForm::Result CNewEventForm::Validate(const Fields &f)
{
    Result r;
    int days = 0, hours = 0, minutes = 0, hour = 0, minute = 0;
    const struct { const QString *text; int *value; Field field; } numbers[] = {
        { &f.m_DaysText, &days, DaysField },
        { &f.m_HoursText, &hours, HoursField },
        { &f.m_MinutesText, &minutes, MinutesField },
        { &f.m_HourText, &hour, HourField },
        { &f.m_MinuteText, &minute, MinuteField },
    };
    for (const auto &n : numbers) {
        if (!CIntegerField::Parse(*n.text, *n.value)) {
            r.m_Status = Result::NotAnInteger;
            r.m_Field = n.field;
            r.m_Prompt = CIntegerField::IntegerPrompt();
            return r;
        }
    }

    r.m_Type = f.m_Type;
    r.m_SoundFileName = f.m_CustomSound ? f.m_SoundFileName : QString();

    int icon = f.m_SelectedIcon;
    if (icon >= f.m_IconCount)
        icon = f.m_IconCount - 1;
    if (icon < 0)
        icon = 0;
    r.m_IconNumber = icon;

    r.m_Message = f.m_Message.isEmpty() ? QStringLiteral("(") + f.m_Caption + QStringLiteral(")") : f.m_Message;

    const int hour24 = To24Hour(hour, f.m_PM);
    COleDateTime::Parts p;
    COleDateTime when(0.0, COleDateTime::invalid);
    if (f.m_Date.GetParts(p))
        when.SetDateTime(p.year, p.month, p.day, hour24, minute, 0);
    if (when.GetStatus() != COleDateTime::valid) {
        r.m_Status = Result::InvalidTime;
        r.m_Field = hour24 < 0 || hour24 > 23 ? HourField : MinuteField;
        r.m_Prompt = InvalidTimePrompt();
        return r;
    }
    r.m_Date = when;

    COleDateTimeSpan notice(days, hours, minutes, 30);
    if (notice.GetTotalMinutes() < 1.0)
        notice = kNoticeFloor;
    r.m_AdvanceNotice = notice;
    return r;
}

QString CNewEventForm::Caption(const COleDateTime &date)
{
    //: The editor's title; %1 is the reminder's date.
    return QCoreApplication::translate("CNewEventForm", "Reminder for %1").arg(date.Format());
}

QString CNewEventForm::InvalidTimePrompt()
{
    return QCoreApplication::translate("CNewEventForm", "The time of day that this reminder is scheduled for is invalid.  Please try another time.");
}

QString CNewEventForm::PadMinute(const QString &text)
{
    return text.size() == 1 ? QStringLiteral("0") + text : text;
}

QString CNewEventForm::StepMinute(const QString &text, int step)
{
    int minute = 0;
    if (!CIntegerField::Parse(text, minute))
        minute = 0;
    long long next = static_cast<long long>(minute) + step;
    if (next < 0)
        next = 59;
    else if (next >= 60)
        next = 0;
    return QStringLiteral("%1").arg(next, 2, 10, QLatin1Char('0'));
}

QList<int> CNewEventForm::IconItems(int iconCount, int iconNumber, bool hiddenUnlocked)
{
    QList<int> items;
    for (int i = kBuiltinCount; i < iconCount; ++i)
        items.append(i);
    const int lastBuiltin = iconNumber == kHiddenIcon || hiddenUnlocked ? kHiddenIcon : kHiddenIcon - 1;
    for (int i = 0; i <= lastBuiltin && i < iconCount; ++i)
        items.append(i);
    return items;
}

QString CNewEventForm::FileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
    return path.mid(cut + 1);
}

QString CNewEventForm::SoundCaption(const QString &soundFileName)
{
    if (soundFileName.isEmpty())
        return QCoreApplication::translate("CNewEventForm", "(Click to choose sound)");
    return QStringLiteral("\"") + FileNamePart(soundFileName) + QStringLiteral("\"");
}
