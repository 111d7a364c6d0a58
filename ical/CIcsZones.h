#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QTimeZone>

#include <vector>

// The zones one import meets: this computer's, found once (the C
// library's local time looks at the system's zone file again at every
// conversion), and those the TZIDs name, each looked up once. Offsets from
// UTC come from a table of each zone's changes, built on first use, rather
// than from Qt at every question, which costs an allocation each time.
class CIcsZones
{
public:
    CIcsZones();

    // This computer's zone, or an invalid one when Qt cannot name it the
    // way the C library reads it; local time is then asked each time.
    const QTimeZone &Here() const { return m_here; }
    // The system's zone of a TZID as other programs write them: a plain
    // IANA name, one behind a vendor prefix, or a Windows zone name.
    QTimeZone System(const QByteArray &tzid) const;

    // Seconds ahead of UTC at the instant utc.
    int OffsetAt(const QTimeZone &zone, const QDateTime &utc) const;
    int HereOffsetAt(const QDateTime &utc) const;
    // The wall clock here at the instant utc (its date and time; the
    // value itself is marked UTC).
    QDateTime WallClockHere(const QDateTime &utc) const;

private:
    struct Changes
    {
        int m_Before = 0;              // the offset before the first change
        std::vector<qint64> m_At;      // UTC milliseconds of each change
        std::vector<int> m_Offset;     // the offset from then on
    };
    const Changes &changesOf(const QTimeZone &zone) const;

    QTimeZone m_here;
    mutable QHash<QByteArray, QTimeZone> m_system;
    mutable QHash<QByteArray, Changes> m_changes;
};
