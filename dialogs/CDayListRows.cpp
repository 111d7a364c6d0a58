#include "dialogs/CDayListRows.h"

#include "model/COleDateTime.h"
#include "model/CReminder.h"

#include <QCoreApplication>

QString CDayListRows::AdvanceNoticeWords(const COleDateTimeSpan &notice)
{
    const long d = notice.GetDays();
    const int h = notice.GetHours();
    const int m = notice.GetMinutes();
    QString text;
    if (d != 0) {
        // One apart, so that English keeps "1 day"; the other counts take
        // the language's plural forms.
        text += d == 1 ? QCoreApplication::translate("CDayListRows", "1 day")
                       : QCoreApplication::translate("CDayListRows", "%n days", nullptr, int(d));
        if (h != 0 || m != 0)
            text += QCoreApplication::translate("CDayListRows", ", ");
    }
    if (h != 0) {
        text += h == 1 ? QCoreApplication::translate("CDayListRows", "1 hour")
                       : QCoreApplication::translate("CDayListRows", "%n hours", nullptr, h);
        if (m != 0)
            text += QCoreApplication::translate("CDayListRows", ", ");
    }
    if (m != 0)
        //: Minutes of advance notice, in a narrow column: abbreviated.
        text += m == 1 ? QCoreApplication::translate("CDayListRows", "1 minute")
                       : QCoreApplication::translate("CDayListRows", "%n mins.", nullptr, m);
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
    //: The title of the day's list; %1 is the day.
    return QCoreApplication::translate("CDayListRows", "Reminders for %1:").arg(day.Format());
}

QString CDayListRows::DeleteQuestion(const CReminder &reminder)
{
    //: %1 is the reminder's message.
    return QCoreApplication::translate("CDayListRows", "[%1]\nAre you sure you want to delete this reminder?")
        .arg(reminder.m_Message);
}

QString CDayListRows::NothingSelectedMessage()
{
    return QCoreApplication::translate("CDayListRows", "Please select a reminder to delete.");
}
