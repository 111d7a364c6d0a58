// A reminder file written by the program and by other processes: outside
// changes are merged, a file that cannot be read is never written over,
// and every write waits for the file's lock.
#include "StorageFixtures.h"
#include "support/CTraceRecorder.h"

#include "model/CReminderList.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"
#include "storage/CSharedReminderFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <gtest/gtest.h>

namespace {

class SharedReminderFile : public ::testing::Test
{
protected:
    QString Path() const { return m_data.Data() + QStringLiteral("/Kestrelmark.km2"); }
    // Another writer: a store of its own over the same folder.
    void WriteOutside(const std::vector<CReminder> &reminders)
    {
        CReminderStore other(m_data.Data());
        ASSERT_EQ(other.SaveReminders(reminders), CReminderStore::Saved);
    }
    std::vector<CReminder> OnDisk() const
    {
        CReminderStore reader(m_data.Data());
        return reader.Read(CReminderStore::kReminderBase).m_Records;
    }
    static QStringList Messages(const std::vector<CReminder> &list)
    {
        QStringList out;
        for (const CReminder &r : list)
            out << r.m_Message;
        return out;
    }

    CTempDataFolder m_data;
    CUserMessage m_told; // what the last load had for the user
    CReminderStore m_store { m_data.Data() };
    CSharedReminderFile m_file { m_store };
    CReminderList m_list;
    // Reminders as this program and its command-line tool write them, each
    // with its id.
    static CReminder WithId(CReminder r, quint64 id)
    {
        r.SetId(id);
        return r;
    }
    const CReminder m_a = WithId(MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("a")), 1);
    const CReminder m_b = WithId(MakeReminder(2024, 3, 2, 9, 0, QStringLiteral("b")), 2);
    const CReminder m_c = WithId(MakeReminder(2024, 3, 3, 9, 0, QStringLiteral("c")), 3);
};

TEST_F(SharedReminderFile, AnOutsideAdditionSurvivesOurNextSaveAndOursReachesTheFile)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    m_list.InsertSorted(m_b);
    WriteOutside({ m_a, m_c }); // e.g. kestrelmark-cli add
    const CSharedReminderFile::Outcome saved = m_file.Save(m_list);
    EXPECT_EQ(saved.m_Status, CSharedReminderFile::Saved);
    EXPECT_TRUE(saved.m_ListChanged);
    EXPECT_EQ(saved.m_Taken, 1);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "a", "b", "c" }));
    EXPECT_EQ(Messages(m_list.Reminders()), (QStringList { "a", "b", "c" }));
    EXPECT_TRUE(m_told.IsEmpty());
}

TEST_F(SharedReminderFile, OutsideChangesAreTakenInWithoutASaveAndADeleteThereStaysDeleted)
{
    WriteOutside({ m_a, m_b });
    m_file.Load(m_list, &m_told);
    WriteOutside({ m_b, m_c });
    const CSharedReminderFile::Outcome taken = m_file.TakeOutsideChanges(m_list);
    EXPECT_TRUE(taken.m_ListChanged);
    EXPECT_EQ(taken.m_Removed, 1);
    EXPECT_EQ(Messages(m_list.Reminders()), (QStringList { "b", "c" }));
    // The file already holds the list: nothing to write.
    const QByteArray before = ReadAll(Path());
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    EXPECT_EQ(ReadAll(Path()), before);
}

TEST_F(SharedReminderFile, ASaveWithNothingChangedWritesNothing)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    const QFileInfo before(Path());
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    m_list.InsertSorted(m_b);
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "a", "b" }));
}

TEST_F(SharedReminderFile, AFileThatCannotBeReadIsNeverWrittenUntilItCanBe)
{
    // A folder where the file should be: there, and not readable as a file,
    // whoever runs the test.
    ASSERT_TRUE(QDir().mkpath(Path()));
    EXPECT_EQ(m_file.Load(m_list, &m_told), CReminderStore::Unreadable);
    EXPECT_EQ(m_told.m_Icon, CMessageSink::Error);
    EXPECT_TRUE(m_told.m_Text.startsWith(QStringLiteral("Sorry, your reminder file ")));
    EXPECT_TRUE(m_told.m_Text.contains(QDir::toNativeSeparators(Path())));
    EXPECT_FALSE(m_file.LoadedCompletely());

    m_list.InsertSorted(m_b);
    const CSharedReminderFile::Outcome refused = m_file.Save(m_list);
    EXPECT_EQ(refused.m_Status, CSharedReminderFile::Unreadable);
    EXPECT_TRUE(QFileInfo(Path()).isDir());

    // Readable again: its records join ours, none is taken as deleted.
    ASSERT_TRUE(QDir(Path()).removeRecursively());
    WriteOutside({ m_a, m_c });
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "a", "b", "c" }));
    EXPECT_TRUE(m_file.LoadedCompletely());
}

TEST_F(SharedReminderFile, ADamagedFileOnDiskIsCopiedAsideAndItsReadableRecordsKept)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    WriteOutside({ m_a, m_b, m_c });
    QByteArray damaged = ReadAll(Path());
    damaged.chop(20); // the last record cut
    ASSERT_TRUE(WriteAll(Path(), damaged));
    const CSharedReminderFile::Outcome saved = m_file.Save(m_list);
    EXPECT_EQ(saved.m_Status, CSharedReminderFile::Saved);
    ASSERT_FALSE(saved.m_DamagedCopy.isEmpty());
    EXPECT_EQ(ReadAll(saved.m_DamagedCopy), damaged);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "a", "b" }));
}

TEST_F(SharedReminderFile, AWriterHoldingTheLockKeepsUsOutAndADeadOnesLockIsTakenOver)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    m_list.InsertSorted(m_b);
    const QByteArray before = ReadAll(Path());
    {
        QLockFile other(CReminderFileLock::LockPathFor(Path()));
        ASSERT_TRUE(other.tryLock(0));
        m_file.SetLockTimeout(200);
        const CSharedReminderFile::Outcome busy = m_file.Save(m_list);
        EXPECT_EQ(busy.m_Status, CSharedReminderFile::Busy);
        EXPECT_FALSE(busy.m_Error.isEmpty());
        EXPECT_EQ(ReadAll(Path()), before);
    }
    // A lock file naming a process that no longer runs.
    ASSERT_TRUE(WriteAll(CReminderFileLock::LockPathFor(Path()), "999999\nkestrelmark\n" + QSysInfo::machineHostName().toUtf8() + "\n"));
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_FALSE(QFileInfo::exists(CReminderFileLock::LockPathFor(Path())));
}

TEST_F(SharedReminderFile, AWriteFailureLeavesTheOldFileWholeAndSaysWhy)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    m_list.InsertSorted(m_b);
    const QByteArray before = ReadAll(Path());
    m_store.SetWriteFilter([](QIODevice &file) { return std::make_unique<CFailingDevice>(file, 10); });
    const CSharedReminderFile::Outcome failed = m_file.Save(m_list);
    EXPECT_EQ(failed.m_Status, CSharedReminderFile::WriteFailed);
    EXPECT_FALSE(failed.m_Error.isEmpty());
    EXPECT_EQ(ReadAll(Path()), before);
    m_store.SetWriteFilter({});
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "a", "b" }));
}

TEST_F(SharedReminderFile, ADamagedLoadIsNotACompleteOne)
{
    WriteOutside({ m_a, m_b });
    QByteArray damaged = ReadAll(Path());
    damaged.chop(20);
    ASSERT_TRUE(WriteAll(Path(), damaged));
    EXPECT_EQ(m_file.Load(m_list, &m_told), CReminderStore::Corrupt);
    EXPECT_FALSE(m_file.LoadedCompletely());
    EXPECT_EQ(m_told.m_Icon, CMessageSink::Error);
    EXPECT_TRUE(m_told.m_Text.contains(QStringLiteral("A copy of the damaged file was kept as ")));
}

TEST_F(SharedReminderFile, AfterADamagedLoadAnEditAndASaveNeitherDuplicateNorBringBack)
{
    WriteOutside({ m_a, m_b, m_c });
    QByteArray damaged = ReadAll(Path());
    damaged.chop(20); // c cut: a and b read intact
    ASSERT_TRUE(WriteAll(Path(), damaged));
    ASSERT_EQ(m_file.Load(m_list, &m_told), CReminderStore::Corrupt);
    // a deleted and b edited in the window.
    std::vector<CReminder> edited;
    for (CReminder r : m_list.Reminders()) {
        if (r.m_Message == QStringLiteral("a"))
            continue;
        if (r.m_Message == QStringLiteral("b"))
            r.m_Message = QStringLiteral("b edited");
        edited.push_back(r);
    }
    m_list.Assign(std::move(edited));
    const CSharedReminderFile::Outcome saved = m_file.Save(m_list);
    EXPECT_EQ(saved.m_Status, CSharedReminderFile::Saved);
    EXPECT_EQ(saved.m_Taken, 0);
    const QStringList onDisk = Messages(OnDisk());
    EXPECT_FALSE(onDisk.contains(QStringLiteral("a")));
    EXPECT_FALSE(onDisk.contains(QStringLiteral("b")));
    EXPECT_EQ(onDisk.count(QStringLiteral("b edited")), 1);
    // The copy made at the load is the one named; none is made again.
    EXPECT_TRUE(saved.m_DamagedCopy.isEmpty());
    EXPECT_FALSE(saved.m_SavedOverDamage.isEmpty());
    EXPECT_EQ(ReadAll(saved.m_SavedOverDamage), damaged);
    EXPECT_EQ(QDir(m_data.Data()).entryList({ QStringLiteral("*.unreadable-*") }).size(), 1);
}

TEST_F(SharedReminderFile, AMissingFileIsNoCompleteLoadAndAnEmptyListIsNotWrittenToIt)
{
    EXPECT_EQ(m_file.Load(m_list, &m_told), CReminderStore::NotFound);
    EXPECT_FALSE(m_file.LoadedCompletely());
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    EXPECT_FALSE(QFileInfo::exists(Path()));
    // The user's first reminder: the list is the user's now.
    m_list.InsertSorted(m_a);
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_TRUE(m_file.LoadedCompletely());
}

// Locks left by a crash: taken over within a second, and said in the log.
class StaleLock : public SharedReminderFile, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(StaleLock, IsTakenOverWithinASecond)
{
    QByteArray content = GetParam();
    content.replace("HOST", QSysInfo::machineHostName().toUtf8());
    ASSERT_TRUE(WriteAll(CReminderFileLock::LockPathFor(Path()), content));
    CTraceRecorder trace;
    QElapsedTimer timer;
    timer.start();
    CReminderFileLock lock(Path());
    EXPECT_TRUE(lock.Acquire(5000)) << lock.Error().toStdString();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(trace.Lines().join(QString()).contains(QStringLiteral("stale lock"))) << trace.Lines().join(QString()).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Kinds, StaleLock,
                         ::testing::Values("", "\n\n", "garbage\x01\x02 not a lock", "999999\nkestrelmark\nHOST\n",
                                           "999999\nkestrelmark-cli\n\n"));

// Something that is no lock where the lock goes is said to be so, not
// taken for a writer ("process 0").
TEST_F(SharedReminderFile, AFolderWhereTheLockGoesIsNamedAsSuch)
{
    ASSERT_TRUE(QDir().mkpath(CReminderFileLock::LockPathFor(Path())));
    CReminderFileLock lock(Path());
    EXPECT_FALSE(lock.Acquire(50));
    EXPECT_TRUE(lock.Error().contains(QStringLiteral("is a folder, not a lock"))) << qPrintable(lock.Error());
    EXPECT_FALSE(lock.Error().contains(QStringLiteral("process 0")));
}

} // namespace

// A long session packs the base it keeps of the file; merges still know
// what was deleted outside, and an unchanged list is still not written.
TEST_F(SharedReminderFile, APackedBaseStillMergesAndStillKnowsAnUnchangedFile)
{
    WriteOutside({ m_a, m_b });
    m_file.Load(m_list, &m_told);
    EXPECT_FALSE(m_file.IsCompact());
    ASSERT_TRUE(m_file.AdoptPacked(CSharedReminderFile::Pack(m_file.BaseToPack())));
    ASSERT_TRUE(m_file.IsCompact());
    const QByteArray before = ReadAll(Path());
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    EXPECT_EQ(ReadAll(Path()), before);

    WriteOutside({ m_b, m_c }); // a deleted, c added
    m_list.InsertSorted(MakeReminder(2024, 3, 4, 9, 0, QStringLiteral("d")));
    const CSharedReminderFile::Outcome saved = m_file.Save(m_list);
    EXPECT_EQ(saved.m_Status, CSharedReminderFile::Saved);
    EXPECT_EQ(saved.m_Removed, 1);
    EXPECT_EQ(Messages(OnDisk()), (QStringList { "b", "c", "d" }));

    m_file.AdoptPacked(CSharedReminderFile::Pack(m_file.BaseToPack()));
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
}

// The base may be packed on another thread while the file changes: a pack
// of the base that was replaced meanwhile is refused, or a later deletion
// outside would look like the file the program already knows.
TEST_F(SharedReminderFile, APackOfAnOlderBaseIsRefused)
{
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    CSharedReminderFile::PackedBase late = CSharedReminderFile::Pack(m_file.BaseToPack());
    WriteOutside({ m_a, m_c });
    ASSERT_TRUE(m_file.TakeOutsideChanges(m_list).m_ListChanged);
    EXPECT_FALSE(m_file.AdoptPacked(std::move(late)));
    EXPECT_FALSE(m_file.IsCompact());

    WriteOutside({ m_a }); // c deleted outside
    EXPECT_TRUE(m_file.TakeOutsideChanges(m_list).m_ListChanged);
    EXPECT_EQ(Messages(m_list.Reminders()), (QStringList { "a" }));
    EXPECT_TRUE(m_file.AdoptPacked(CSharedReminderFile::Pack(m_file.BaseToPack())));
}

// When only the other writer changed anything, the file is taken as it
// stands, in its own order: the next save has nothing to write.
TEST_F(SharedReminderFile, OnlyOutsideChangesLeaveNothingToWrite)
{
    CReminder early = WithId(m_a, 4), late = WithId(m_a, 5);
    early.m_Message = QStringLiteral("first at nine");
    late.m_Message = QStringLiteral("second at nine");
    WriteOutside({ m_a });
    m_file.Load(m_list, &m_told);
    WriteOutside({ late, early, m_a }); // equal times in an order a merge would not choose
    EXPECT_TRUE(m_file.TakeOutsideChanges(m_list).m_ListChanged);
    EXPECT_EQ(Messages(m_list.Reminders()), (QStringList { "second at nine", "first at nine", "a" }));
    const QByteArray before = ReadAll(Path());
    EXPECT_EQ(m_file.Save(m_list).m_Status, CSharedReminderFile::Unchanged);
    EXPECT_EQ(ReadAll(Path()), before);
}
