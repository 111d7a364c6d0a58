#pragma once

#include "model/COleDateTime.h"
#include "model/CReminder.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

// Which reminders fall on a day, over an array of records kept in date
// order (anything with a date m_DateTime and a kind m_Recurrence): the
// one-time ones by binary search, the repeating ones through indexes by
// day of month, weekday and date, so a day is answered without a scan.
// The indexes are right only after Rebuild. The same query serves the
// reminder list and a listing that reads a file's records alone, each in a
// vector of its own kind (Records).
template <class Record, class Records = std::vector<Record>>
class CDayQuery
{
public:
    // Order key of a date: its continuous day count; values that are not
    // numbers sort after every date.
    static double SortKey(const COleDateTime &dt)
    {
        const double key = dt.Linear();
        return std::isnan(key) ? std::numeric_limits<double>::infinity() : key;
    }
    // Midnight of the date; an invalid date for one that has no parts.
    static COleDateTime DateOnly(const COleDateTime &dt)
    {
        COleDateTime::Parts p;
        if (!dt.GetParts(p))
            return COleDateTime(dt.GetValue(), COleDateTime::invalid);
        return COleDateTime(p.year, p.month, p.day, 0, 0, 0);
    }
    static bool Earlier(const Record &a, const Record &b) { return SortKey(a.m_DateTime) < SortKey(b.m_DateTime); }

    static bool IsSorted(const Records &records)
    {
        return std::is_sorted(records.begin(), records.end(), &Earlier);
    }
    // Each record goes before the first one at the same or a later time,
    // so among equal times the later ones in the old order come first:
    // a stable sort of the reversed array gives exactly that.
    static void Sort(Records &records)
    {
        std::reverse(records.begin(), records.end());
        std::stable_sort(records.begin(), records.end(), &Earlier);
    }
    static int LowerBound(const Records &records, double key)
    {
        const auto it = std::lower_bound(records.begin(), records.end(), key,
                                         [](const Record &r, double k) { return SortKey(r.m_DateTime) < k; });
        return static_cast<int>(it - records.begin());
    }
    // The first valid one-time or repeating record dated on day, or -1.
    static int FindFirstOnDate(const Records &records, const COleDateTime &day)
    {
        const long long dayNumber = day.DayNumber();
        for (size_t i = static_cast<size_t>(LowerBound(records, SortKey(DateOnly(day)))); i < records.size(); ++i) {
            const COleDateTime &dt = records[i].m_DateTime;
            if (dt.DayNumber() != dayNumber)
                break;
            if (dt.GetStatus() == COleDateTime::valid)
                return static_cast<int>(i);
        }
        return -1;
    }

    void Rebuild(const Records &records)
    {
        // Which list each repeating record goes in, found once; then each
        // list is given exactly its room, so a large file leaves no spare.
        constexpr quint16 kNone = 0xFFFF;
        std::vector<quint16> listOf(records.size(), kNone);
        std::array<size_t, kLists> counts {};
        long long day = 0;
        int second = 0, year = 0, month = 0, dayOfMonth = 0;
        for (size_t i = 0; i < records.size(); ++i) {
            const Record &r = records[i];
            if (r.m_Recurrence < RecurAnnual || r.m_Recurrence > RecurWeekly)
                continue;
            if (!r.m_DateTime.GetDayAndSecond(day, second))
                continue; // a date that cannot be broken down falls on no day
            int id = 0;
            if (r.m_Recurrence == RecurWeekly) {
                id = kWeekdayLists + COleDateTime::WeekdayOfDay(day);
            } else {
                COleDateTime::DateOfDay(day, year, month, dayOfMonth);
                id = r.m_Recurrence == RecurAnnual ? kAnnualLists + month * 32 + dayOfMonth
                                                   : kMonthlyLists + dayOfMonth;
            }
            listOf[i] = static_cast<quint16>(id);
            ++counts[static_cast<size_t>(id)];
        }
        for (int id = 0; id < kLists; ++id) {
            std::vector<int> &list = List(id);
            if (list.capacity() == counts[static_cast<size_t>(id)]) {
                list.clear();
            } else {
                std::vector<int> exact;
                exact.reserve(counts[static_cast<size_t>(id)]);
                list.swap(exact);
            }
        }
        for (size_t i = 0; i < records.size(); ++i) {
            if (listOf[i] != kNone)
                List(listOf[i]).push_back(static_cast<int>(i));
        }
        // Newly indexed annual reminders go in front of the older ones.
        for (auto &month : m_annual)
            for (auto &list : month)
                std::reverse(list.begin(), list.end());
    }

    // Calls take(index) for each record on day, one-time, weekly, monthly
    // and annual in turn, until take returns false.
    template <class Take>
    void VisitDay(const Records &records, const COleDateTime &day, Take take) const
    {
        COleDateTime::Parts p;
        if (!day.GetParts(p))
            return;
        const long long dayNumber = day.DayNumber();
        const double dayKey = day.Linear();
        const int first = FindFirstOnDate(records, day);
        for (size_t i = static_cast<size_t>(std::max(first, 0)); first >= 0 && i < records.size(); ++i) {
            const Record &r = records[i];
            if (r.m_DateTime.DayNumber() != dayNumber)
                break;
            if (r.m_Recurrence == RecurOneTime && r.m_DateTime.GetStatus() == COleDateTime::valid
                && !take(static_cast<int>(i)))
                return;
        }
        for (int i : m_weekday[p.dayOfWeek]) {
            const Record &r = records[static_cast<size_t>(i)];
            // From its own date onward, not before.
            if (r.m_Recurrence == RecurWeekly && r.m_DateTime.Linear() - 1.0 <= dayKey && !take(i))
                return;
        }
        for (int i : m_dayOfMonth[p.day]) {
            if (records[static_cast<size_t>(i)].m_Recurrence == RecurMonthly && !take(i))
                return;
        }
        // Annual reminders of 29 February show on 29 February only.
        for (int i : m_annual[p.month][p.day]) {
            if (records[static_cast<size_t>(i)].m_Recurrence == RecurAnnual && !take(i))
                return;
        }
    }

    // The same records in the same order, at most limit of them (0: all).
    void CollectOnDay(const Records &records, const COleDateTime &day, std::vector<int> &out,
                      int limit) const
    {
        out.clear();
        VisitDay(records, day, [&out, limit](int i) {
            out.push_back(i);
            return limit <= 0 || static_cast<int>(out.size()) < limit;
        });
    }

private:
    // The index lists as one numbered series: weekdays, days of the month,
    // then month and day.
    static constexpr int kWeekdayLists = 0;
    static constexpr int kMonthlyLists = 8;
    static constexpr int kAnnualLists = kMonthlyLists + 32;
    static constexpr int kLists = kAnnualLists + 13 * 32;
    std::vector<int> &List(int id)
    {
        if (id < kMonthlyLists)
            return m_weekday[id - kWeekdayLists];
        if (id < kAnnualLists)
            return m_dayOfMonth[id - kMonthlyLists];
        return m_annual[(id - kAnnualLists) / 32][(id - kAnnualLists) % 32];
    }

    std::vector<int> m_dayOfMonth[32];  // monthly records by day 1..31
    std::vector<int> m_weekday[8];      // weekly records by weekday 1..7
    std::vector<int> m_annual[13][32];  // annual records by month and day, newest first
};
