// The reminder file: loading the current and legacy layouts, the messages
// and list contents after damage, and saves that never destroy the old file.
#include "StorageFixtures.h"
#include "support/CTraceRecorder.h"

#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "storage/CReminderFileFormat.h"
#include "storage/CReminderStore.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class ReminderStore : public ::testing::Test
{
protected:
    QString File(const char *ext) const { return m_data.Data() + QStringLiteral("/Kestrelmark") + QLatin1String(ext); }

    static QByteArray CurrentFile(const std::vector<CReminder> &reminders)
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CReminderFileFormat::Write(buffer, reminders);
        return buffer.data();
    }
    static QByteArray LegacyFile(const std::vector<CReminder> &reminders, quint32 count)
    {
        // A count, then bare schema-1 bodies.
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(&buffer, CArchive::store);
        ar.WriteDWord(count);
        for (const CReminder &r : reminders) {
            ar.WriteDate(r.m_DateTime);
            ar.WriteSpan(r.m_AdvanceNotice);
            ar.WriteWord(r.m_IconNumber);
            ar.WriteString(r.m_Message);
            ar.WriteWord(r.m_Recurrence);
            ar.WriteByte(r.m_Private);
            ar.WriteByte(r.m_Shown);
            ar.WriteDate(r.m_LastShown);
            ar.WriteSpan(r.m_ReshowInterval);
        }
        ar.Close();
        return buffer.data();
    }
    static std::vector<CReminder> Three()
    {
        return { MakeReminder(2024, 1, 31, 9, 0, QStringLiteral("one")),
                 MakeReminder(2024, 2, 29, 10, 0, QStringLiteral("two")),
                 MakeReminder(2024, 12, 31, 23, 59, QStringLiteral("three")) };
    }

    CTempDataFolder m_data;
    // The store's loads and saves with what they had for the user kept.
    CReminderStore::LoadResult Load(CReminderList &list, const QString &base = CReminderStore::kReminderBase)
    {
        m_told = {};
        return m_store.LoadReminders(list, base, &m_told);
    }
    CReminderStore::SaveResult Save(CReminderStore &store, const CReminderList &list)
    {
        m_told = {};
        return store.SaveReminders(list, CReminderStore::kReminderBase, &m_told);
    }
    QStringList Told() const { return m_told.IsEmpty() ? QStringList() : QStringList { m_told.m_Text }; }
    CUserMessage m_told;
    CReminderStore m_store;
};

TEST_F(ReminderStore, NoFileLeavesTheListAsItWasAndTracesBothLookups)
{
    CTraceRecorder trace;
    CReminderList list;
    list.InsertSorted(MakeReminder(2024, 5, 1, 8, 0, QStringLiteral("kept")));
    EXPECT_EQ(Load(list), CReminderStore::NotFound);
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_Message, QStringLiteral("kept"));
    EXPECT_TRUE(m_told.IsEmpty());
    EXPECT_TRUE(trace.Contains(QDir::toNativeSeparators(m_data.Data() + QStringLiteral("/Kestrelmark.km2"))
                               + QStringLiteral(" not found.  Looking for KM 1.x reminders...\n")));
    EXPECT_TRUE(trace.Contains(QStringLiteral("No reminders found.\n")));
}

TEST_F(ReminderStore, SavedListLoadsBackFieldForField)
{
    CReminderList list;
    for (CReminder r : Three()) {
        r.m_SoundFileName = QStringLiteral("/home/u/ring.wav");
        r.m_AdvanceNotice = COleDateTimeSpan(1, 2, 30, 0);
        list.InsertSorted(r);
    }
    ASSERT_EQ(Save(m_store, list), CReminderStore::Saved);
    CReminderList back;
    EXPECT_EQ(Load(back), CReminderStore::Loaded);
    ASSERT_EQ(back.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].m_DateTime, list[i].m_DateTime);
        EXPECT_EQ(back[i].m_Message, list[i].m_Message);
        EXPECT_EQ(back[i].m_SoundFileName, list[i].m_SoundFileName);
        EXPECT_EQ(back[i].m_AdvanceNotice, list[i].m_AdvanceNotice);
    }
    EXPECT_TRUE(m_told.IsEmpty());
}

TEST_F(ReminderStore, EmptyListIsWrittenAsZeroBannerAndZeroCount)
{
    ASSERT_EQ(Save(m_store, CReminderList()), CReminderStore::Saved);
    const QByteArray expected = CBytes().DWord(0).Str("KM 2.0 Reminders").DWord(0);
    EXPECT_EQ(ReadAll(File(".km2")).toHex(), expected.toHex());
}

TEST_F(ReminderStore, CountOfZeroLoadsAnEmptyListWithoutAMessage)
{
    ASSERT_TRUE(WriteAll(File(".km2"), CBytes().DWord(0).Str("KM 2.0 Reminders").DWord(0)));
    CReminderList list;
    list.InsertSorted(MakeReminder(2024, 5, 1, 8, 0, QStringLiteral("replaced")));
    EXPECT_EQ(Load(list), CReminderStore::Loaded);
    EXPECT_EQ(list.GetSize(), 0);
    EXPECT_TRUE(m_told.IsEmpty());
}

TEST_F(ReminderStore, FileOfOnlyTheMarkerIsCorruptAndLeavesTheList)
{
    ASSERT_TRUE(WriteAll(File(".km2"), CBytes().DWord(0)));
    CReminderList list;
    list.InsertSorted(MakeReminder(2024, 5, 1, 8, 0, QStringLiteral("kept")));
    EXPECT_EQ(Load(list), CReminderStore::Corrupt);
    ASSERT_EQ(Told().size(), 1);
    // The user is told where the damaged file's copy is.
    EXPECT_TRUE(m_told.m_Text.startsWith(CReminderStore::kCorruptMessage));
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("Kestrelmark.km2.unreadable-")));
    ASSERT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_Message, QStringLiteral("kept"));
}

// Zeros (what a crash or a bad copy leaves), another banner, or bytes
// after the last record (a count that shrank): damaged, never a list.
TEST_F(ReminderStore, FileWithoutTheBannerOrWithBytesLeftOverIsCorrupt)
{
    const QByteArray whole = CurrentFile(Three());
    for (const QByteArray &bytes : { QByteArray(16, '\0'), QByteArray(4096, '\0'),
                                     QByteArray(CBytes().DWord(0).Str("KM 2.0 Reminder Pack").DWord(0)),
                                     whole + QByteArray(1, '\0'), LegacyFile(Three(), 3) + "x" }) {
        ASSERT_TRUE(WriteAll(File(".km2"), bytes));
        CReminderList list;
        list.InsertSorted(MakeReminder(2024, 5, 1, 8, 0, QStringLiteral("kept")));
        EXPECT_EQ(Load(list), CReminderStore::Corrupt) << bytes.size();
        EXPECT_TRUE(m_told.m_Text.startsWith(CReminderStore::kCorruptMessage));
        EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("Kestrelmark.km2.unreadable-")));
        EXPECT_GE(list.GetSize(), 1);
        for (const QString &copy : QDir(m_data.Data()).entryList({ QStringLiteral("*.unreadable-*") })) {
            EXPECT_EQ(ReadAll(m_data.Data() + QLatin1Char('/') + copy), bytes);
            QFile::remove(m_data.Data() + QLatin1Char('/') + copy);
        }
    }
}

// A FIFO, a folder or a file past the size limit is refused at once with
// its reason, before anything is read.
TEST_F(ReminderStore, OnlyARegularFileOfAtMostTheLimitIsRead)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(File(".km2")).constData(), 0600), 0);
    CReminderList list;
    EXPECT_EQ(Load(list), CReminderStore::Unreadable);
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("(it is not a regular file)"))) << qPrintable(m_told.m_Text);
    ASSERT_TRUE(QFile::remove(File(".km2")));
    ASSERT_TRUE(QDir().mkpath(File(".km2")));
    EXPECT_EQ(Load(list), CReminderStore::Unreadable);
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("(it is a folder)")));
    ASSERT_TRUE(QDir().rmdir(File(".km2")));
    {
        QFile sparse(File(".km2"));
        ASSERT_TRUE(sparse.open(QIODevice::WriteOnly) && sparse.resize(qint64(2) << 30));
    }
    EXPECT_EQ(Load(list), CReminderStore::Unreadable);
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("larger than 256 MB"))) << qPrintable(m_told.m_Text);
    EXPECT_EQ(Save(m_store, list), CReminderStore::Saved); // a save stays the caller's to refuse
}

TEST_F(ReminderStore, EmptyFileIsCorrupt)
{
    ASSERT_TRUE(WriteAll(File(".km2"), QByteArray()));
    CReminderList list;
    EXPECT_EQ(Load(list), CReminderStore::Corrupt);
    EXPECT_EQ(Told(), QStringList { CReminderStore::kCorruptMessage });
}

TEST_F(ReminderStore, LegacyFileIsReadWhenNoCurrentOneExistsAndIsNeverWritten)
{
    const QByteArray legacy = LegacyFile(Three(), 3);
    ASSERT_TRUE(WriteAll(File(".kmr"), legacy));
    CReminderList list;
    EXPECT_EQ(Load(list), CReminderStore::LoadedLegacy);
    ASSERT_EQ(list.GetSize(), 3);
    EXPECT_EQ(list[1].m_Message, QStringLiteral("two"));
    EXPECT_EQ(list[1].m_DateTime, COleDateTime(2024, 2, 29, 10, 0, 0));
    ASSERT_EQ(Save(m_store, list), CReminderStore::Saved);
    EXPECT_TRUE(QFileInfo::exists(File(".km2")));
    EXPECT_EQ(ReadAll(File(".kmr")), legacy);
    CReminderList again;
    EXPECT_EQ(Load(again), CReminderStore::Loaded);
    EXPECT_EQ(again.GetSize(), 3);
}

TEST_F(ReminderStore, LegacyFileEndingEarlyHoldsTheRecordsReadAndNoDefaults)
{
    // Three whole records of the five announced, then bytes that break
    // off inside the fourth (enough of them for the count to be plausible).
    QByteArray legacy = LegacyFile(Three(), 5);
    legacy.append(QByteArray(150, '\xFF'));
    ASSERT_TRUE(WriteAll(File(".kmr"), legacy));
    CReminderList list;
    EXPECT_EQ(Load(list), CReminderStore::Corrupt);
    ASSERT_EQ(Told().size(), 1);
    EXPECT_TRUE(m_told.m_Text.startsWith(CReminderStore::kCorruptMessage + QStringLiteral("\n\nA copy of the damaged file was kept as ")));
    // The two unread ones are in the copy kept aside, not made into
    // reminders of the record defaults.
    ASSERT_EQ(list.GetSize(), 3);
    for (int i = 0; i < list.GetSize(); ++i)
        EXPECT_NE(list[i].m_Message, CReminder::kUninitializedMessage);
    EXPECT_TRUE(list.IsSorted());
}

TEST_F(ReminderStore, CurrentFileCutInsideARecordKeepsThoseBeforeIt)
{
    QByteArray bytes = CurrentFile(Three());
    bytes.chop(10);
    ASSERT_TRUE(WriteAll(File(".km2"), bytes));
    CReminderList list;
    EXPECT_EQ(Load(list), CReminderStore::Corrupt);
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[0].m_Message, QStringLiteral("one"));
    EXPECT_EQ(list[1].m_Message, QStringLiteral("two"));
}

TEST_F(ReminderStore, ImpossibleCountIsCorruptWithoutAllocatingAndLeavesTheList)
{
    for (const QByteArray &bytes : { QByteArray(CBytes().DWord(0).Str("KM 2.0 Reminders").DWord(0xFFFFFFF0u)),
                                     QByteArray(CBytes().DWord(0x7FFFFFFFu).Raw(QByteArray(60, '\0'))) }) {
        ASSERT_TRUE(WriteAll(File(".km2"), bytes));
        CReminderList list;
        list.InsertSorted(MakeReminder(2024, 5, 1, 8, 0, QStringLiteral("kept")));
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(Load(list), CReminderStore::Corrupt);
        EXPECT_LT(t.elapsed(), 2000);
        ASSERT_EQ(list.GetSize(), 1);
        EXPECT_EQ(list[0].m_Message, QStringLiteral("kept"));
    }
}

TEST_F(ReminderStore, DamagedFileIsCopiedAsideBeforeAnySaveCanReplaceIt)
{
    QByteArray bytes = CurrentFile(Three());
    bytes.chop(3);
    ASSERT_TRUE(WriteAll(File(".km2"), bytes));
    CReminderList list;
    Load(list);
    QStringList copies = QDir(m_data.Data()).entryList({ QStringLiteral("Kestrelmark.km2.unreadable-*") });
    ASSERT_EQ(copies.size(), 1);
    EXPECT_EQ(ReadAll(m_data.Data() + QLatin1Char('/') + copies[0]), bytes);
}

TEST_F(ReminderStore, FileOutOfDateOrderIsSortedSoTheDayQueryFindsEveryReminder)
{
    std::vector<CReminder> reversed = Three();
    std::reverse(reversed.begin(), reversed.end());
    ASSERT_TRUE(WriteAll(File(".km2"), CurrentFile(reversed)));
    CReminderList list;
    ASSERT_EQ(Load(list), CReminderStore::Loaded);
    EXPECT_TRUE(list.IsSorted());
    EXPECT_EQ(list.GetRemindersOnDay(COleDateTime(2024, 1, 31, 0, 0, 0)), 1);
    EXPECT_EQ(list.GetRemindersOnDay(COleDateTime(2024, 12, 31, 0, 0, 0)), 1);
}

// A save that breaks off anywhere leaves the old file complete; the next
// attempt writes the whole new file.
TEST_F(ReminderStore, SaveInterruptedAtAnyPointKeepsThePreviousFile)
{
    CReminderList old;
    for (const CReminder &r : Three())
        old.InsertSorted(r);
    ASSERT_EQ(Save(m_store, old), CReminderStore::Saved);
    const QByteArray before = ReadAll(File(".km2"));

    CReminderList bigger;
    for (int i = 0; i < 200; ++i)
        bigger.InsertSorted(MakeReminder(2025, 1 + i % 12, 1 + i % 28, i % 24, 0, QStringLiteral("new %1").arg(i)));
    const qint64 full = CurrentFile(bigger.Reminders()).size();

    for (qint64 failAt : { qint64(0), qint64(1), qint64(4), qint64(30), qint64(4095), qint64(4096), qint64(5000),
                           full / 2, full - 1 }) {
        m_store.SetWriteFilter([failAt](QIODevice &file) { return std::make_unique<CFailingDevice>(file, failAt); });
        EXPECT_EQ(Save(m_store, bigger), CReminderStore::WriteFailed) << failAt;
        EXPECT_EQ(Told(), QStringList { CReminderStore::kWriteErrorMessage }) << failAt;
        EXPECT_EQ(ReadAll(File(".km2")), before) << failAt;
        CReminderList check;
        EXPECT_EQ(Load(check), CReminderStore::Loaded);
        EXPECT_EQ(check.GetSize(), 3);
    }
    // No temporary files are left behind.
    EXPECT_EQ(QDir(m_data.Data()).entryList(QDir::Files), QStringList { QStringLiteral("Kestrelmark.km2") });

    // The space is back: the caller's next attempt writes it whole.
    m_store.SetWriteFilter({});
    EXPECT_EQ(Save(m_store, bigger), CReminderStore::Saved);
    EXPECT_TRUE(m_told.IsEmpty());
    EXPECT_EQ(ReadAll(File(".km2")).size(), full);
}

TEST_F(ReminderStore, FileThatCannotBeOpenedShowsErrorOpeningWithoutRetry)
{
    // The folder is a plain file, so nothing can be created in it (this
    // holds even for root, which permissions would not stop).
    const QString folder = m_data.Root() + QStringLiteral("/notafolder");
    ASSERT_TRUE(WriteAll(folder, "x"));
    CReminderStore store(folder);
    EXPECT_EQ(Save(store, CReminderList()), CReminderStore::OpenFailed);
    EXPECT_EQ(Told(),
              QStringList { QStringLiteral("Error opening ") + QDir::toNativeSeparators(folder + QStringLiteral("/Kestrelmark"))
                            + QStringLiteral(": ") + QDir::toNativeSeparators(folder) + QStringLiteral(" is not a folder") });
    EXPECT_EQ(ReadAll(folder), QByteArray("x"));
}

TEST_F(ReminderStore, ExistsSeesCurrentAndLegacyFiles)
{
    EXPECT_FALSE(m_store.Exists(CReminderStore::kBackupBase));
    ASSERT_TRUE(WriteAll(m_data.Data() + QStringLiteral("/KestrelmarkBackup.kmr"), LegacyFile(Three(), 3)));
    EXPECT_TRUE(m_store.Exists(CReminderStore::kBackupBase));
    CReminderList list;
    EXPECT_EQ(Load(list, CReminderStore::kBackupBase), CReminderStore::LoadedLegacy);
    EXPECT_EQ(list.GetSize(), 3);
}

} // namespace
