#pragma once

#include "ical/CIcsTime.h"

#include <QDateTime>
#include <optional>

extern "C" {
#include <libical/ical.h>
}

// The alarms of an event or to-do as a reminder sees them. The notice is
// the display or audio alarm that rings first (a snooze alarm of RFC 9074
// aside); it is also the alarm an answer given here goes on. The answers
// are those of every display and audio alarm (RFC 9074 ACKNOWLEDGED) and
// Thunderbird's X-MOZ-LASTACK, unless a snooze of Thunderbird's lies after
// the latter.
class CIcsAlarms
{
public:
    struct Notice
    {
        std::optional<long long> m_Seconds;      // before the start
        bool m_After = false;                    // an alarm rings after the start
        int m_Alarm = -1;                        // which VALARM of the item, counted from 0
        std::optional<long long> m_NextSeconds;  // the longest lead of the other alarms
        std::optional<QDateTime> m_Acknowledged; // UTC, the latest answer
    };

    static Notice Read(icalcomponent *item, icalcomponent *calendar, const CIcsLocalTime &start,
                       const CIcsZones &zones);
    // The UTC instant of a date-time value such as 20241023T141941Z.
    static std::optional<QDateTime> UtcValue(const char *text);
};
