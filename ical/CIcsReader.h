#pragma once

#include "ical/CIcsEvent.h"

#include <QByteArray>
#include <QDateTime>
#include <QStringList>
#include <atomic>
#include <vector>

struct CIcsReadResult
{
    std::vector<CIcsEvent> m_Events;
    int m_Simplified = 0;  // events and to-dos that lost something on the way
    int m_Skipped = 0;     // events and to-dos left out
    QStringList m_Notes;   // how many were simplified or left out, and how
    QString m_NotUtf8;     // not empty: where the text first breaks UTF-8 (also a note)
    QString m_Error;       // not empty: the file was refused as a whole
};

// Reminders from iCalendar text: the VEVENTs and VTODOs of every calendar
// in it (or standing alone). Never changes anything but its result.
class CIcsReader
{
public:
    // Larger text is refused before it is parsed: as large as a reminder
    // file may be, since reading takes time in proportion to the size.
    static constexpr qsizetype kMaxBytes = qsizetype(256) << 20;

    // now: what is past of a series that ends is left out. done, when
    // given, follows the bytes read so far, for another thread to show.
    static CIcsReadResult Read(const QByteArray &text, const QDateTime &now = QDateTime::currentDateTimeUtc(),
                               std::atomic<qint64> *done = nullptr);
};
