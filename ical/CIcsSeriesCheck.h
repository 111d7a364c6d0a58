#pragma once

#include <QByteArray>

// Whether an event's occurrences, as the library expands them, all moved by
// one amount of the event's own wall clock from one calendar text to the
// other: no day lost, none gained, none that moved by another amount. Over
// the next decades (a few years for a rule of hours or minutes).
class CIcsSeriesCheck
{
public:
    static bool MovedAlike(const QByteArray &before, const QByteArray &after, qint64 wallSeconds);
};
