// The calendar's month fill (42 day queries) and one due pass over lists
// of mixed reminders.
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <random>

namespace {

CReminderList makeList(int count)
{
    std::mt19937 rng(12345);
    std::uniform_int_distribution<int> dayOffset(0, 3 * 365);
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_int_distribution<int> minute(0, 24 * 60 - 1);
    std::vector<CReminder> all;
    all.reserve(static_cast<size_t>(count));
    const COleDateTime start(2025, 1, 1, 0, 0, 0);
    const COleDateTime now(2026, 12, 8, 12, 0, 0);
    for (int i = 0; i < count; ++i) {
        CReminder r;
        r.m_DateTime = start + COleDateTimeSpan(dayOffset(rng) + minute(rng) / 1440.0);
        r.m_Recurrence = static_cast<quint16>(kind(rng));
        r.m_AdvanceNotice = COleDateTimeSpan(static_cast<double>(i % 3));
        r.m_Message = QStringLiteral("Reminder %1").arg(i);
        r.m_IconName = QStringLiteral("Gift");
        // As in a list that has been running: the one-time reminders whose
        // time has passed were presented then.
        r.m_Shown = r.m_Recurrence == RecurOneTime && r.m_DateTime < now;
        if (r.m_Shown)
            r.m_LastShown = r.m_DateTime;
        all.push_back(r);
    }
    CReminderList list;
    list.Assign(std::move(all));
    list.Sort();
    return list;
}

void BM_MonthFill(benchmark::State &state)
{
    CReminderList list = makeList(static_cast<int>(state.range(0)));
    const COleDateTime first(2026, 11, 29, 0, 0, 0); // the first cell of December 2026
    for (auto _ : state) {
        int total = 0;
        for (int cell = 0; cell < 42; ++cell)
            total += list.GetRemindersOnDay(first + COleDateTimeSpan(static_cast<double>(cell)));
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_MonthFill)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// Answers every alert with OK at once, as the command-line tool does.
class AnsweringPresenter : public CAlertPresenter
{
public:
    void Present(const CAlertRequest &alert) override { m_check->Answer(alert.m_ReminderId, CAlertAnswer {}); }
    CReminderCheck *m_check = nullptr;
};

void BM_DuePass(benchmark::State &state)
{
    const CReminderList original = makeList(static_cast<int>(state.range(0)));
    AnsweringPresenter presenter;
    const COleDateTime now(2026, 12, 8, 12, 0, 0);
    for (auto _ : state) {
        state.PauseTiming();
        CReminderList list = original; // every pass sees the same unshown reminders
        CReminderCheck check(list, &presenter);
        presenter.m_check = &check;
        state.ResumeTiming();
        benchmark::DoNotOptimize(check.CheckReminders(0, now));
    }
}
BENCHMARK(BM_DuePass)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
