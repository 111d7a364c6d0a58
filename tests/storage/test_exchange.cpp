// Export and import by file kind, with the messages the user sees.
#include "StorageFixtures.h"
#include "support/CRecordingMessageSink.h"

#include "model/CReminderList.h"
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
    CRecordingMessageSink m_sink;
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
    EXPECT_TRUE(CReminderExchange::ExportFile(m_list, Path("out.CSV"), All(), m_dir.Data()));
    EXPECT_TRUE(ReadAll(Path("out.CSV")).startsWith("\"Subject\""));
    EXPECT_TRUE(CReminderExchange::ExportFile(m_list, Path("out.txt"), All(), m_dir.Data()));
    EXPECT_FALSE(QFileInfo::exists(Path("out.txt")));
    EXPECT_TRUE(m_sink.m_messages.isEmpty());
}

TEST_F(Exchange, PackRoundTripAndSuccessMessage)
{
    ASSERT_TRUE(CReminderExchange::ExportFile(m_list, Path("out.rpk"), All(), m_dir.Data()));
    CReminderList other;
    CReminderPack::ImportReport report;
    EXPECT_TRUE(CReminderExchange::ImportFile(other, Path("out.rpk"), m_dir.Data(), &report));
    EXPECT_EQ(other.GetSize(), 1);
    EXPECT_EQ(report.m_Added.size(), 1u);
    EXPECT_EQ(m_sink.m_messages, QStringList { CReminderExchange::kPackImportedMessage });
    EXPECT_EQ(m_sink.m_icons.back(), CMessageSink::Information);
}

TEST_F(Exchange, TargetThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    const QString path = Path("no/such/folder/out.rpk");
    EXPECT_FALSE(CReminderExchange::ExportFile(m_list, path, All(), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages, QStringList { QStringLiteral("Sorry, there was an error opening ") + path
                                               + QStringLiteral(" for writing.") });
    m_sink.m_messages.clear();
    EXPECT_FALSE(CReminderExchange::ExportFile(m_list, Path("no/such/out.csv"), All(), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages.size(), 1);
}

TEST_F(Exchange, EmptySelectionLeavesNoEmptyPack)
{
    EXPECT_FALSE(CReminderExchange::ExportFile(m_list, Path("out.rpk"), { 0 }, m_dir.Data()));
    EXPECT_FALSE(QFileInfo::exists(Path("out.rpk")));
}

TEST_F(Exchange, ImportFailuresNameTheFile)
{
    EXPECT_FALSE(CReminderExchange::ImportFile(m_list, Path("missing.rpk"), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages.back(), CReminderExchange::CannotOpenMessage(Path("missing.rpk")));
    WriteAll(Path("bogus.rpk"), QByteArray("MZ\x90\x01 not a pack"));
    EXPECT_FALSE(CReminderExchange::ImportFile(m_list, Path("bogus.rpk"), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages.back(), CReminderExchange::NotAPackMessage(Path("bogus.rpk")));
    WriteAll(Path("cut.rpk"), CBytes().DWord(0).Str("KM 2.0 Reminder Pack").DWord(1).Word(0xFFFF));
    EXPECT_FALSE(CReminderExchange::ImportFile(m_list, Path("cut.rpk"), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages.back(), CReminderExchange::DamagedPackMessage(Path("cut.rpk")));
    const int shown = m_sink.m_messages.size();
    EXPECT_FALSE(CReminderExchange::ImportFile(m_list, Path("other.txt"), m_dir.Data()));
    EXPECT_EQ(m_sink.m_messages.size(), shown); // trace only
    EXPECT_EQ(m_list.GetSize(), 1);
}

TEST_F(Exchange, PackTitleRules)
{
    EXPECT_TRUE(CReminderExchange::IsValidPackTitle(QStringLiteral("Birthdays 2024")));
    for (const char *bad : { "", "Mom's", "v1.0", "a:b", "a;b", "a\\b", "a/b", "say \"x\"" })
        EXPECT_FALSE(CReminderExchange::IsValidPackTitle(QString::fromLatin1(bad))) << bad;
}

} // namespace
