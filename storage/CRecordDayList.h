#pragma once

#include "model/CArchive.h"
#include "model/CDayQuery.h"
#include "model/COleDateTime.h"
#include "model/COleDateTimeSpan.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// A reminder file's records in the order and with the indexes the reminder
// list gives them, holding only what places them on days and lists them:
// the messages stay in the file's bytes, which the list keeps, and are
// converted only when written. A month's listing over a large file then
// builds no reminders and allocates nothing for each.
class CRecordDayList
{
public:
    struct Entry
    {
        COleDateTime m_DateTime;
        COleDateTimeSpan m_AdvanceNotice;
        const char *m_Message = nullptr; // in the file's bytes
        quint32 m_MessageBytes = 0;
        quint16 m_Recurrence = 0;
        quint16 m_IconName = 0; // in IconName's table
        bool m_MessageWide = false;
        bool m_DateWasInvalid = false;
    };

    // Reads the whole file's bytes, which the list keeps. Raises the
    // archive exceptions for a damaged file, as reading reminders does.
    void Assign(QByteArray bytes);

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
    QByteArray m_bytes;
    std::vector<Entry> m_entries;
    std::vector<QString> m_iconNames;
    CDayQuery<Entry> m_days;
};
