#include "model/CReminderBatch.h"

#include "model/CReminderList.h"

#include <QHash>
#include <cstring>

namespace {
size_t mixDouble(size_t seed, double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return qHashMulti(seed, bits);
}
} // namespace

const CReminder &CReminderBatch::At(long long position) const
{
    if (position < 0)
        return m_list[static_cast<int>(-(position + 1))];
    return m_pending[static_cast<size_t>(position)];
}

size_t CReminderBatch::Hash::operator()(long long position) const
{
    // The fields Contains compares; the date's day count alone, since
    // equal dates also have equal counts.
    const CReminder &r = batch->At(position);
    size_t h = mixDouble(0, r.m_DateTime.GetValue());
    h = mixDouble(h, r.m_AdvanceNotice.GetValue());
    return qHashMulti(h, r.m_Recurrence, r.m_Message, r.m_IconName);
}

bool CReminderBatch::Same::operator()(long long a, long long b) const
{
    const CReminder &x = batch->At(a);
    const CReminder &y = batch->At(b);
    return x.m_DateTime == y.m_DateTime && x.m_Recurrence == y.m_Recurrence
        && x.m_AdvanceNotice == y.m_AdvanceNotice && x.m_Message == y.m_Message && x.m_IconName == y.m_IconName;
}

void CReminderBatch::IndexList()
{
    m_listIndexed = true;
    m_seen.reserve(static_cast<size_t>(m_list.GetSize()) * 2);
    for (int i = 0; i < m_list.GetSize(); ++i)
        m_seen.insert(-(static_cast<long long>(i) + 1));
}

bool CReminderBatch::Add(const CReminder &reminder)
{
    if (!m_listIndexed)
        IndexList();
    m_pending.push_back(reminder);
    const long long position = static_cast<long long>(m_pending.size()) - 1;
    if (!m_seen.insert(position).second) {
        m_pending.pop_back();
        return false;
    }
    return true;
}

void CReminderBatch::Commit()
{
    m_seen.clear();
    m_listIndexed = false;
    if (m_pending.empty())
        return;
    std::vector<CReminder> pending;
    pending.swap(m_pending);
    m_list.InsertAllSorted(std::move(pending));
}
