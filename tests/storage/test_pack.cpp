// Reminder packs: the byte layout written and read, the data file rules,
// and packs from strangers that must write nothing outside icons/ and sounds/.
#include "StorageFixtures.h"
#include "support/CTraceRecorder.h"

#include "model/CArchive.h"
#include "model/CReminderList.h"
#include "storage/CPackDataName.h"
#include "storage/CReminderPack.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QByteArray exportPack(const CReminderList &list, const CReminderPack::Selection &selection, const QString &folder,
                      bool *result = nullptr)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::store);
    const bool ok = CReminderPack::ExportPack(ar, list, selection, folder);
    ar.Close();
    if (result)
        *result = ok;
    return buffer.data();
}

// The schema-2 body of a reminder, field by field.
CBytes &body(CBytes &b, double date, const QByteArray &message, const QByteArray &sound, const QByteArray &icon,
             bool shown = false, quint64 id = 0)
{
    b.DWord(0).Double(date);        // m_DateTime
    b.DWord(0).Double(0.0);         // m_AdvanceNotice
    b.Word(0);                      // m_IconNumber
    b.Str(message);                 // m_Message
    b.Word(0);                      // m_Recurrence
    b.Byte(0).Byte(shown ? 1 : 0);  // m_Private, m_Shown
    b.DWord(0).Double(31790.0);     // m_LastShown
    b.DWord(0).Double(1.0);         // m_ReshowInterval
    b.Byte(0);                      // m_ReservedFlag
    b.DWord(0).Double(double(id));  // m_ReservedSpan: the id
    b.Str(sound).Str(icon).Byte(id ? 1 : 0); // names, m_ReservedFlag2
    return b;
}

CBytes &packHeader(CBytes &b, quint32 count)
{
    return b.DWord(0).Str("KM 2.0 Reminder Pack").DWord(count);
}

CBytes &firstObject(CBytes &b) { return b.Word(0xFFFF).Word(2).Word(9).Raw("CReminder"); }
CBytes &nextObject(CBytes &b) { return b.Word(0x8001); }

CBytes &fileRecord(CBytes &b, const QByteArray &name, const QByteArray &content, quint32 announced = 0xFFFFFFFF)
{
    b.DWord(0xFFFFFFFF).Str(name).DWord(announced == 0xFFFFFFFF ? content.size() : announced);
    for (qsizetype at = 0; at < content.size(); at += 32768) {
        const QByteArray block = content.mid(at, 32768);
        b.DWord(static_cast<quint32>(block.size())).Raw(block);
    }
    return b.DWord(0);
}

class Pack : public ::testing::Test
{
protected:
    QString PackPath() const { return m_data.At(QStringLiteral("in/pack.rpk")); }
    QString Data(const char *relative) const { return m_data.Data() + QLatin1Char('/') + QLatin1String(relative); }

    CReminderPack::ImportReport Import(const QByteArray &pack)
    {
        WriteAll(PackPath(), pack);
        return CReminderPack::ImportPack(m_list, PackPath(), m_data.Data());
    }
    // Nothing but the pack and files under data/icons or data/sounds.
    void ExpectNothingOutside() const
    {
        for (const QString &f : m_data.AllFiles())
            EXPECT_TRUE(f == QLatin1String("in/pack.rpk") || f.startsWith(QLatin1String("data/icons/"))
                        || f.startsWith(QLatin1String("data/sounds/")) || f.startsWith(QLatin1String("outside/")))
                << f.toStdString();
    }

    CTempDataFolder m_data;
    CReminderList m_list;
};

TEST_F(Pack, OneReminderWithABuiltInIconIsWrittenByteForByte)
{
    // The reminder travels with its id.
    CReminder r = MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("Hi"));
    r.SetId(5);
    m_list.InsertSorted(r);
    CBytes expected;
    packHeader(expected, 1);
    body(firstObject(expected), 45292.0, "Hi", "", "Birthday", false, 5);
    // The built-in icon is in the list (m = 1) but no file exists for it.
    expected.Str("Datafiles").DWord(1).DWord(0xFFFFFFFE);
    EXPECT_EQ(exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data()).toHex(), expected.Data().toHex());
}

TEST_F(Pack, NothingSelectedWritesNothing)
{
    m_list.InsertSorted(MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("Hi")));
    bool ok = true;
    EXPECT_TRUE(exportPack(m_list, { 0 }, m_data.Data(), &ok).isEmpty());
    EXPECT_FALSE(ok);
    EXPECT_TRUE(exportPack(m_list, { 2 }, m_data.Data(), &ok).isEmpty()); // exactly 1 selects
    EXPECT_TRUE(exportPack(m_list, {}, m_data.Data(), &ok).isEmpty());
}

TEST_F(Pack, SharedIconAndSoundAreListedOnce)
{
    ASSERT_TRUE(WriteAll(Data("icons/sub/owl.ico"), "ICON"));
    ASSERT_TRUE(WriteAll(Data("sounds/hoot.wav"), "RIFF"));
    for (int i = 0; i < 2; ++i) {
        CReminder r = MakeReminder(2024, 1, 1 + i, 0, 0, QStringLiteral("r%1").arg(i));
        r.m_IconName = QStringLiteral("sub\\owl.ico");
        r.m_SoundFileName = QStringLiteral("hoot.wav");
        m_list.InsertSorted(r);
    }
    std::vector<CReminder> copies = CReminderPack::SelectedCopies(m_list, CReminderPack::SelectAll(m_list));
    const auto pairs = CReminderPack::DataFileList(copies, m_data.Data());
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].m_Destination, QStringLiteral("icons\\sub\\owl.ico"));
    EXPECT_EQ(pairs[0].m_Source, Data("icons/sub/owl.ico"));
    EXPECT_EQ(pairs[1].m_Destination, QStringLiteral("sounds\\hoot.wav"));
    EXPECT_EQ(pairs[1].m_Source, Data("sounds/hoot.wav"));

    // Round trip into another data folder.
    const QByteArray pack = exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data());
    CTempDataFolder other;
    WriteAll(other.At(QStringLiteral("p.rpk")), pack);
    CReminderList list;
    const auto report = CReminderPack::ImportPack(list, other.At(QStringLiteral("p.rpk")), other.Data());
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(ReadAll(other.Data() + QStringLiteral("/icons/sub/owl.ico")), QByteArray("ICON"));
    EXPECT_EQ(ReadAll(other.Data() + QStringLiteral("/sounds/hoot.wav")), QByteArray("RIFF"));
    EXPECT_TRUE(report.IconsArrived());
}

TEST_F(Pack, SoundGivenAsAFullPathTravelsUnderItsFileName)
{
    ASSERT_TRUE(WriteAll(m_data.At(QStringLiteral("elsewhere/media/ding.wav")), "DING"));
    CReminder r = MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("Hi"));
    r.m_SoundFileName = m_data.At(QStringLiteral("elsewhere/media/ding.wav"));
    r.SetId(6);
    m_list.InsertSorted(r);
    CBytes expected;
    packHeader(expected, 1);
    body(firstObject(expected), 45292.0, "Hi", "ding.wav", "Birthday", false, 6);
    expected.Str("Datafiles").DWord(2);
    fileRecord(expected, "sounds\\ding.wav", "DING").DWord(0xFFFFFFFE);
    EXPECT_EQ(exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data()).toHex(), expected.Data().toHex());
    // The list keeps its own full path.
    EXPECT_EQ(m_list[0].m_SoundFileName, r.m_SoundFileName);
}

TEST_F(Pack, LargeFileIsCutIntoBlocksOf32768)
{
    QByteArray content(70000, '\0');
    for (int i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    ASSERT_TRUE(WriteAll(Data("icons/big.ico"), content));
    CReminder r = MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("Hi"));
    r.m_IconName = QStringLiteral("big.ico");
    m_list.InsertSorted(r);
    const QByteArray pack = exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data());
    const QByteArray record = CBytes().DWord(0xFFFFFFFF).Str("icons\\big.ico").DWord(70000);
    const qsizetype at = pack.indexOf(record);
    ASSERT_GE(at, 0);
    QBuffer b;
    b.setData(pack);
    b.open(QIODevice::ReadOnly);
    b.seek(at + record.size());
    CArchive ar(&b, CArchive::load);
    EXPECT_EQ(ar.ReadDWord(), 32768u);
    ar.ReadBytes(32768);
    EXPECT_EQ(ar.ReadDWord(), 32768u);
    ar.ReadBytes(32768);
    EXPECT_EQ(ar.ReadDWord(), 4464u);
    ar.ReadBytes(4464);
    EXPECT_EQ(ar.ReadDWord(), 0u);
    EXPECT_EQ(ar.ReadDWord(), 0xFFFFFFFEu);
    EXPECT_EQ(ar.BytesRemaining(), 0);

    CTempDataFolder other;
    WriteAll(other.At(QStringLiteral("p.rpk")), pack);
    CReminderList list;
    CReminderPack::ImportPack(list, other.At(QStringLiteral("p.rpk")), other.Data());
    EXPECT_EQ(ReadAll(other.Data() + QStringLiteral("/icons/big.ico")), content);
}

TEST_F(Pack, EmptyFileIsARecordWithoutBlocksAndUnreadableSourceIsLeftOut)
{
    ASSERT_TRUE(WriteAll(Data("icons/empty.ico"), QByteArray()));
    CReminder a = MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("a"));
    a.m_IconName = QStringLiteral("empty.ico");
    a.m_SoundFileName = QStringLiteral("missing.wav");
    m_list.InsertSorted(a);
    const QByteArray pack = exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data());
    const QByteArray tail = CBytes().Str("Datafiles").DWord(2).DWord(0xFFFFFFFF).Str("icons\\empty.ico").DWord(0).DWord(0).DWord(0xFFFFFFFE);
    EXPECT_TRUE(pack.endsWith(tail));
}

TEST_F(Pack, HandWrittenPackIsMergedAndItsFilesArrive)
{
    CBytes pack;
    packHeader(pack, 2);
    body(firstObject(pack), 45292.375, "first", "C:\\WINDOWS\\MEDIA\\ding.wav", "owl.ico", true);
    body(nextObject(pack), 45293.0, "second", "", "Gift");
    pack.Str("Datafiles").DWord(2);
    fileRecord(pack, "icons\\owl.ico", "OWL");
    fileRecord(pack, "sounds\\ding.wav", "DING").DWord(0xFFFFFFFE);
    CTraceRecorder trace;
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    ASSERT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("first"));
    EXPECT_EQ(m_list[0].m_DateTime, COleDateTime(2024, 1, 1, 9, 0, 0));
    EXPECT_FALSE(m_list[0].m_Shown);                                  // arrives unshown
    EXPECT_EQ(m_list[0].m_SoundFileName, QStringLiteral("ding.wav")); // never a foreign path
    EXPECT_EQ(ReadAll(Data("icons/owl.ico")), QByteArray("OWL"));
    EXPECT_EQ(ReadAll(Data("sounds/ding.wav")), QByteArray("DING"));
    ASSERT_EQ(report.m_Files.size(), 2u);
    EXPECT_EQ(report.m_Files[0].m_Sha256,
              QString::fromLatin1(QCryptographicHash::hash("OWL", QCryptographicHash::Sha256).toHex()));
    EXPECT_TRUE(trace.Contains(QStringLiteral("EOF token detected.  All done with binaries.\n")));
    EXPECT_EQ(m_list.GetRemindersOnDay(COleDateTime(2024, 1, 2, 0, 0, 0)), 1);
}

TEST_F(Pack, SecondImportAddsNothingButWritesTheFilesAgain)
{
    CBytes pack;
    packHeader(pack, 1);
    body(firstObject(pack), 45292.0, "once", "", "owl.ico");
    pack.Str("Datafiles").DWord(1);
    fileRecord(pack, "icons\\owl.ico", "OWL").DWord(0xFFFFFFFE);
    EXPECT_EQ(Import(pack).m_Added.size(), 1u);
    WriteAll(Data("icons/owl.ico"), "CHANGED");
    const auto again = Import(pack);
    EXPECT_EQ(again.m_Added.size(), 0u);
    EXPECT_EQ(again.m_Skipped.size(), 1u);
    EXPECT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(ReadAll(Data("icons/owl.ico")), QByteArray("OWL"));
}

TEST_F(Pack, WrongFirstValueIsNotAPackAndChangesNothing)
{
    CTraceRecorder trace;
    CBytes pack;
    pack.DWord(1).Str("KM 2.0 Reminder Pack").DWord(0);
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::NotAPack);
    EXPECT_TRUE(trace.Contains(QStringLiteral("Size does not match NEW_SIZE_TAG!\n")));
    EXPECT_EQ(m_list.GetSize(), 0);
    EXPECT_EQ(Import(QByteArray()).m_Status, CReminderPack::ImportReport::Damaged); // the empty pack of no selection
    EXPECT_EQ(CReminderPack::ImportPack(m_list, m_data.At(QStringLiteral("nope.rpk")), m_data.Data()).m_Status,
              CReminderPack::ImportReport::CannotOpen);
}

TEST(PackDataName, OnlyRelativeNamesInsideIconsAndSounds)
{
    QString relative;
    EXPECT_TRUE(CPackDataName::Check(QStringLiteral("icons\\x.ico"), &relative));
    EXPECT_EQ(relative, QStringLiteral("icons/x.ico"));
    EXPECT_TRUE(CPackDataName::Check(QStringLiteral("icons\\Sub Folder\\\u00e9t\u00e9.ico"), &relative));
    EXPECT_EQ(relative, QStringLiteral("icons/Sub Folder/\u00e9t\u00e9.ico"));
    EXPECT_TRUE(CPackDataName::Check(QStringLiteral("sounds\\ring.wav")));
    const char *bad[] = { "icons\\..\\..\\evil", "icons\\..", "icons\\.", "sounds\\a\\..\\..\\b", "icons\\",
                          "icons\\\\x", "icons\\x\\", "\\icons\\x", "icons\\C:\\x", "C:\\icons\\x", "/etc/passwd",
                          "bitmapcache\\x.bmp", "Icons\\x.ico", "icons", "", "icons\\a/../../b", "icons\\x?.ico",
                          "icons\\x\x01.ico", "icons\\a|b" };
    for (const char *name : bad)
        EXPECT_FALSE(CPackDataName::Check(QString::fromLatin1(name))) << name;
    EXPECT_FALSE(CPackDataName::Check(QStringLiteral("icons\\") + QString(256, QLatin1Char('a'))));
    QString deep = QStringLiteral("icons");
    for (int i = 0; i < 22; ++i)
        deep += QStringLiteral("\\d");
    EXPECT_FALSE(CPackDataName::Check(deep + QStringLiteral("\\x.ico")));
}

TEST_F(Pack, HostileNamesAreSkippedAndTheFilesAfterThemStillArrive)
{
    const char *hostile[] = { "icons\\..\\..\\escaped.txt", "..\\escaped2.txt", "\\tmp\\escaped3.txt",
                              "C:\\escaped4.txt", "sounds\\..\\Kestrelmark.km2", "icons\\a\\..\\..\\..\\x",
                              "bitmapcache\\bitmap_1.bmp", "icons\\sub\\" };
    CBytes pack;
    packHeader(pack, 1);
    body(firstObject(pack), 45292.0, "bait", "", "Gift");
    pack.Str("Datafiles").DWord(std::size(hostile) + 1);
    for (const char *name : hostile)
        fileRecord(pack, name, QByteArray(40000, 'E')); // two blocks each
    fileRecord(pack, "icons\\good.ico", "GOOD").DWord(0xFFFFFFFE);
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    EXPECT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(ReadAll(Data("icons/good.ico")), QByteArray("GOOD"));
    ASSERT_EQ(report.m_Files.size(), std::size(hostile) + 1);
    for (size_t i = 0; i < std::size(hostile); ++i) {
        EXPECT_FALSE(report.m_Files[i].m_Written) << hostile[i];
        EXPECT_FALSE(report.m_Files[i].m_Reason.isEmpty()) << hostile[i];
    }
    EXPECT_EQ(m_data.AllFiles(), (QStringList { QStringLiteral("data/icons/good.ico"), QStringLiteral("in/pack.rpk") }));
}

TEST_F(Pack, FileThatCannotBeCreatedHasItsBlocksSkipped)
{
    QDir().mkpath(Data("icons/taken.ico")); // a folder in the way
    CBytes pack;
    packHeader(pack, 0).Str("Datafiles").DWord(2);
    fileRecord(pack, "icons\\taken.ico", QByteArray(50000, 'T'));
    fileRecord(pack, "sounds\\after.wav", "AFTER").DWord(0xFFFFFFFE);
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    EXPECT_FALSE(report.m_Files[0].m_Written);
    EXPECT_TRUE(QFileInfo(Data("icons/taken.ico")).isDir());
    EXPECT_EQ(ReadAll(Data("sounds/after.wav")), QByteArray("AFTER"));
}

TEST_F(Pack, LinksLeadingOutOfTheFoldersAreNotFollowed)
{
    QDir().mkpath(m_data.At(QStringLiteral("outside")));
    WriteAll(m_data.At(QStringLiteral("outside/target.ico")), "ORIGINAL");
    QDir().mkpath(Data("icons"));
    ASSERT_TRUE(QFile::link(m_data.At(QStringLiteral("outside")), Data("icons/linkdir")));
    ASSERT_TRUE(QFile::link(m_data.At(QStringLiteral("outside/target.ico")), Data("icons/linkfile.ico")));
    CBytes pack;
    packHeader(pack, 0).Str("Datafiles").DWord(3);
    fileRecord(pack, "icons\\linkdir\\new.ico", "EVIL");
    fileRecord(pack, "icons\\linkfile.ico", "EVIL");
    fileRecord(pack, "icons\\fine.ico", "FINE").DWord(0xFFFFFFFE);
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    EXPECT_FALSE(report.m_Files[0].m_Written);
    EXPECT_FALSE(report.m_Files[1].m_Written);
    EXPECT_TRUE(report.m_Files[2].m_Written);
    EXPECT_FALSE(QFileInfo::exists(m_data.At(QStringLiteral("outside/new.ico"))));
    EXPECT_EQ(ReadAll(m_data.At(QStringLiteral("outside/target.ico"))), QByteArray("ORIGINAL"));
}

TEST_F(Pack, BlockLongerThan32768OrPastTheEndIsDamageAndKeepsEarlierReminders)
{
    for (quint32 length : { 32769u, 0x7FFFFFFFu, 0xFFFFFFF0u, 100u }) {
        m_list.RemoveAll();
        CBytes pack;
        packHeader(pack, 1);
        body(firstObject(pack), 45292.0, "merged", "", "Gift");
        pack.Str("Datafiles").DWord(1).DWord(0xFFFFFFFF).Str("icons\\x.ico").DWord(length).DWord(length).Raw("short");
        const auto report = Import(pack);
        EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Damaged) << length;
        EXPECT_EQ(m_list.GetSize(), 1) << length;
        EXPECT_FALSE(QFileInfo::exists(Data("icons/x.ico"))) << length; // no half file
    }
}

TEST_F(Pack, DataShorterThanItsTotalIsDamageAndLeavesNoPartialFile)
{
    for (quint32 total : { 10u, 0x80000000u }) {
        CTraceRecorder trace;
        CBytes pack;
        packHeader(pack, 0).Str("Datafiles").DWord(1);
        fileRecord(pack, "icons\\short.ico", "12345", total).DWord(0xFFFFFFFE);
        const auto report = Import(pack);
        EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Damaged) << total;
        EXPECT_TRUE(report.m_Error.contains(QStringLiteral("but only 5 came"))) << total;
        EXPECT_FALSE(QFileInfo::exists(Data("icons/short.ico"))) << total;
    }
}

TEST_F(Pack, ImpossibleReminderCountIsDamageBeforeAnythingIsRead)
{
    CBytes pack;
    packHeader(pack, 0xFFFFFFFF).Str("Datafiles");
    EXPECT_EQ(Import(pack).m_Status, CReminderPack::ImportReport::Damaged);
    EXPECT_EQ(m_list.GetSize(), 0);
}

TEST_F(Pack, UnknownTokenEndsTheFileListAndIsReported)
{
    CBytes pack;
    packHeader(pack, 0).Str("Datafiles").DWord(1).DWord(12345);
    const auto report = Import(pack);
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Damaged);
    EXPECT_TRUE(report.m_UnknownToken);
}

// Cut anywhere: never a crash, never a file outside, never half a file.
TEST_F(Pack, PackCutAtEveryByteWritesOnlyWholeFilesInside)
{
    CBytes pack;
    packHeader(pack, 2);
    body(firstObject(pack), 45292.0, "one", "s.wav", "a.ico");
    body(nextObject(pack), 45293.0, "two", "", "Gift");
    pack.Str("Datafiles").DWord(2);
    fileRecord(pack, "icons\\a.ico", QByteArray(33000, 'A'));
    fileRecord(pack, "sounds\\s.wav", "SSSS").DWord(0xFFFFFFFE);
    const QByteArray whole = pack;
    for (qsizetype cut = 0; cut < whole.size(); cut += (cut < 400 || cut > whole.size() - 400) ? 1 : 97) {
        QFile::remove(Data("icons/a.ico"));
        QFile::remove(Data("sounds/s.wav"));
        m_list.RemoveAll();
        const auto report = Import(whole.left(cut));
        EXPECT_NE(report.m_Status, CReminderPack::ImportReport::Imported) << cut;
        const QByteArray a = ReadAll(Data("icons/a.ico"));
        EXPECT_TRUE(a.isEmpty() || a == QByteArray(33000, 'A')) << cut;
        EXPECT_TRUE(m_list.GetSize() <= 2);
    }
    ExpectNothingOutside();
    EXPECT_EQ(Import(whole).m_Status, CReminderPack::ImportReport::Imported);
}

TEST_F(Pack, ForeignIconNamesNeverCarryFilesFromOutsideTheIconsFolder)
{
    WriteAll(m_data.At(QStringLiteral("secret.txt")), "SECRET");
    CReminder r = MakeReminder(2024, 1, 1, 0, 0, QStringLiteral("from a stranger's pack"));
    r.m_IconName = QStringLiteral("..\\..\\secret.txt");
    m_list.InsertSorted(r);
    const QByteArray pack = exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data());
    EXPECT_FALSE(pack.contains("SECRET"));
    EXPECT_TRUE(pack.endsWith(CBytes().Str("Datafiles").DWord(0).DWord(0xFFFFFFFE).Data()));
}

// A reminder file may already name a file elsewhere: a pack carries icons
// from the icons folder and sounds from the sounds folder, links resolved,
// and besides those only a wave file the user chose by its full path.
TEST_F(Pack, ExportCarriesNoFileFromOutsideTheDataFolder)
{
    WriteAll(m_data.At(QStringLiteral("outside/secret.txt")), "SECRET");
    WriteAll(m_data.At(QStringLiteral("outside/key.ico")), "KEYICO");
    WriteAll(m_data.At(QStringLiteral("outside/bell.wav")), "BELL");
    WriteAll(Data("Kestrelmark.km2"), "REMINDERS");
    QDir().mkpath(Data("icons"));
    QDir().mkpath(Data("sounds"));
    ASSERT_TRUE(QFile::link(m_data.At(QStringLiteral("outside")), Data("icons/link")));
    ASSERT_TRUE(QFile::link(m_data.At(QStringLiteral("outside/secret.txt")), Data("sounds/ring.wav")));
    const struct
    {
        const char *icon;
        QString sound;
    } cases[] = { { "Gift", m_data.At(QStringLiteral("outside/secret.txt")) },
                  { "link\\key.ico", QString() },
                  { "Gift", QStringLiteral("ring.wav") },
                  { "Gift", Data("Kestrelmark.km2") },
                  { "Gift", m_data.At(QStringLiteral("outside/bell.wav")) } };
    for (const auto &c : cases) {
        CReminder r = MakeReminder(2024, 1, 1, 0, 0, QString::fromLatin1(c.icon) + c.sound);
        r.m_IconName = QString::fromLatin1(c.icon);
        r.m_SoundFileName = c.sound;
        m_list.InsertSorted(r);
    }
    CTraceRecorder trace;
    const QByteArray pack = exportPack(m_list, CReminderPack::SelectAll(m_list), m_data.Data());
    for (const char *bytes : { "SECRET", "KEYICO", "REMINDERS" })
        EXPECT_FALSE(pack.contains(bytes)) << bytes;
    EXPECT_TRUE(pack.contains("BELL"));
    EXPECT_TRUE(trace.Contains(QStringLiteral("Not packed, outside the data folder: ")
                               + m_data.At(QStringLiteral("outside/secret.txt")) + QLatin1Char('\n')));
}

// The folders a record needs are checked, links resolved, before any is made.
TEST_F(Pack, NoFolderIsMadeBeyondALinkThatLeadsOut)
{
    QDir().mkpath(m_data.At(QStringLiteral("outside")));
    QDir().mkpath(Data("icons"));
    ASSERT_TRUE(QFile::link(m_data.At(QStringLiteral("outside")), Data("icons/sub")));
    CBytes pack;
    packHeader(pack, 0).Str("Datafiles").DWord(1);
    fileRecord(pack, "icons\\sub\\made\\deeper\\x.ico", "EVIL").DWord(0xFFFFFFFE);
    const auto report = Import(pack);
    ASSERT_EQ(report.m_Files.size(), 1u);
    EXPECT_FALSE(report.m_Files[0].m_Written);
    EXPECT_EQ(report.m_Files[0].m_Reason, QStringLiteral("its folder leads outside the data folder"));
    EXPECT_FALSE(QFileInfo::exists(m_data.At(QStringLiteral("outside/made"))));
}

TEST_F(Pack, InspectReadsWithoutWriting)
{
    CBytes pack;
    packHeader(pack, 1);
    body(firstObject(pack), 45292.0, "look", "", "Gift");
    pack.Str("Datafiles").DWord(1);
    fileRecord(pack, "icons\\..\\x.ico", "XX").DWord(0xFFFFFFFE);
    WriteAll(PackPath(), pack);
    const auto report = CReminderPack::Inspect(PackPath());
    EXPECT_EQ(report.m_Status, CReminderPack::ImportReport::Imported);
    ASSERT_EQ(report.m_Added.size(), 1u);
    ASSERT_EQ(report.m_Files.size(), 1u);
    EXPECT_EQ(report.m_Files[0].m_Received, 2);
    EXPECT_EQ(m_data.AllFiles(), QStringList { QStringLiteral("in/pack.rpk") });
}

} // namespace
