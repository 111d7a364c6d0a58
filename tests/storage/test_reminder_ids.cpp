// Every reminder's id: given to a file written without ids, kept through
// another writer's load and save, made unique, and deleted reminders kept
// from coming back.
#include "StorageFixtures.h"
#include "support/CTraceRecorder.h"

#include "model/CReminderList.h"
#include "model/CReminderRecord.h"
#include "storage/CReminderFileFormat.h"
#include "storage/CReminderStore.h"
#include "storage/CReminderTombstones.h"
#include "storage/CSharedReminderFile.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

// A writer that knows nothing of ids: it stores the reserved fields as it
// read them, the way the Windows program does, and changes what its user
// changed (here: the alert was answered, the text edited).
struct ForeignRecord
{
    double m_Date = 0;
    QByteArray m_Message;
    bool m_Shown = false;
    quint32 m_SpanStatus = 0;
    double m_Span = 0;
    bool m_Flag2 = false;
};

class ForeignReader : public CReminderFileFormat::RecordSink
{
public:
    void Expect(size_t) override {}
    void Take(const CReminderRecord &r) override
    {
        m_Records.push_back({ r.m_DateTime.GetValue(), r.Message().toUtf8(), r.m_Shown,
                              quint32(r.m_ReservedSpan.GetStatus()), r.m_ReservedSpan.GetValue(), r.m_ReservedFlag2 });
    }
    std::vector<ForeignRecord> m_Records;
};

QByteArray foreignFile(const std::vector<ForeignRecord> &records)
{
    CBytes b;
    b.DWord(0).Str("KM 2.0 Reminders").DWord(quint32(records.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        const ForeignRecord &r = records[i];
        if (i == 0)
            b.Word(0xFFFF).Word(2).Word(9).Raw("CReminder");
        else
            b.Word(0x8001);
        b.DWord(0).Double(r.m_Date).DWord(0).Double(0.0).Word(0).Str(r.m_Message).Word(0);
        b.Byte(0).Byte(r.m_Shown ? 1 : 0).DWord(0).Double(31790.0).DWord(0).Double(1.0).Byte(0);
        b.DWord(r.m_SpanStatus).Double(r.m_Span);
        b.Str("").Str("Birthday").Byte(r.m_Flag2 ? 1 : 0);
    }
    return b.Data();
}

class ReminderIds : public ::testing::Test
{
protected:
    QString Path() const { return m_data.Data() + QStringLiteral("/Kestrelmark.km2"); }
    std::vector<CReminder> Load()
    {
        CReminderStore store(m_data.Data());
        return store.Read(CReminderStore::kReminderBase).m_Records;
    }
    static std::vector<quint64> Ids(const std::vector<CReminder> &list)
    {
        std::vector<quint64> ids;
        for (const CReminder &r : list)
            ids.push_back(r.Id());
        return ids;
    }

    CTempDataFolder m_data;
    CReminderStore m_store { m_data.Data() };
    CReminderList m_list;
};

TEST_F(ReminderIds, AFileWithoutIdsGetsTheSameIdsInEveryReaderAndSavesThem)
{
    // Two equal records too: each gets an id of its own.
    ASSERT_TRUE(WriteAll(Path(), foreignFile({ { 45000.5, "a" }, { 45001.5, "b" }, { 45001.5, "b" } })));
    const std::vector<quint64> first = Ids(Load());
    EXPECT_EQ(Ids(Load()), first); // another process reading the same file
    ASSERT_EQ(first.size(), 3u);
    for (quint64 id : first)
        EXPECT_NE(id, 0u);
    EXPECT_NE(first[1], first[2]);

    CSharedReminderFile file(m_store);
    file.Load(m_list);
    EXPECT_TRUE(file.LoadChangedList());
    EXPECT_EQ(file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    ForeignReader onDisk;
    CReminderFileFormat::ReadRecords(QByteArrayView(ReadAll(Path())), onDisk);
    for (const ForeignRecord &r : onDisk.m_Records)
        EXPECT_TRUE(r.m_Flag2 && r.m_Span >= 1.0);
    EXPECT_EQ(Ids(Load()), first);
}

TEST_F(ReminderIds, AnotherWritersLoadAndSaveKeepsEveryId)
{
    for (const char *message : { "dentist", "rent", "mum" })
        m_list.InsertSorted(MakeReminder(2024, 3, 1, 9, 0, QString::fromLatin1(message)));
    ASSERT_EQ(m_store.SaveReminders(m_list), CReminderStore::Saved);
    const std::vector<quint64> ids = Ids(Load());

    ForeignReader foreign;
    CReminderFileFormat::ReadRecords(QByteArrayView(ReadAll(Path())), foreign);
    foreign.m_Records[0].m_Shown = true;
    foreign.m_Records[1].m_Message = "rent, and the water";
    ASSERT_TRUE(WriteAll(Path(), foreignFile(foreign.m_Records)));

    const std::vector<CReminder> back = Load();
    EXPECT_EQ(Ids(back), ids);
    EXPECT_TRUE(back[0].m_Shown);
    EXPECT_EQ(back[1].m_Message, QStringLiteral("rent, and the water"));
}

TEST_F(ReminderIds, ACopyOfAnIdMadeByHandGetsItsOwnAndTheTraceSaysWhich)
{
    CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("a"));
    a.SetId(42);
    CReminder copy = a;
    copy.m_Message = QStringLiteral("copy");
    ASSERT_EQ(m_store.SaveReminders(std::vector<CReminder> { a, copy }), CReminderStore::Saved);
    CTraceRecorder trace;
    const std::vector<CReminder> back = Load();
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Id(), 42u); // the first in the file keeps it
    EXPECT_NE(back[1].Id(), 42u);
    EXPECT_EQ(Ids(Load()), Ids(back));
    EXPECT_TRUE(trace.Lines().join(QString()).contains(QStringLiteral("Record 1 has the id 42 of an earlier record")));

    // A copy put in the list (a paste, an import of one's own pack) too.
    CReminderList list;
    list.Assign(back);
    list.InsertSorted(back[0]);
    EXPECT_EQ(list.GetSize(), 3);
    int with42 = 0;
    for (const CReminder &r : list.Reminders())
        with42 += r.Id() == 42;
    EXPECT_EQ(with42, 1);
}

TEST_F(ReminderIds, ADeletedReminderNeverComesBackFromAnOlderWritersCopy)
{
    CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("a"));
    CReminder b = MakeReminder(2024, 3, 2, 9, 0, QStringLiteral("b"));
    a.SetId(1);
    b.SetId(2);
    ASSERT_EQ(m_store.SaveReminders(std::vector<CReminder> { a, b }), CReminderStore::Saved);
    const QByteArray old = ReadAll(Path());

    CSharedReminderFile file(m_store);
    file.Load(m_list);
    m_list.Delete(m_list.IndexOf(1));
    ASSERT_EQ(file.Save(m_list).m_Status, CSharedReminderFile::Saved);
    EXPECT_TRUE(QFile::exists(file.DeletedPath()));

    // Another writer saves the list it read before, with 'a' answered.
    ForeignReader stale;
    CReminderFileFormat::ReadRecords(QByteArrayView(old), stale);
    stale.m_Records[0].m_Shown = true;
    ASSERT_TRUE(WriteAll(Path(), foreignFile(stale.m_Records)));
    file.TakeOutsideChanges(m_list);
    EXPECT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].Id(), 2u);

    // A second process starting now leaves it out as well.
    CReminderStore store(m_data.Data());
    CSharedReminderFile second(store);
    CReminderList list;
    second.Load(list);
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_TRUE(second.LoadChangedList());
}

TEST(ReminderTombstones, AreKeptForABoundedTimeAndADamagedFileIsKeptAside)
{
    CTempDataFolder data;
    const QString path = CReminderTombstones::PathFor(data.Data() + QStringLiteral("/Kestrelmark.km2"));
    EXPECT_TRUE(path.endsWith(QStringLiteral("/KestrelmarkDeleted.json")));
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0), Qt::UTC);
    CReminderTombstones t;
    t.Add(1, now.addDays(-CReminderTombstones::kKeepDays - 1));
    t.Add(2, now.addDays(-1));
    EXPECT_TRUE(t.Prune(now));
    EXPECT_FALSE(t.Contains(1));
    EXPECT_TRUE(t.Contains(2));
    QString error;
    ASSERT_TRUE(t.Save(path, error)) << error.toStdString();
    CReminderTombstones back;
    ASSERT_EQ(back.Load(path, error), CReminderTombstones::Loaded);
    EXPECT_TRUE(back == t);

    ASSERT_TRUE(WriteAll(path, "{\"deleted\": [ {\"id\": "));
    EXPECT_EQ(back.Load(path, error), CReminderTombstones::Damaged);
    EXPECT_EQ(back.Size(), 0);
    EXPECT_TRUE(QFile::exists(path + QStringLiteral(".unreadable")));
}

} // namespace
