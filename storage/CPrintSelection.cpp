#include "storage/CPrintSelection.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CRecordDayList.h"

#include <array>

namespace {

// A day's reminder at its time of day in seconds.
struct Timed
{
    int m_Second;
    int m_Index;
};

// In order of time, equal times keeping their order: two counting passes
// over the seconds' low and high bits (a day has fewer than 2^17), in
// time that grows with the day's reminders only.
void sortByTime(std::vector<Timed> &timed, std::vector<Timed> &scratch)
{
    if (timed.size() < 2)
        return;
    scratch.resize(timed.size());
    constexpr int kLowBits = 9;
    constexpr int kHighBits = 8;
    const auto pass = [](const std::vector<Timed> &from, std::vector<Timed> &to, int shift, int bits) {
        std::array<unsigned, (1u << 9) + 1> start {};
        const unsigned mask = (1u << bits) - 1;
        for (const Timed &t : from)
            ++start[((static_cast<unsigned>(t.m_Second) >> shift) & mask) + 1];
        for (size_t b = 1; b < start.size(); ++b)
            start[b] += start[b - 1];
        for (const Timed &t : from)
            to[start[(static_cast<unsigned>(t.m_Second) >> shift) & mask]++] = t;
    };
    pass(timed, scratch, 0, kLowBits);
    pass(scratch, timed, kLowBits, kHighBits);
}

} // namespace

template <class List>
void CPrintSelection::ForEachDay(const List &list, const COleDateTime &firstDay, const COleDateTime &endDay,
                                 int perDayLimit, const DayTaker &take)
{
    const COleDateTime first = CReminderList::DateOnly(firstDay);
    if (first.GetStatus() != COleDateTime::valid || endDay.GetStatus() != COleDateTime::valid)
        return;
    const COleDateTimeSpan oneDay(1.0);
    std::vector<int> onDay;
    std::vector<Timed> timed, scratch;
    std::vector<Occurrence> day;
    long long dayNumber = 0;
    int second = 0;
    for (COleDateTime d = first; d < endDay; d = d + oneDay) {
        if (!d.GetDayAndSecond(dayNumber, second)) // a day past the supported years
            break;
        timed.clear();
        list.CollectOnDay(d, onDay, perDayLimit);
        // Taken in reverse so that a stable sort by time leaves the last
        // collected first among equal times.
        for (auto it = onDay.rbegin(); it != onDay.rend(); ++it) {
            if (list[*it].m_DateTime.GetDayAndSecond(dayNumber, second))
                timed.push_back({ second, *it });
        }
        sortByTime(timed, scratch);
        day.clear();
        for (const Timed &t : timed)
            day.push_back({ t.m_Index, d.AtSecondOfDay(t.m_Second) });
        take(day);
    }
}

template void CPrintSelection::ForEachDay(const CReminderList &, const COleDateTime &, const COleDateTime &, int,
                                          const DayTaker &);
template void CPrintSelection::ForEachDay(const CRecordDayList &, const COleDateTime &, const COleDateTime &, int,
                                          const DayTaker &);

std::unique_ptr<CReminderArray> CPrintSelection::MakePrintArray(CReminderList &list, const COleDateTime &firstDay,
                                                                const COleDateTime &endDay)
{
    Trace(QStringLiteral("MakePrintArray ") + firstDay.Format() + QStringLiteral(" to ") + endDay.Format()
          + QLatin1Char('\n'));
    auto array = std::make_unique<CReminderArray>();
    const std::vector<Occurrence> occurrences = Occurrences(list, firstDay, endDay, CReminderList::kMaxPerDay);
    array->reserve(occurrences.size());
    for (const Occurrence &o : occurrences) {
        array->push_back(list[o.m_Index]);
        array->back().m_DateTime = o.m_When;
    }
    return array;
}

std::unique_ptr<CReminderArray> CPrintSelection::ForDays(CReminderList &list, const COleDateTime &from,
                                                         const COleDateTime &to)
{
    return MakePrintArray(list, from, CReminderList::DateOnly(to) + COleDateTimeSpan(1.0));
}
