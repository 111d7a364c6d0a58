#pragma once

#include "model/CReminder.h"

#include <unordered_set>
#include <vector>

class CReminderList;

// Adds many reminders to a list in one go, as imports do: each one is
// refused when the list or an earlier reminder of the same batch already
// holds a match (the rule of CReminderList::Contains), and Commit puts all
// the accepted ones into the list in one merge. The result is the same as
// checking and inserting them one by one, but the cost grows with the list
// plus the batch, not with their product. The list must not change between
// the first Add and Commit; what is not committed is dropped. The caller
// rebuilds the list's indexes afterwards.
class CReminderBatch
{
public:
    explicit CReminderBatch(CReminderList &list) : m_list(list) {}
    CReminderBatch(const CReminderBatch &) = delete;
    CReminderBatch &operator=(const CReminderBatch &) = delete;

    // False (and nothing kept) for a duplicate.
    bool Add(const CReminder &reminder);
    int PendingCount() const { return static_cast<int>(m_pending.size()); }
    // Merges what was accepted into the list; the batch starts afresh.
    void Commit();

private:
    // Positions: below zero -(i + 1) for the list's element i, else the
    // pending reminder at that position.
    const CReminder &At(long long position) const;
    struct Hash
    {
        const CReminderBatch *batch;
        size_t operator()(long long position) const;
    };
    struct Same
    {
        const CReminderBatch *batch;
        bool operator()(long long a, long long b) const;
    };
    void IndexList();

    CReminderList &m_list;
    std::vector<CReminder> m_pending;
    bool m_listIndexed = false;
    std::unordered_set<long long, Hash, Same> m_seen { 0, Hash { this }, Same { this } };
};
