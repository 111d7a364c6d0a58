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
    // Neighbouring records often share a name, and the archive hands out
    // one shared string for each repeated one: the same text as the last
    // name is found without hashing it.
    quint16 IconIndex(const QString &name)
    {
        if (m_haveLast && name.constData() == m_lastName.constData() && name.size() == m_lastName.size())
            return m_lastIndex;
        auto found = m_byText.constFind(name);
        if (found == m_byText.cend()) {
            if (m_list.m_iconNames.size() > std::numeric_limits<quint16>::max())
                throw std::bad_alloc(); // more names than a file of icons could hold
            found = m_byText.insert(name, static_cast<quint16>(m_list.m_iconNames.size()));
            m_list.m_iconNames.push_back(name);
        }
        m_lastName = name; // kept, so its text is not freed and its address reused
        m_lastIndex = *found;
        m_haveLast = true;
        return *found;
    }

    CRecordDayList &m_list;
    QHash<QString, quint16> m_byText;
    QString m_lastName;
    quint16 m_lastIndex = 0;
    bool m_haveLast = false;
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
