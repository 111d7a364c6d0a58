#pragma once

#include "model/CArchive.h"
#include "model/CDayQuery.h"
#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"
#include "storage/CLargePageAllocator.h"

#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// A reminder file's records in the order the reminder list gives them,
// holding only what places them on days and lists them: the messages stay
// in the file's code page and are converted only when written. A month's
// listing over a large file then builds no reminders; it passes the file
// through one buffer and keeps only the records that can fall in the month.
class CRecordDayList
{
public:
    struct Entry
    {
        COleDateTime m_DateTime;
        COleDateTimeSpan m_AdvanceNotice;
        const char *m_Message = nullptr; // in the list's own text blocks
        quint32 m_MessageBytes = 0;
        int m_Index = 0; // in the reminder list
        quint16 m_Recurrence = 0;
        quint16 m_IconName = 0; // in IconName's table
        bool m_MessageWide = false;
        bool m_DateWasInvalid = false;
    };

    // Reads the records of the file open on device that can fall on a day
    // from first up to end; the others are passed over. A file out of date
    // order is read again whole, as the list's order and indexes need
    // every record. Raises the archive exceptions for a damaged file, as
    // reading reminders does.
    void Read(QIODevice &device, const COleDateTime &first, const COleDateTime &end);

    int GetSize() const { return static_cast<int>(m_entries.size()); }
    const Entry &operator[](int index) const { return m_entries[static_cast<size_t>(index)]; }
    void CollectOnDay(const COleDateTime &day, std::vector<int> &out, int limit = 0) const
    {
        m_days.CollectOnDay(m_entries, day, out, limit);
    }

    const QString &IconName(const Entry &e) const { return m_iconNames[e.m_IconName]; }
    CArchive::Text MessageText(const Entry &e) const
    {
        return { QByteArrayView(e.m_Message, e.m_MessageBytes), e.m_MessageWide };
    }
    // The message as a loaded reminder has it.
    QString Message(const Entry &e) const;

private:
    class Sink;
    class DayWindow;
    void read(QIODevice &device, const DayWindow *window);
    const char *keepText(QByteArrayView text);

    using Entries = std::vector<Entry, CLargePageAllocator<Entry>>;
    struct FreeLarge
    {
        void operator()(char *block) const { CPrefault::FreeLarge(block); }
    };
    std::vector<std::unique_ptr<char, FreeLarge>> m_textBlocks;
    size_t m_textBlockSize = 0;
    char *m_textNext = nullptr; // in the last block
    size_t m_textRoom = 0;      // left there
    CPrefault::Ahead m_textAhead;
    Entries m_entries;
    std::vector<QString> m_iconNames;
    CDayQuery<Entry, Entries> m_days;
};
