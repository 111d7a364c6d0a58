#pragma once

#include "ical/CIcsEvent.h"
#include "ical/CIcsZones.h"

#include <QDateTime>
#include <QString>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

// One VEVENT or VTODO as reminders: the start (a to-do's DUE, else its
// DTSTART) in local time, the message from SUMMARY and DESCRIPTION, the
// notice from the earliest display or audio alarm, the repeat from the
// RRULE, privacy from CLASS, the icon from X-KESTRELMARK-ICON or a category
// naming a built-in icon, and the fields only this program writes from
// its X-KESTRELMARK-* properties when they agree with the rest.
class CIcsComponent
{
public:
    struct Outcome
    {
        std::vector<CIcsEvent> m_Events;
        unsigned m_Simplified = 0; // CIcsRecurrence::Simplification bits
        QString m_Skipped;         // not empty: why it was left out
    };
    // A series that ends keeps what is left of it after now; zones are
    // those of the import.
    static Outcome Map(icalcomponent *item, icalcomponent *calendar, const QDateTime &now, const CIcsZones &zones);
};
