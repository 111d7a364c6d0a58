// The reminder file: any bytes load, or are reported as damaged, without
// a crash and without allocating by a count the file merely claims.
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"
#include "storage/CRecordDayList.h"
#include "storage/CReminderStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    // Half the inputs as the current file, half as the legacy one.
    const bool legacy = size > 0 && (data[0] & 1);
    const QString path = dir.path() + (legacy ? QStringLiteral("/Kestrelmark.kmr") : QStringLiteral("/Kestrelmark.km2"));
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    CReminderStore store(dir.path());
    CReminderList list;
    store.LoadReminders(list);
    list.GetRemindersOnDay(COleDateTime(2024, 2, 29, 0, 0, 0));
    // The same bytes as the listing reads them, refused the same way.
    CRecordDayList records;
    try {
        const COleDateTime first(2024, 2, 1, 0, 0, 0), end(2024, 3, 1, 0, 0, 0);
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            records.Read(file, first, end);
            CPrintSelection::Occurrences(records, first, end, 0);
        }
    } catch (const std::exception &) {
    }
    // The copies kept of damaged files, and the file itself.
    for (const QString &name : QDir(dir.path()).entryList(QDir::Files))
        QFile::remove(dir.path() + QLatin1Char('/') + name);
    return 0;
}
