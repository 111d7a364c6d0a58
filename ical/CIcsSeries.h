#pragma once

#include "ical/CIcsZone.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

// The occurrences of a repeating event where a reminder cannot simply
// follow its rule: what is left of a series that ends, and whether one
// wall-clock time here meets every occurrence of a series kept in another
// zone.
class CIcsSeries
{
public:
    struct Left
    {
        int m_Count = 0; // 0, 1, or 2 for two or more
        QDate m_Date;    // the first left, on the event's own wall clock
        QTime m_Time;
    };
    // The occurrences of rule from date and time (of zone) at or after
    // now, ignoring those at excluded instants; a whole-day series counts
    // today's. A series of one occurrence in all gives that one, past or
    // not. A rule the library cannot follow counts as going on.
    static Left Remaining(const icalrecurrencetype &rule, const QDate &date, const QTime &time, bool allDay,
                          const CIcsZone &zone, const std::vector<QDateTime> &excluded, const QDateTime &now);

    // True when a reminder at localDate and localTime repeating by kind
    // (RecurrenceKind) would ring at another moment than the event it
    // comes from, at date and time of zone, over the next years: the two
    // zones change their clocks on different days or not at all.
    static bool Drifts(int kind, const QDate &date, const QTime &time, const CIcsZone &zone, const QDate &localDate,
                       const QTime &localTime);
};
