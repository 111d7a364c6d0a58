#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>

// A calendar resource as the sync sees it: one event, its UID, and the
// reminder it maps to (through the iCalendar import and export mapping).
// The reminder's shown state travels as the alarm's ACKNOWLEDGED time, so
// an alert answered on one device is not shown again on another.
struct CSyncEvent
{
    QString m_Uid;
    CReminder m_Reminder;
    bool m_Simplified = false; // the reminder holds less than the event said
    QString m_SimplifiedHow;
};

class CSyncIcs
{
public:
    // A VCALENDAR with one VEVENT for the reminder.
    static QByteArray Write(const CReminder &reminder, const QString &uid);
    // The event of a calendar resource; false with a reason when there is
    // none. An event that would become several reminders (one rule on
    // several weekdays) gives its first, and counts as simplified.
    static bool Read(const QByteArray &ics, CSyncEvent &out, QString &error);
    // A fresh UID for a reminder new here. Not derived from the content:
    // two equal reminders are still two events.
    static QString NewUid();
};
