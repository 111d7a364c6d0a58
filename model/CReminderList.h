#pragma once

#include "model/CDayQuery.h"
#include "model/CReminder.h"

#include <vector>

// The one collection of all reminders, ordered by date and time, with the
// day indexes that let the calendar ask "which reminders fall on this day"
// without scanning the repeating kinds. A reminder is named by its id,
// which no other reminder in the list shares (every insertion sees to it);
// an index addresses it only until the next insertion, deletion, sort or
// merge. The day indexes are right only after RebuildIndexes (Sort
// rebuilds them itself).
class CReminderList
{
public:
    static constexpr int kMaxPerDay = 20;

    int GetSize() const { return static_cast<int>(m_reminders.size()); }
    bool IsEmpty() const { return m_reminders.empty(); }
    CReminder &operator[](int index) { return m_reminders[static_cast<size_t>(index)]; }
    const CReminder &operator[](int index) const { return m_reminders[static_cast<size_t>(index)]; }
    CReminder &GetAt(int index) { return (*this)[index]; }
    const CReminder &GetAt(int index) const { return (*this)[index]; }
    const std::vector<CReminder> &Reminders() const { return m_reminders; }

    // Where the reminder with this id is now; -1 when none has it.
    int IndexOf(quint64 id) const;
    CReminder *Find(quint64 id);

    // New elements take the record defaults; surplus ones are destroyed.
    void SetSize(int count);
    void RemoveAll();
    // Replaces the whole contents (as loading does), puts them in date
    // order when they are not, and rebuilds the indexes.
    void Assign(std::vector<CReminder> reminders);

    // Before the first reminder at the same or a later time: among equal
    // times the one inserted last comes first. Returns the new index. A
    // reminder without an id, or with one the list holds already (a copy),
    // gets a new one.
    int InsertSorted(const CReminder &reminder);
    // The same order as InsertSorted of each one in turn, in one merge.
    void InsertAllSorted(std::vector<CReminder> reminders);
    int AddReminder(const COleDateTime &dateTime, const COleDateTimeSpan &advanceNotice,
                    const QString &iconName, const QString &message, int recurrence,
                    bool isPrivate, const QString &soundFileName, bool shown,
                    const COleDateTime &lastShown);
    // Refuses an index outside the list with an internal-error message.
    bool Delete(int index);
    void Sort();
    bool IsSorted() const;
    void RebuildIndexes();

    int FindFirstOnDate(const COleDateTime &day) const;
    // Fills the day result (at most 20 indexes: one-time, weekly, monthly,
    // annual) and returns its count. No allocation.
    int GetRemindersOnDay(const COleDateTime &day);
    // The same reminders in the same order, at most limit of them (0: all).
    void CollectOnDay(const COleDateTime &day, std::vector<int> &out, int limit = 0) const;
    int GetDayCount() const { return m_dayCount; }
    int GetDayResult(int slot) const { return m_dayResult[slot]; }
    bool Contains(const CReminder &candidate) const;

    // The occurrence in force at now (see CRecurrence).
    COleDateTime GetEffectiveDate(const CReminder &reminder, const COleDateTime &now) const;

    static COleDateTime DateOnly(const COleDateTime &dt) { return Days::DateOnly(dt); }
    static COleDateTime TimeOnly(const COleDateTime &dt);

    // Order key of a date: its continuous day count; values that are not
    // numbers sort after every date.
    static double SortKey(const COleDateTime &dt) { return Days::SortKey(dt); }

private:
    using Days = CDayQuery<CReminder>;
    int LowerBound(double key) const { return Days::LowerBound(m_reminders, key); }
    std::vector<CReminder> m_reminders;
    Days m_days;
    int m_dayResult[kMaxPerDay] = {};
    int m_dayCount = 0;
};
