#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>
#include <vector>

// A calendar resource as the sync sees it: its event's UID, the reminders
// it maps to (as the file import maps it: a daily rule gives one weekly
// reminder per weekday), and its text. The reminder's shown state travels
// as the display alarm's ACKNOWLEDGED time, so an alert answered on one
// device is not shown again on another.
struct CSyncEvent
{
    QString m_Uid;
    std::vector<CReminder> m_Reminders;
    // The server's text of an event another program wrote, which is only
    // ever patched; empty for one this program wrote, which may be
    // written anew.
    QByteArray m_Text;
    bool m_Simplified = false; // the reminders hold less than the event said
    QString m_SimplifiedHow;
};

class CSyncIcs
{
public:
    // A VCALENDAR with one VEVENT for the reminder.
    static QByteArray Write(const CReminder &reminder, const QString &uid);
    // The event of a calendar resource; false with a reason when there is
    // none.
    static bool Read(const QByteArray &ics, CSyncEvent &out, QString &error);
    // Whether text is what Write makes, so that writing it anew loses
    // nothing another program put there.
    static bool IsOwn(const QByteArray &text);
    // The text of another program's event with what changed from base to
    // wanted (reminders paired by position) patched in: the message,
    // start, notice, repeat and privacy of the first reminder that changed
    // them, and the latest acknowledgement. Empty with a reason when text
    // holds no event; text itself when nothing changed that the event can
    // hold. edited tells whether more than the shown state changed.
    static QByteArray Patch(const QByteArray &text, const std::vector<CReminder> &base,
                            const std::vector<CReminder> &wanted, bool &edited, QString &error);
    // A fresh UID for a reminder new here. Not derived from the content:
    // two equal reminders are still two events.
    static QString NewUid();
};
