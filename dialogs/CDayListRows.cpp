#include "dialogs/CDayListRows.h"

#include "model/COleDateTime.h"
#include "model/CReminder.h"

QString CDayListRows::AdvanceNoticeWords(const COleDateTimeSpan &notice)
{
    const long d = notice.GetDays();
    const int h = notice.GetHours();
    const int m = notice.GetMinutes();
    QString text;
    if (d != 0) {
        text += d == 1 ? QStringLiteral("1 day") : QStringLiteral("%1 days").arg(d);
        if (h != 0 || m != 0)
            text += QStringLiteral(", ");
    }
    if (h != 0) {
        text += h == 1 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(h);
        if (m != 0)
            text += QStringLiteral(", ");
    }
    if (m != 0)
        text += m == 1 ? QStringLiteral("1 minute") : QStringLiteral("%1 mins.").arg(m);
    return text;
}

QString CDayListRows::TimeText(const CReminder &reminder)
{
    COleDateTime::Parts p;
    if (!reminder.m_DateTime.GetParts(p))
        return QString();
    // Day 0 with the reminder's time: formatting shows the time alone.
    return COleDateTime(1899, 12, 30, p.hour, p.minute, 0).Format();
}

QString CDayListRows::TypeText(const CReminder &reminder)
{
    return CReminder::RecurrenceName(reminder.m_Recurrence);
}

QString CDayListRows::ColumnTitle(const COleDateTime &day)
{
    return QStringLiteral("Reminders for ") + day.Format() + QStringLiteral(":");
}

QString CDayListRows::DeleteQuestion(const CReminder &reminder)
{
    return QStringLiteral("[") + reminder.m_Message + QStringLiteral("]\n")
        + QStringLiteral("Are you sure you want to delete this reminder?");
}

QString CDayListRows::NothingSelectedMessage()
{
    return QStringLiteral("Please select a reminder to delete.");
}
