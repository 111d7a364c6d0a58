#pragma once

#include "cli/CJsonStream.h"
#include "model/COleDateTime.h"
#include "storage/CRecordDayList.h"

#include <QByteArray>
#include <vector>

class CReminder;

// Writes the entries of an occurrence listing, each reminder dated on one
// of its days. The compact entry holds what a day plan needs, dates as
// their text alone; the whole entry is the reminder in the dump's form.
// Keys are in the order a JSON document sorts them, so either form reads
// back as it was written.
class COccurrenceWriter
{
public:
    explicit COccurrenceWriter(CJsonStream &json) : m_json(json) {}

    // On one line (see CJsonStream::SetOneLineFrom): the occurrence's
    // date, the reminder's own date, its index in the reminder list,
    // message, recurrence, advance notice in minutes (none when the notice
    // is not valid) and icon name. One writer serves one list.
    void WriteCompact(const CRecordDayList &list, int index, const COleDateTime &dateTime);
    // Every field of the reminder, with dateTime in place of its own date.
    void WriteFull(const CReminder &r, const COleDateTime &dateTime);

    // The last date written as text: most reminders share their last-shown
    // date (never shown), and long listings repeat it on every entry; the
    // occurrences of a day change only its time.
    struct IsoMemo
    {
        double m_Value = 0;
        long long m_Day = COleDateTime::kNoDayNumber; // the whole day whose date the text shows
        bool m_Known = false;
        char m_Iso[20] = "0000-00-00T00:00:00";

        // True when the text now shows the date (years 100 to 9999 only).
        bool Show(const COleDateTime &dt);
    };

private:
    // The icon's name as JSON text, quoted once for the whole listing.
    const QByteArray &iconJson(const CRecordDayList &list, const CRecordDayList::Entry &e);

    CJsonStream &m_json;
    std::vector<QByteArray> m_iconJson; // by the list's icon index
    IsoMemo m_occurrence;
    IsoMemo m_own;
    IsoMemo m_lastShown;
};
