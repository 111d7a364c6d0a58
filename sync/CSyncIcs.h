#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>

// A calendar resource as the sync sees it: one event, its UID, and the
// reminder it maps to. The reminder's shown state carries the alarm's
// ACKNOWLEDGED time both ways, so an alert answered on one device is not
// shown again on another.
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
    // The first VEVENT of a calendar resource; false with a reason when
    // there is none or it has no usable start.
    static bool Read(const QByteArray &ics, CSyncEvent &out, QString &error);
    // A fresh UID for a reminder that has none yet.
    static QString NewUid();
};
