#include "storage/CRecordDayList.h"

#include "model/CReminderRecord.h"
#include "storage/CPrefault.h"
#include "storage/CReminderFileFormat.h"

#include <limits>

// Each record as an entry; equal icon names as one table entry.
class CRecordDayList::Sink : public CReminderFileFormat::RecordSink
{
public:
    explicit Sink(CRecordDayList &list) : m_list(list) {}
    void Expect(size_t count) override
    {
        m_list.m_entries.reserve(count);
        CPrefault::ForWriting(m_list.m_entries.data(), count * sizeof(Entry));
    }
    void Take(const CReminderRecord &r) override
    {
        if (r.m_Message.m_Bytes.size() > std::numeric_limits<quint32>::max())
            throw std::bad_alloc();
        Entry e;
        e.m_DateTime = r.m_DateTime;
        e.m_AdvanceNotice = r.m_AdvanceNotice;
        e.m_Message = r.m_Message.m_Bytes.data();
        e.m_MessageBytes = static_cast<quint32>(r.m_Message.m_Bytes.size());
        e.m_MessageWide = r.m_Message.m_Wide;
        e.m_DateWasInvalid = r.m_DateWasInvalid;
        e.m_Recurrence = r.m_Recurrence;
        e.m_IconName = IconIndex(r.m_IconName);
        m_list.m_entries.push_back(e);
    }

private:
    // The archive hands out one shared string for each repeated name, so
    // its text's address finds it; the table keeps every name alive, so
    // an address is never reused for another.
    quint16 IconIndex(const QString &name)
    {
        const QChar *key = name.constData();
        if (key == m_lastKey)
            return m_lastIndex;
        auto found = m_byAddress.constFind(key);
        if (found == m_byAddress.cend()) {
            auto byText = m_byText.constFind(name);
            if (byText == m_byText.cend()) {
                if (m_list.m_iconNames.size() > std::numeric_limits<quint16>::max())
                    throw std::bad_alloc(); // more names than a file of icons could hold
                byText = m_byText.insert(name, static_cast<quint16>(m_list.m_iconNames.size()));
                m_list.m_iconNames.push_back(name);
            }
            found = m_byAddress.insert(key, *byText);
            m_kept.push_back(name);
        }
        m_lastKey = key;
        m_lastIndex = *found;
        return *found;
    }

    CRecordDayList &m_list;
    QHash<const QChar *, quint16> m_byAddress;
    QHash<QString, quint16> m_byText;
    std::vector<QString> m_kept; // every string whose address is a key
    const QChar *m_lastKey = nullptr;
    quint16 m_lastIndex = 0;
};

void CRecordDayList::Assign(QByteArray bytes)
{
    m_entries.clear();
    m_iconNames.clear();
    m_bytes = std::move(bytes);
    Sink sink(*this);
    CReminderFileFormat::ReadRecords(QByteArrayView(m_bytes), sink);
    using Days = CDayQuery<Entry>;
    if (!Days::IsSorted(m_entries))
        Days::Sort(m_entries);
    m_days.Rebuild(m_entries);
}

QString CRecordDayList::Message(const Entry &e) const
{
    return CReminderRecord::MessageOf(MessageText(e), e.m_DateWasInvalid);
}
