#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
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

// What a patch of another program's event came to.
struct CSyncPatch
{
    QByteArray m_Text; // empty with m_Error when the text holds no event
    QString m_Error;
    bool m_Edited = false;       // more than an answer changed there
    bool m_NotOrganizer = false; // a meeting someone else organises
    // Changes that stay on this computer, each with why, for the user.
    QStringList m_KeptHere;
    bool m_StartKept = false, m_MessageKept = false, m_NoticeKept = false, m_RepeatKept = false,
         m_PrivacyKept = false;
};

class CSyncIcs
{
public:
    // A VCALENDAR with one VEVENT for the reminder; a length in seconds
    // gives it a DTEND.
    static QByteArray Write(const CReminder &reminder, const QString &uid, qint64 length = 0);
    // The event of a calendar resource; false with a reason when there is
    // none.
    static bool Read(const QByteArray &ics, CSyncEvent &out, QString &error);
    // Whether text is what Write makes, so that writing it anew loses
    // nothing another program put there.
    static bool IsOwn(const QByteArray &text);
    // A resource without any event or to-do (a journal, free-busy time):
    // nothing of it is a reminder, nor was it ever.
    static bool HoldsNoItem(const QByteArray &text);
    // The text of another program's event with what changed from base to
    // wanted (reminders paired by position) patched in: the message,
    // start, notice, repeat and privacy of the first reminder that changed
    // them, and the latest acknowledgement, on the notice alarm and only
    // ever later. A move or a new notice voids the answers of a one-time
    // event, and those of a repeating one that would silence the moved
    // occurrence. The text itself when nothing changed that the
    // event can hold. A meeting organised by someone other than
    // ownAddresses (the account's) keeps its time, title, repeat and
    // privacy: those changes stay here, as do the ones the event cannot
    // take (an all-day event moved by hours, a rule that cannot follow).
    static CSyncPatch Patch(const QByteArray &text, const std::vector<CReminder> &base,
                            const std::vector<CReminder> &wanted, const QStringList &ownAddresses);
    // Whether text (a server's) is a meeting someone else organises.
    static bool OrganisedByOthers(const QByteArray &text, const QStringList &ownAddresses);
    // How long the event of text lasts, in seconds; 0 when it does not say.
    static qint64 Length(const QByteArray &text);
    // A fresh UID for a reminder new here. Not derived from the content:
    // two equal reminders are still two events.
    static QString NewUid();
};
