#include "calendar/CCalendarTip.h"

#include "model/CReminder.h"

QString CCalendarTip::TipText(const CReminder &reminder)
{
    QString text = reminder.GetFlatMessage();
    if (text.size() > kMaxMessage) {
        int cut = kMaxMessage;
        if (text.at(cut - 1).isHighSurrogate())
            --cut; // never split a character in two
        text = text.left(cut) + QStringLiteral("...");
    }
    const int hour = reminder.m_DateTime.GetHour();
    const int minute = reminder.m_DateTime.GetMinute();
    if (hour > 0 || minute > 0) {
        // Day 0 formats as a time alone in the user's locale.
        const COleDateTime timeOnly(1899, 12, 30, hour, minute, 0);
        text += QStringLiteral(" (") + timeOnly.Format() + QLatin1Char(')');
    }
    return text;
}
