// Reminder file load and save, pack export and import, Outlook CSV import.
// The raw read of the same file is the limit a load can approach.
#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CReminderPack.h"
#include "storage/CReminderStore.h"
#include "storage/CSharedReminderFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

CReminderList makeList(int count)
{
    std::vector<CReminder> reminders(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        CReminder &r = reminders[static_cast<size_t>(i)];
        r.m_DateTime = COleDateTime(2000 + i % 30, 1 + i % 12, 1 + i % 28, i % 24, i % 60, 0);
        r.m_Message = QStringLiteral("Reminder number %1: call the office about the quarterly report").arg(i);
        r.m_Recurrence = static_cast<quint16>(i % 4);
        r.m_IconName = i % 10 == 0 ? QStringLiteral("imported\\icon%1.ico").arg(i % 100) : QStringLiteral("Birthday");
        r.m_SoundFileName = i % 7 == 0 ? QStringLiteral("ring%1.wav").arg(i % 5) : QString();
    }
    CReminderList list;
    list.Assign(std::move(reminders));
    list.Sort();
    return list;
}

struct Folder
{
    QTemporaryDir dir;
    QString Path() const { return dir.path(); }
};

void BM_SaveReminders(benchmark::State &state)
{
    Folder folder;
    CReminderStore store(folder.Path());
    const CReminderList list = makeList(static_cast<int>(state.range(0)));
    for (auto _ : state)
        store.SaveReminders(list);
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * QFile(folder.Path() + QStringLiteral("/Kestrelmark.km2")).size());
}

// The program's own save after one edit: under the lock, the file read and
// found unchanged outside, the list written whole.
void BM_SharedFileSave(benchmark::State &state)
{
    Folder folder;
    CReminderStore store(folder.Path());
    store.SaveReminders(makeList(static_cast<int>(state.range(0))));
    CSharedReminderFile file(store);
    CReminderList list;
    file.Load(list);
    bool shown = false;
    for (auto _ : state) {
        list[0].m_Shown = shown = !shown;
        benchmark::DoNotOptimize(file.Save(list).m_Status);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The same bytes into memory: what the save costs without the disk.
void BM_SerializeReminders(benchmark::State &state)
{
    const CReminderList list = makeList(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(&buffer, CArchive::store);
        ar.WriteDWord(0);
        ar.WriteString(QStringLiteral("KM 2.0 Reminders"));
        ar.WriteDWord(static_cast<quint32>(list.GetSize()));
        for (const CReminder &r : list.Reminders())
            ar.WriteObject(&r);
        ar.Close();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LoadReminders(benchmark::State &state)
{
    Folder folder;
    CReminderStore store(folder.Path());
    store.SaveReminders(makeList(static_cast<int>(state.range(0))));
    for (auto _ : state) {
        auto list = std::make_unique<CReminderList>();
        store.LoadReminders(*list);
        benchmark::DoNotOptimize(list->GetSize());
        // Freeing the list is not part of the load.
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * QFile(folder.Path() + QStringLiteral("/Kestrelmark.km2")).size());
}

// Reading the file's bytes and nothing else: the limit for a load.
void BM_RawReadReminderFile(benchmark::State &state)
{
    Folder folder;
    CReminderStore store(folder.Path());
    store.SaveReminders(makeList(static_cast<int>(state.range(0))));
    const QString path = folder.Path() + QStringLiteral("/Kestrelmark.km2");
    for (auto _ : state) {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll().size());
    }
    state.SetBytesProcessed(state.iterations() * QFile(path).size());
}

void makeDataFiles(const QString &folder)
{
    QDir().mkpath(folder + QStringLiteral("/icons/imported"));
    QDir().mkpath(folder + QStringLiteral("/sounds"));
    const QByteArray icon(2238, 'i');   // a 32 x 32 icon file
    const QByteArray sound(40000, 's'); // a short wave file
    for (int i = 0; i < 100; i += 10) {
        QFile f(folder + QStringLiteral("/icons/imported/icon%1.ico").arg(i));
        f.open(QIODevice::WriteOnly);
        f.write(icon);
    }
    for (int i = 0; i < 5; ++i) {
        QFile f(folder + QStringLiteral("/sounds/ring%1.wav").arg(i));
        f.open(QIODevice::WriteOnly);
        f.write(sound);
    }
}

void BM_PackExport(benchmark::State &state)
{
    Folder folder;
    makeDataFiles(folder.Path());
    const CReminderList list = makeList(static_cast<int>(state.range(0)));
    const CReminderPack::Selection all = CReminderPack::SelectAll(list);
    for (auto _ : state) {
        QFile out(folder.Path() + QStringLiteral("/out.rpk"));
        out.open(QIODevice::WriteOnly);
        CArchive ar(&out, CArchive::store);
        CReminderPack::ExportPack(ar, list, all, folder.Path());
        ar.Close();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_PackImport(benchmark::State &state)
{
    Folder from;
    makeDataFiles(from.Path());
    const CReminderList source = makeList(static_cast<int>(state.range(0)));
    const QString pack = from.Path() + QStringLiteral("/p.rpk");
    {
        QFile out(pack);
        out.open(QIODevice::WriteOnly);
        CArchive ar(&out, CArchive::store);
        CReminderPack::ExportPack(ar, source, CReminderPack::SelectAll(source), from.Path());
        ar.Close();
    }
    Folder to;
    for (auto _ : state) {
        CReminderList list;
        benchmark::DoNotOptimize(CReminderPack::ImportPack(list, pack, to.Path()).m_Added.size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_CsvImport(benchmark::State &state)
{
    Folder folder;
    const CReminderList source = makeList(static_cast<int>(state.range(0)));
    const QString path = folder.Path() + QStringLiteral("/cal.csv");
    CCalendarCsv::ExportCSV(source, path, CReminderPack::SelectAll(source));
    for (auto _ : state) {
        CReminderList list;
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(CCalendarCsv::ImportDevice(list, f).m_Added);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(BM_SaveReminders)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SharedFileSave)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeReminders)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadReminders)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawReadReminderFile)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackExport)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackImport)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CsvImport)->Arg(10000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
