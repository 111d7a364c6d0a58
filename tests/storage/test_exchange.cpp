// Export and import by file kind, with what the user is to be told.
#include "StorageFixtures.h"

#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CReminderExchange.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

class Exchange : public ::testing::Test
{
protected:
    Exchange() { m_list.InsertSorted(MakeReminder(2024, 6, 1, 9, 0, QStringLiteral("share me"))); }
    QString Path(const char *name) const { return m_dir.At(QLatin1String(name)); }
    CReminderPack::Selection All() const { return CReminderPack::SelectAll(m_list); }

    CTempDataFolder m_dir;
    CReminderList m_list;
};

TEST_F(Exchange, KindGoesByTheLastFourCharactersInAnyCase)
{
    EXPECT_EQ(CReminderExchange::KindOf(QStringLiteral("a.RPK")), CReminderExchange::Pack);
    EXPECT_EQ(CReminderExchange::KindOf(QStringLiteral("a.Csv")), CReminderExchange::CalendarCsv);
    EXPECT_EQ(CReminderExchange::KindOf(QStringLiteral("x.ICO")), CReminderExchange::IconFile);
    EXPECT_EQ(CReminderExchange::KindOf(QStringLiteral("x.bmp")), CReminderExchange::Other);
    EXPECT_EQ(CReminderExchange::KindOf(QStringLiteral("rpk")), CReminderExchange::Other);
}

TEST_F(Exchange, CapitalCsvWritesACalendarFileAndOtherExtensionsNothing)
{
    const CReminderExchange::Outcome csv = CReminderExchange::ExportFile(m_list, Path("out.CSV"), All(), m_dir.Data());
    EXPECT_TRUE(csv.m_Ok);
    EXPECT_TRUE(csv.m_Message.IsEmpty());
    EXPECT_TRUE(ReadAll(Path("out.CSV")).startsWith("\"Subject\""));
    const CReminderExchange::Outcome txt = CReminderExchange::ExportFile(m_list, Path("out.txt"), All(), m_dir.Data());
    EXPECT_TRUE(txt.m_Ok);
    EXPECT_TRUE(txt.m_Message.IsEmpty());
    EXPECT_FALSE(QFileInfo::exists(Path("out.txt")));
}

TEST_F(Exchange, PackRoundTripAndSuccessMessage)
{
    ASSERT_TRUE(CReminderExchange::ExportFile(m_list, Path("out.rpk"), All(), m_dir.Data()).m_Ok);
    CReminderList other;
    CReminderPack::ImportReport report;
    const CReminderExchange::Outcome imported = CReminderExchange::ImportFile(other, Path("out.rpk"), m_dir.Data(), &report);
    EXPECT_TRUE(imported.m_Ok);
    EXPECT_EQ(other.GetSize(), 1);
    EXPECT_EQ(report.m_Added.size(), 1u);
    EXPECT_EQ(imported.m_Message.m_Text, CReminderExchange::kPackImportedMessage);
    EXPECT_EQ(imported.m_Message.m_Icon, CMessageSink::Information);

    ASSERT_TRUE(CReminderExchange::ExportFile(m_list, Path("out.csv"), All(), m_dir.Data()).m_Ok);
    const CReminderExchange::Outcome csv = CReminderExchange::ImportFile(other, Path("out.csv"), m_dir.Data());
    EXPECT_TRUE(csv.m_Ok);
    EXPECT_EQ(csv.m_Message.m_Text, CCalendarCsv::kImportedMessage);
}

TEST_F(Exchange, TargetThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    const QString path = Path("no/such/folder/out.rpk");
    const CReminderExchange::Outcome pack = CReminderExchange::ExportFile(m_list, path, All(), m_dir.Data());
    EXPECT_FALSE(pack.m_Ok);
    EXPECT_EQ(pack.m_Message.m_Text, QStringLiteral("Sorry, there was an error opening ") + path
                                         + QStringLiteral(" for writing."));
    EXPECT_EQ(pack.m_Message.m_Icon, CMessageSink::Error);
    const CReminderExchange::Outcome csv =
        CReminderExchange::ExportFile(m_list, Path("no/such/out.csv"), All(), m_dir.Data());
    EXPECT_FALSE(csv.m_Ok);
    EXPECT_FALSE(csv.m_Message.IsEmpty());
}

TEST_F(Exchange, EmptySelectionLeavesNoEmptyPack)
{
    EXPECT_FALSE(CReminderExchange::ExportFile(m_list, Path("out.rpk"), { 0 }, m_dir.Data()).m_Ok);
    EXPECT_FALSE(QFileInfo::exists(Path("out.rpk")));
}

TEST_F(Exchange, ImportFailuresNameTheFile)
{
    const auto failure = [this](const char *name) {
        const CReminderExchange::Outcome outcome = CReminderExchange::ImportFile(m_list, Path(name), m_dir.Data());
        EXPECT_FALSE(outcome.m_Ok) << name;
        return outcome.m_Message.m_Text;
    };
    EXPECT_EQ(failure("missing.rpk"), CReminderExchange::CannotOpenMessage(Path("missing.rpk")));
    WriteAll(Path("bogus.rpk"), QByteArray("MZ\x90\x01 not a pack"));
    EXPECT_EQ(failure("bogus.rpk"), CReminderExchange::NotAPackMessage(Path("bogus.rpk")));
    WriteAll(Path("cut.rpk"), CBytes().DWord(0).Str("KM 2.0 Reminder Pack").DWord(1).Word(0xFFFF));
    EXPECT_EQ(failure("cut.rpk"), CReminderExchange::DamagedPackMessage(Path("cut.rpk")));
    EXPECT_TRUE(failure("other.txt").isEmpty()); // trace only
    WriteAll(Path("empty.csv"), QByteArray());
    EXPECT_TRUE(failure("empty.csv").contains(QStringLiteral("is empty")));
    EXPECT_EQ(m_list.GetSize(), 1);
}

// Names from someone else's file never point out of the data folder, so
// a later pack carries nothing from elsewhere.
TEST_F(Exchange, ImportedIconAndSoundNamesStayInsideTheDataFolder)
{
    WriteAll(Path("outside/secret.txt"), "SECRET");
    const QByteArray secret = Path("outside/secret.txt").toUtf8();
    WriteAll(Path("in.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:x\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                             "DTSTART:20260401T090000\r\nSUMMARY:ics\r\nX-KESTRELMARK-SOUND:" + secret
                                 + "\r\nX-KESTRELMARK-ICON:../../outside/key.ico\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    WriteAll(Path("in.csv"), "Subject,Start Date,Description\r\n/outside/key.ico,1/1/2024,csv\r\n"
                             "Lunch: \"a/b\" at 12,1/2/2024,kept\r\n");
    CBytes pack;
    pack.DWord(0).Str("KM 2.0 Reminder Pack").DWord(1).Word(0xFFFF).Word(2).Word(9).Raw("CReminder");
    pack.DWord(0).Double(45292.0).DWord(0).Double(0.0).Word(0).Str("rpk").Word(0).Byte(0).Byte(0);
    pack.DWord(0).Double(31790.0).DWord(0).Double(1.0).Byte(0).DWord(0).Double(0.0);
    pack.Str("..\\sounds\\..").Str("icons\\..\\..\\key.ico").Byte(0).Str("Datafiles").DWord(0).DWord(0xFFFFFFFE);
    WriteAll(Path("in.rpk"), pack);

    CReminderList list;
    for (const char *name : { "in.ics", "in.csv", "in.rpk" })
        ASSERT_TRUE(CReminderExchange::ImportFile(list, Path(name), m_dir.Data()).m_Ok) << name;
    QStringList names;
    for (int i = 0; i < list.GetSize(); ++i)
        names << list[i].m_Message + QLatin1Char('=') + list[i].m_IconName + QLatin1Char('|') + list[i].m_SoundFileName;
    names.sort();
    // A subject that names no icon is the title, slashes and all.
    EXPECT_EQ(names, (QStringList { QStringLiteral("Lunch: \"a/b\" at 12\r\nkept=|"), QStringLiteral("csv=key.ico|"),
                                   QStringLiteral("ics=key.ico|secret.txt"), QStringLiteral("rpk=key.ico|") }));
    ASSERT_TRUE(CReminderExchange::ExportFile(list, Path("out.rpk"), CReminderPack::SelectAll(list), m_dir.Data()).m_Ok);
    EXPECT_FALSE(ReadAll(Path("out.rpk")).contains("SECRET"));
}

TEST_F(Exchange, PackTitleRules)
{
    EXPECT_TRUE(CReminderExchange::IsValidPackTitle(QStringLiteral("Birthdays 2024")));
    for (const char *bad : { "", "Mom's", "v1.0", "a:b", "a;b", "a\\b", "a/b", "say \"x\"" })
        EXPECT_FALSE(CReminderExchange::IsValidPackTitle(QString::fromLatin1(bad))) << bad;
}

// A reminder keeps its id through a pack and an iCalendar file; brought
// back into the list it came from, it is not doubled.
TEST_F(Exchange, PacksAndCalendarFilesKeepEachReminderItsId)
{
    const quint64 id = m_list[0].Id();
    ASSERT_NE(id, 0u);
    for (const char *name : { "out.rpk", "out.ics" }) {
        ASSERT_TRUE(CReminderExchange::ExportFile(m_list, Path(name), All(), m_dir.Data()).m_Ok) << name;
        CReminderList other;
        ASSERT_TRUE(CReminderExchange::ImportFile(other, Path(name), m_dir.Data()).m_Ok) << name;
        ASSERT_EQ(other.GetSize(), 1) << name;
        EXPECT_EQ(other[0].Id(), id) << name;
        CReminderExchange::ImportFile(m_list, Path(name), m_dir.Data());
        ASSERT_EQ(m_list.GetSize(), 1) << name;
        EXPECT_EQ(m_list[0].Id(), id) << name;
    }
}

} // namespace
