#pragma once

#include "model/CReminder.h"

#include <QByteArray>
#include <QString>
#include <vector>

// Reminders as an iCalendar file: one VEVENT each, in local floating time,
// with the repeat as an RRULE, the advance notice as a display alarm and
// every other field in X-KESTRELMARK-* properties, so that CIcsReader
// gives the same reminders back.
class CIcsWriter
{
public:
    static const char *const kProductId;

    // Stable for the same reminder content (date, repeat, notice, message,
    // icon), so a reminder exported again keeps its UID.
    static QString UidFor(const CReminder &r);
    // One VCALENDAR holding every reminder.
    static QByteArray WriteCalendar(const std::vector<CReminder> &reminders);
    // A VCALENDAR with the one VEVENT of r. acknowledged marks its alarm as
    // acknowledged (at the last showing, or at the alarm time); a length
    // in seconds gives it a DTEND that much after its start.
    static QByteArray WriteEvent(const CReminder &r, const QString &uid, bool acknowledged = false, qint64 length = 0);
};
