// iCalendar export and import of a large list: writing, reading back, and
// merging into a list that already holds every reminder (all duplicates).
#include "ical/CIcsFile.h"
#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"
#include "model/CReminderList.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<CReminder> makeReminders(int count)
{
    std::vector<CReminder> reminders(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CReminder &r = reminders[static_cast<size_t>(i)];
        r.m_DateTime = COleDateTime(2000 + i % 30, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 0);
        r.m_Message = QStringLiteral("Reminder number %1: call the office\nabout the quarterly report").arg(i);
        r.m_Recurrence = static_cast<quint16>(i % 4);
        r.m_AdvanceNotice = COleDateTimeSpan(i % 3, i % 24, i % 60, 0);
        r.m_IconName = QStringLiteral("Birthday");
    }
    return reminders;
}

void BM_WriteCalendar(benchmark::State &state)
{
    const std::vector<CReminder> reminders = makeReminders(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(CIcsWriter::WriteCalendar(reminders));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteCalendar)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadCalendar(benchmark::State &state)
{
    const QByteArray text = CIcsWriter::WriteCalendar(makeReminders(static_cast<int>(state.range(0))));
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(CIcsReader::Read(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadCalendar)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_MergeDuplicates(benchmark::State &state)
{
    const std::vector<CReminder> reminders = makeReminders(static_cast<int>(state.range(0)));
    const CIcsReadResult read = CIcsReader::Read(CIcsWriter::WriteCalendar(reminders));
    CReminderList list;
    list.Assign(reminders);
    list.Sort();
    for (auto _ : state)
        benchmark::DoNotOptimize(CIcsFile::Merge(list, read));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_MergeDuplicates)->Arg(10000)->Unit(benchmark::kMillisecond);

// One event whose description is one unfolded line of the given size in
// megabytes, as some programs write attachments and notes.
void BM_ReadOneLongLine(benchmark::State &state)
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nUID:long\r\nDTSTART:20260401T090000Z\r\n"
                      "SUMMARY:Long\r\nDESCRIPTION:";
    const qsizetype bytes = state.range(0) << 20;
    text.reserve(bytes + 100);
    while (text.size() < bytes)
        text += "abcdefghijklmnopqrstuvwxyz0123456789 ";
    text += "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(CIcsReader::Read(text));
    state.SetBytesProcessed(state.iterations() * text.size());
}
BENCHMARK(BM_ReadOneLongLine)->Arg(2)->Arg(8)->Arg(30)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
