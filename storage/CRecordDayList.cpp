#include "storage/CRecordDayList.h"

#include "model/CFileException.h"
#include "model/CReminderRecord.h"
#include "storage/CPrefault.h"
#include "storage/CReminderFileFormat.h"

#include <QIODevice>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {
constexpr size_t kSmallestBlock = 64 << 10;
constexpr size_t kLargestBlock = 2 << 20;
} // namespace

// Whether a record can fall on a day from first up to end, judged as the
// day query places it: a one-time record on its own day, a weekly one on
// the days from its own on, a monthly one by its day of the month and an
// annual one by its month and day. When unsure it says yes: a record kept
// that falls on no day costs only its room.
class CRecordDayList::DayWindow
{
public:
    DayWindow(const COleDateTime &first, const COleDateTime &end)
        : m_firstDay(CDayQuery<Entry>::DateOnly(first).DayNumber()), m_endDay(end.DayNumber()),
          m_endKey(end.Linear())
    {
        // A year and a month hold every day of the month and of the year.
        constexpr int kEveryDay = 400;
        int days = 0;
        const COleDateTimeSpan oneDay(1.0);
        for (COleDateTime d = CDayQuery<Entry>::DateOnly(first); d < end && days < kEveryDay; d = d + oneDay, ++days) {
            COleDateTime::Parts p;
            if (!d.GetParts(p))
                break;
            m_dayOfMonth[p.day] = true;
            m_monthDay[p.month][p.day] = true;
        }
        if (days == kEveryDay) {
            std::memset(m_dayOfMonth, 1, sizeof(m_dayOfMonth));
            std::memset(m_monthDay, 1, sizeof(m_monthDay));
        }
    }

    bool MayHold(const CReminderRecord &r) const
    {
        long long day = 0;
        int second = 0;
        switch (r.m_Recurrence) {
        case RecurOneTime: {
            const long long own = r.m_DateTime.DayNumber();
            return own >= m_firstDay - 1 && own <= m_endDay + 1;
        }
        case RecurWeekly:
            return !(r.m_DateTime.Linear() - 2.0 > m_endKey);
        case RecurMonthly:
        case RecurAnnual:
            break;
        default:
            return false; // of no kind that falls on a day
        }
        if (!r.m_DateTime.GetDayAndSecond(day, second))
            return false; // the query places it on no day either
        int year = 0, month = 0, dayOfMonth = 0;
        COleDateTime::DateOfDay(day, year, month, dayOfMonth);
        if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > 31)
            return true;
        return r.m_Recurrence == RecurMonthly ? m_dayOfMonth[dayOfMonth] : m_monthDay[month][dayOfMonth];
    }

private:
    long long m_firstDay;
    long long m_endDay;
    double m_endKey;
    bool m_dayOfMonth[32] {};
    bool m_monthDay[13][32] {};
};

// Each record kept as an entry; equal icon names as one table entry.
class CRecordDayList::Sink : public CReminderFileFormat::RecordSink
{
public:
    Sink(CRecordDayList &list, const DayWindow *window) : m_list(list), m_window(window) {}
    bool InOrder() const { return m_inOrder; }

    void Expect(size_t count) override
    {
        // A block holds about the texts a listing of a month keeps.
        constexpr size_t kAverageKept = 16;
        m_list.m_textBlockSize = std::clamp(count * kAverageKept, kSmallestBlock, kLargestBlock);
        m_list.m_entries.reserve(count);
        // Filled whole only when every record is kept; else its pages come
        // as they are written.
        if (!m_window)
            CPrefault::ForWriting(m_list.m_entries.data(), count * sizeof(Entry));
    }
    void Take(const CReminderRecord &r) override
    {
        const int index = m_next++;
        const double key = CDayQuery<Entry>::SortKey(r.m_DateTime);
        if (key < m_lastKey)
            m_inOrder = false;
        m_lastKey = key;
        // Out of order, a window's pass is read again whole: nothing kept
        // from it would last.
        if (m_window && (!m_inOrder || !m_window->MayHold(r)))
            return;
        if (r.m_Message.m_Bytes.size() > std::numeric_limits<quint32>::max())
            throw std::bad_alloc();
        Entry e;
        e.m_DateTime = r.m_DateTime;
        e.m_AdvanceNotice = r.m_AdvanceNotice;
        e.m_Message = m_list.keepText(r.m_Message.m_Bytes);
        e.m_MessageBytes = static_cast<quint32>(r.m_Message.m_Bytes.size());
        e.m_Index = index;
        e.m_MessageWide = r.m_Message.m_Wide;
        e.m_DateWasInvalid = r.m_DateWasInvalid;
        e.m_Recurrence = r.m_Recurrence;
        e.m_IconName = IconIndex(r.m_IconName);
        Entries &entries = m_list.m_entries;
        if (m_window && entries.size() < entries.capacity()) {
            if (entries.data() != m_aheadOf) { // a new block, where the count was short
                m_aheadOf = entries.data();
                m_ahead.Reset(entries.data(), entries.capacity() * sizeof(Entry));
            }
            m_ahead.Reach((entries.size() + 1) * sizeof(Entry));
        }
        entries.push_back(e);
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
    const DayWindow *m_window;
    CPrefault::Ahead m_ahead; // over the entries, kept as few as they are
    const Entry *m_aheadOf = nullptr;
    QHash<QString, quint16> m_byText;
    QString m_lastName;
    int m_next = 0;
    double m_lastKey = -std::numeric_limits<double>::infinity();
    bool m_inOrder = true;
    quint16 m_lastIndex = 0;
    bool m_haveLast = false;
};

void CRecordDayList::Read(QIODevice &device, const COleDateTime &first, const COleDateTime &end)
{
    const DayWindow window(first, end);
    read(device, &window);
}

void CRecordDayList::read(QIODevice &device, const DayWindow *window)
{
    m_entries.clear();
    m_iconNames.clear();
    m_textBlocks.clear();
    m_textBlockSize = 0;
    m_textNext = nullptr;
    m_textRoom = 0;
    const qint64 start = device.pos();
    Sink sink(*this, window);
    CReminderFileFormat::ReadRecords(device, sink);
    using Days = CDayQuery<Entry, Entries>;
    if (!sink.InOrder()) {
        if (window) {
            if (!device.seek(start))
                throw CFileException(CFileException::generic, QString(), device.errorString());
            read(device, nullptr);
            return;
        }
        Days::Sort(m_entries);
        for (size_t i = 0; i < m_entries.size(); ++i)
            m_entries[i].m_Index = static_cast<int>(i);
    }
    m_days.Rebuild(m_entries);
}

const char *CRecordDayList::keepText(QByteArrayView text)
{
    if (text.isEmpty())
        return nullptr;
    // Blocks that are never moved, so an entry's text stays where it is.
    const size_t size = static_cast<size_t>(text.size());
    if (size > m_textRoom) {
        const size_t room = std::max({ m_textBlockSize, kSmallestBlock, size });
        m_textBlocks.emplace_back(static_cast<char *>(CPrefault::AllocateLarge(room)));
        if (!m_textBlocks.back())
            throw std::bad_alloc();
        m_textNext = m_textBlocks.back().get();
        m_textRoom = room;
        m_textAhead.Reset(m_textNext, room);
    }
    char *at = m_textNext;
    m_textAhead.Reach(static_cast<size_t>(at + size - m_textBlocks.back().get()));
    std::memcpy(at, text.data(), size);
    m_textNext += size;
    m_textRoom -= size;
    return at;
}

QString CRecordDayList::Message(const Entry &e) const
{
    return CReminderRecord::MessageOf(MessageText(e), e.m_DateWasInvalid);
}
