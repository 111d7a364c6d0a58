#pragma once

#include <QDate>
#include <QString>
#include <vector>

extern "C" {
#include <libical/ical.h>
}

// What a reminder can hold of an event's repeat: one-time, annual, monthly
// or weekly, each from one date. A weekly rule on several days and a daily
// rule become one weekly reminder per weekday; the rest is simplified in
// the ways listed here.
class CIcsRecurrence
{
public:
    enum Simplification : unsigned {
        None = 0,
        Interval = 1u << 0,   // every 2nd week became every week
        End = 1u << 1,        // COUNT or UNTIL dropped
        ExDate = 1u << 2,     // excluded dates occur after all
        RDate = 1u << 3,      // extra dates dropped
        Frequent = 1u << 4,   // hourly or more often became one time
        Parts = 1u << 5,      // BYxxx parts beyond the start's own day
        BadRule = 1u << 6,    // a rule that could not be read: one time
        MoreRules = 1u << 7,  // only the first RRULE followed
        AlarmAfter = 1u << 8, // an alarm after the start rings at the start
        UnknownZone = 1u << 9, // an unknown TZID read as local time
        Unreadable = 1u << 10, // properties the library could not read
        ZoneHour = 1u << 11,   // its zone and this computer's change clocks on other days
        OneLeft = 1u << 12     // a series with one occurrence left became one time
    };
    static constexpr unsigned kCount = 13;
    // How an event was simplified, for the user: "the repeat interval ...".
    static QString Describe(Simplification one);
    static QString DescribeAll(unsigned set);

    struct Mapping
    {
        int m_Kind = 0;             // RecurrenceKind
        std::vector<QDate> m_Dates; // one reminder each
        unsigned m_Simplified = None;
    };
    // rule null: no RRULE.
    static Mapping Map(const QDate &start, const icalrecurrencetype *rule);
};
