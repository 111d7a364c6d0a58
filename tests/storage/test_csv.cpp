// The Outlook calendar file: the CSV reader and writer, the export columns,
// the import rules, and the real exports under samples/csv.
#include "StorageFixtures.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CCsvFile.h"

#include <QBuffer>
#include <QDirIterator>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

std::vector<QStringList> readAll(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CCsvFile file;
    file.OpenDevice(&buffer);
    std::vector<QStringList> records;
    while (file.ReadLine()) {
        QStringList fields;
        while (file.MoreFields())
            fields << file.ReadField();
        records.push_back(fields);
    }
    return records;
}

TEST(CsvFile, QuotedFieldsRunAcrossLineEndsAndDoubledQuotesAreOneQuote)
{
    const auto r = readAll("a,\"two\r\nlines\",\"say \"\"hi\"\"\",\r\nnext,\"\"\r\n");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (QStringList { "a", "two\r\nlines", "say \"hi\"", "" }));
    EXPECT_EQ(r[1], (QStringList { "next", "" }));
}

TEST(CsvFile, LineBreaksInsideFieldsBecomeCrLfWhateverTheFileUses)
{
    for (const QByteArray &eol : { QByteArray("\n"), QByteArray("\r"), QByteArray("\r\n") }) {
        const auto r = readAll("x,\"1" + eol + "2\"" + eol + "y,z" + eol);
        ASSERT_EQ(r.size(), 2u) << eol.toHex().constData();
        EXPECT_EQ(r[0][1], QStringLiteral("1\r\n2"));
        EXPECT_EQ(r[1], (QStringList { "y", "z" }));
    }
}

TEST(CsvFile, LongFieldIsTakenWhole)
{
    const QByteArray text(5000, 'w');
    const auto r = readAll("\"" + text + "\",after\r\n" + text + ",after\r\n");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0], (QStringList { QString::fromLatin1(text), "after" }));
    EXPECT_EQ(r[1], (QStringList { QString::fromLatin1(text), "after" }));
}

TEST(CsvFile, LastRecordWithoutLineEndAndBlankLines)
{
    const auto r = readAll("a,b\r\n\r\n\nc,d");
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1], (QStringList { "c", "d" }));
    EXPECT_TRUE(readAll("").empty());
    const auto unclosed = readAll("a,\"never closed\r\nstill");
    ASSERT_EQ(unclosed.size(), 1u);
    EXPECT_EQ(unclosed[0][1], QStringLiteral("never closed\r\nstill"));
}

TEST(CsvFile, SeparatorComesFromTheFirstLine)
{
    EXPECT_EQ(readAll("a~b~\"c,d\"\n1~2~3\n")[1], (QStringList { "1", "2", "3" }));
    EXPECT_EQ(readAll("a;b;c\n1;2,5;3\n")[1], (QStringList { "1", "2,5", "3" }));
    EXPECT_EQ(readAll("a\tb\n1\t2\n")[1], (QStringList { "1", "2" }));
    EXPECT_EQ(readAll("a,b;c\n1,2;3\n")[1], (QStringList { "1", "2;3" }));
}

TEST(CsvFile, BlanksBeforeAnOpeningQuoteAndTextAfterAClosingOne)
{
    EXPECT_EQ(readAll("\"x\", \"y\",  z \n")[0], (QStringList { "x", "y", "  z " }));
    EXPECT_EQ(readAll("\"ab\"cd,e\n")[0], (QStringList { "abcd", "e" }));
    EXPECT_EQ(readAll("5\" disk,e\n")[0], (QStringList { "5\" disk", "e" }));
}

TEST(CsvFile, TextEncodings)
{
    EXPECT_EQ(readAll("\xEF\xBB\xBFSubject\n")[0], QStringList { "Subject" });
    EXPECT_EQ(readAll("Gr\xC3\xBC\xC3\x9F""e\n")[0], QStringList { QStringLiteral("Gr\u00fc\u00dfe") });
    EXPECT_EQ(readAll("Gr\xFC\xDF""e \x80\n")[0], QStringList { QStringLiteral("Gr\u00fc\u00dfe \u20ac") });
    // The first non-ASCII bytes decide, however far into the file.
    const QByteArray asciiHead = QByteArray(100000, 'a') + "\n";
    EXPECT_EQ(readAll(asciiHead + "caf\xC3\xA9\n")[1], QStringList { QStringLiteral("caf\u00e9") });
    EXPECT_EQ(readAll(asciiHead + "caf\xE9\n")[1], QStringList { QStringLiteral("caf\u00e9") });
    const QString text = QStringLiteral("a,\u00e9\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    EXPECT_EQ(readAll(utf16)[0], (QStringList { "a", QStringLiteral("\u00e9") }));
}

TEST(CsvFile, WrittenFieldsAreQuotedWithQuotesDoubled)
{
    CTempDataFolder dir;
    const QString path = dir.At(QStringLiteral("w.csv"));
    CCsvFile out;
    ASSERT_TRUE(out.Open(path, CCsvFile::modeWrite));
    out.WriteField(QStringLiteral("say \"hi\""));
    out.WriteText(QStringLiteral(","));
    out.WriteText(QStringLiteral(","));
    out.WriteField(QStringLiteral("caf\u00e9"));
    out.WriteText(QStringLiteral("\n"));
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("\"say \"\"hi\"\"\",,\"caf\xE9\"\r\n"));
    // Text the ANSI code page cannot hold is written as UTF-8.
    ASSERT_TRUE(out.Open(path, CCsvFile::modeWrite));
    out.WriteField(QStringLiteral("\u2603"));
    ASSERT_TRUE(out.Close());
    EXPECT_EQ(ReadAll(path), QByteArray("\xEF\xBB\xBF\"\xE2\x98\x83\""));
}

class CalendarCsv : public ::testing::Test
{
protected:
    QString Path(const char *name) const { return m_dir.At(QLatin1String(name)); }
    CCalendarCsv::ImportReport Import(const QByteArray &bytes)
    {
        WriteAll(Path("in.csv"), bytes);
        CCalendarCsv::ImportReport report;
        CCalendarCsv::ImportCSV(m_list, Path("in.csv"), &report);
        return report;
    }
    static QStringList Row(const QByteArray &file, int row)
    {
        const auto records = readAll(file);
        return row < static_cast<int>(records.size()) ? records[row] : QStringList();
    }

    CTempDataFolder m_dir;
    CReminderList m_list;
};

TEST_F(CalendarCsv, ExportWritesTheHeaderAndTheTwentyTwoColumns)
{
    CReminder r = MakeReminder(2024, 3, 15, 9, 0, QStringLiteral("Two\r\nlines \"quoted\""));
    r.m_AdvanceNotice = COleDateTimeSpan(0, 2, 0, 0);
    r.m_Private = true;
    r.m_IconName = QStringLiteral("Gift");
    m_list.InsertSorted(r);
    m_list.InsertSorted(MakeReminder(2024, 3, 16, 9, 0, QStringLiteral("not selected")));
    ASSERT_TRUE(CCalendarCsv::ExportCSV(m_list, Path("out.csv"), { 1, 0 }));
    const QByteArray file = ReadAll(Path("out.csv"));
    EXPECT_TRUE(file.startsWith("\"Subject\",\"Start Date\",\"Start Time\",\"End Date\",\"End Time\",\"All day "
                                "event\",\"Reminder on/off\",\"Reminder Date\",\"Reminder Time\",\"Meeting "
                                "Organizer\",\"Required Attendees\",\"Optional Attendees\",\"Meeting "
                                "Resources\",\"Billing Information\",\"Categories\",\"Description\",\"Location\","
                                "\"Mileage\",\"Priority\",\"Private\",\"Sensitivity\",\"Show time as\"\r\n"));
    EXPECT_EQ(readAll(file).size(), 2u);
    const QStringList row = Row(file, 1);
    ASSERT_EQ(row.size(), 22);
    EXPECT_EQ(row[0], QStringLiteral("Gift"));
    EXPECT_EQ(row[1], COleDateTime(2024, 3, 15, 0, 0, 0).Format());
    EXPECT_EQ(row[2], COleDateTime(9 / 24.0).Format());
    EXPECT_EQ(row[3], row[1]);
    EXPECT_EQ(row[4], COleDateTime(9.5 / 24.0).Format());
    EXPECT_EQ(row[5], QStringLiteral("FALSE"));
    EXPECT_EQ(row[6], QStringLiteral("TRUE"));
    EXPECT_EQ(row[7], row[1]);
    EXPECT_EQ(row[8], COleDateTime(7 / 24.0).Format());
    for (int c = 9; c < 15; ++c)
        EXPECT_EQ(row[c], QString()) << c;
    EXPECT_EQ(row[15], QStringLiteral("Two  lines \"quoted\"")); // one space for CR, one for LF
    EXPECT_EQ(row[18], QStringLiteral("Normal"));
    EXPECT_EQ(row[19], QStringLiteral("TRUE"));
    EXPECT_EQ(row[20], QStringLiteral("Normal"));
    EXPECT_EQ(row[21], QStringLiteral("2"));
    // Empty columns are nothing between their separators.
    EXPECT_TRUE(file.contains("\"TRUE\",\"" + row[7].toLatin1() + "\",\"" + row[8].toLatin1() + "\",,,,,,,\"Two"));
}

TEST_F(CalendarCsv, AppointmentNearMidnightEndsOnTheNextDay)
{
    m_list.InsertSorted(MakeReminder(2024, 12, 31, 23, 45, QStringLiteral("late")));
    ASSERT_TRUE(CCalendarCsv::ExportCSV(m_list, Path("out.csv"), { 1 }));
    const QStringList row = Row(ReadAll(Path("out.csv")), 1);
    EXPECT_EQ(row[3], COleDateTime(2025, 1, 1, 0, 0, 0).Format());
    EXPECT_EQ(row[4], COleDateTime(0.25 / 24.0).Format());
}

TEST_F(CalendarCsv, ExportedFileImportsBackToTheSameReminders)
{
    CReminder r = MakeReminder(2024, 2, 29, 18, 30, QStringLiteral("Leap \"day\""));
    r.m_Private = true;
    m_list.InsertSorted(r);
    ASSERT_TRUE(CCalendarCsv::ExportCSV(m_list, Path("out.csv"), { 1 }));
    CReminderList back;
    CCalendarCsv::ImportReport report;
    EXPECT_EQ(CCalendarCsv::ImportCSV(back, Path("out.csv"), &report), CCalendarCsv::Imported);
    ASSERT_EQ(back.GetSize(), 1);
    EXPECT_EQ(back[0].m_DateTime, r.m_DateTime);
    EXPECT_EQ(back[0].m_Message, r.m_Message);
    EXPECT_EQ(back[0].m_IconName, QStringLiteral("Birthday"));
    EXPECT_TRUE(back[0].m_Private);
    EXPECT_EQ(back[0].m_Recurrence, RecurOneTime);
}

// Outlook writes the appointment's title as the Subject, where the
// program's own export writes the icon's name.
TEST_F(CalendarCsv, OutlookTitlesBecomeMessagesAndIconNamesStayIcons)
{
    Import("Subject,Start Date,Start Time,Description\r\n"
           "Dentist,6/3/2024,2:15 PM,Bring the forms\r\n"
           "Team lunch,6/4/2024,12:00 PM,\r\n"
           "Gift,6/5/2024,9:00 AM,Buy flowers\r\n"
           ",6/6/2024,9:00 AM,\r\n");
    ASSERT_EQ(m_list.GetSize(), 4);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("Dentist\r\nBring the forms"));
    EXPECT_EQ(m_list[0].m_IconName, QString());
    EXPECT_EQ(m_list[1].m_Message, QStringLiteral("Team lunch"));
    EXPECT_EQ(m_list[2].m_Message, QStringLiteral("Buy flowers"));
    EXPECT_EQ(m_list[2].m_IconName, QStringLiteral("Gift"));
    EXPECT_EQ(m_list[3].m_Message, QString());
    m_list.RemoveAll();
    Import("Subject,Start Date\r\nReview,6/7/2024\r\nStar,6/8/2024\r\n");
    ASSERT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("Review"));
    EXPECT_EQ(m_list[1].m_Message, QString()) << "never the placeholder";
    EXPECT_EQ(m_list[1].m_IconName, QStringLiteral("Star"));
}

TEST_F(CalendarCsv, OwnExportRoundTripsByteForByte)
{
    const char *icons[] = { "Gift", "birthdays\\cake.ico", "" };
    for (int i = 0; i < 3; ++i) {
        CReminder r = MakeReminder(2024, 4, 2 + i, 8 + i, 15, QStringLiteral("Message %1\r\nsecond line").arg(i));
        r.m_IconName = QString::fromLatin1(icons[i]);
        m_list.InsertSorted(r);
    }
    ASSERT_TRUE(CCalendarCsv::ExportCSV(m_list, Path("first.csv"), { 1, 1, 1 }));
    CReminderList back;
    ASSERT_EQ(CCalendarCsv::ImportCSV(back, Path("first.csv")), CCalendarCsv::Imported);
    ASSERT_EQ(back.GetSize(), 3);
    ASSERT_TRUE(CCalendarCsv::ExportCSV(back, Path("again.csv"), { 1, 1, 1 }));
    EXPECT_EQ(ReadAll(Path("again.csv")), ReadAll(Path("first.csv")));
}

TEST_F(CalendarCsv, ColumnsAreFoundByNameInAnyOrderAndCase)
{
    Import("PRIVATE,description,Start Time,START DATE,subject,Location\r\n"
           "true,Dentist,14:15,2024-06-03,Medical,Main St\r\n");
    ASSERT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].m_DateTime, COleDateTime(2024, 6, 3, 14, 15, 0));
    EXPECT_EQ(m_list[0].m_Message, QStringLiteral("Dentist"));
    EXPECT_EQ(m_list[0].m_IconName, QStringLiteral("Medical"));
    EXPECT_TRUE(m_list[0].m_Private);
}

TEST_F(CalendarCsv, DateAndTimeForms)
{
    struct Case { const char *date; const char *time; COleDateTime expected; };
    const Case cases[] = {
        { "3/15/2024", "9:05 AM", COleDateTime(2024, 3, 15, 9, 5, 0) },
        { "12/31/1999", "11:59:59 PM", COleDateTime(1999, 12, 31, 23, 59, 59) },
        { "15.3.2024", "17:30", COleDateTime(2024, 3, 15, 17, 30, 0) },
        { "29.02.2024", "00:00:00", COleDateTime(2024, 2, 29, 0, 0, 0) },
        { "2024-01-01", "12:00 PM", COleDateTime(2024, 1, 1, 12, 0, 0) },
        { "2024-01-01", "12:30 am", COleDateTime(2024, 1, 1, 0, 30, 0) },
    };
    for (const Case &c : cases) {
        m_list.RemoveAll();
        Import(QByteArray("Subject,Start Date,Start Time\r\nx,") + c.date + "," + c.time + "\r\n");
        ASSERT_EQ(m_list.GetSize(), 1) << c.date;
        EXPECT_EQ(m_list[0].m_DateTime, c.expected) << c.date << " " << c.time;
    }
}

// A time column is read as a time even where the same text could be a
// date of the locale ("9.05.00" is also 9 May 2000 in Finnish).
TEST_F(CalendarCsv, TimesInTheLocaleFormAreReadAsTimes)
{
    QLocale::setDefault(QLocale(QLocale::Finnish, QLocale::Finland));
    Import("Subject,Start Date,Start Time\r\nx,15.3.2024,9.05.00\r\ny,16.3.2024,17.30\r\n");
    QLocale::setDefault(QLocale::c());
    ASSERT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list[0].m_DateTime, COleDateTime(2024, 3, 15, 9, 5, 0));
    EXPECT_EQ(m_list[1].m_DateTime, COleDateTime(2024, 3, 16, 17, 30, 0));
}

TEST_F(CalendarCsv, UnreadableDateIsStillInsertedWithAnInvalidDate)
{
    const auto report = Import("Subject,Start Date,Start Time\r\nbad,2/30/2023,10:00\r\nworse,soon,10:00\r\n"
                               "time,1/2/2024,25:61\r\n");
    EXPECT_EQ(report.m_Records, 3);
    EXPECT_EQ(report.m_Undated, 3);
    ASSERT_EQ(m_list.GetSize(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(m_list[i].m_DateTime.GetStatus(), COleDateTime::invalid);
}

TEST_F(CalendarCsv, DefaultsOfAnImportedReminder)
{
    Import("Subject\r\nonly a subject\r\n");
    ASSERT_EQ(m_list.GetSize(), 1);
    const CReminder &r = m_list[0];
    EXPECT_EQ(r.m_DateTime, CReminder::kDefaultDate);
    EXPECT_EQ(r.m_Message, QStringLiteral("only a subject"));
    EXPECT_EQ(r.m_Recurrence, RecurOneTime);
    EXPECT_EQ(r.m_IconNumber, 0);
    EXPECT_EQ(r.m_AdvanceNotice, COleDateTimeSpan(0.0));
    EXPECT_EQ(r.m_ReshowInterval, COleDateTimeSpan(1.0));
}

TEST_F(CalendarCsv, IconNameCarriesOverToARecordWithoutASubject)
{
    Import("Subject,Start Date,Description\r\nGift,1/1/2024,a\r\n,1/2/2024,b\r\n");
    ASSERT_EQ(m_list.GetSize(), 2);
    // An empty field still sets the subject; a missing one does not.
    EXPECT_EQ(m_list[1].m_IconName, QString());
    m_list.RemoveAll();
    Import("Start Date,Description,Subject\r\n1/1/2024,a,Gift\r\n1/2/2024,b\r\n");
    ASSERT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list[0].m_IconName, QStringLiteral("Gift"));
    EXPECT_EQ(m_list[1].m_IconName, QStringLiteral("Gift"));
}

TEST_F(CalendarCsv, SameFileTwiceAddsItsRemindersOnce)
{
    const QByteArray file = "Subject,Start Date,Start Time,Description\r\nA,1/1/2024,9:00,x\r\nB,1/2/2024,9:00,y\r\n";
    EXPECT_EQ(Import(file).m_Added, 2);
    const auto second = Import(file);
    EXPECT_EQ(second.m_Added, 0);
    EXPECT_EQ(second.m_Skipped, 2);
    EXPECT_EQ(m_list.GetSize(), 2);
}

TEST_F(CalendarCsv, SurplusFieldsAreIgnoredAndLongDescriptionsKeptWhole)
{
    const QString longText(5000, QLatin1Char('d'));
    Import("Subject,Description\r\nGift,\"" + longText.toLatin1() + "\",surplus,more\r\n");
    ASSERT_EQ(m_list.GetSize(), 1);
    EXPECT_EQ(m_list[0].m_Message, longText);
    EXPECT_EQ(m_list[0].m_IconName, QStringLiteral("Gift"));
}

TEST_F(CalendarCsv, EmptyUnopenableAndNonCalendarFiles)
{
    EXPECT_EQ(Import("").m_Result, CCalendarCsv::Empty);
    EXPECT_EQ(CCalendarCsv::ImportCSV(m_list, Path("missing.csv")), CCalendarCsv::CannotOpen);
    EXPECT_EQ(Import("First Name,Last Name,Private\r\nA,B,true\r\n").m_Result, CCalendarCsv::NotCalendar);
    EXPECT_EQ(m_list.GetSize(), 0);
}

QString sample(const char *relative) { return QStringLiteral(KM_TESTDATA_DIR "/csv/") + QLatin1String(relative); }

TEST_F(CalendarCsv, GermanOutlookExport)
{
    CCalendarCsv::ImportReport report;
    ASSERT_EQ(CCalendarCsv::ImportCSV(m_list, sample("horde-data/fixtures/getcsv/bug_4025.csv"), &report),
              CCalendarCsv::Imported);
    EXPECT_EQ(report.m_Records, 1);
    ASSERT_EQ(m_list.GetSize(), 1);
    const CReminder &r = m_list[0];
    EXPECT_EQ(r.m_IconName, QString());
    EXPECT_EQ(r.m_DateTime, COleDateTime(2006, 5, 2, 11, 50, 0));
    // The title; the description is a quoted line break and nothing else.
    EXPECT_EQ(r.m_Message, QStringLiteral("Burger Download Session"));
    EXPECT_FALSE(r.m_Private);                       // "Aus"
}

TEST_F(CalendarCsv, TildeSeparatedExportWithAMultiLineHtmlDescription)
{
    ASSERT_EQ(CCalendarCsv::ImportCSV(m_list, sample("horde-data/fixtures/getcsv/bug_3839.csv")), CCalendarCsv::Imported);
    ASSERT_EQ(m_list.GetSize(), 1);
    const CReminder &r = m_list[0];
    EXPECT_EQ(r.m_IconName, QString());
    EXPECT_EQ(r.m_DateTime, COleDateTime(2004, 11, 8, 10, 30, 0));
    EXPECT_TRUE(r.m_Message.startsWith(QStringLiteral("Inservice on new resource: \"CPNP Toolkit\"\r\nCPN Program ...\r\nInservice on new resource: \"CPNP Toolkit\"\r\n\r\n<b>")));
    EXPECT_TRUE(r.m_Message.endsWith(QStringLiteral("Come check out the new resource!")));
    EXPECT_TRUE(r.m_Message.contains(QStringLiteral("<a href=\"F041108A-Eval.pdf\" target=\"_blank\">")));
    EXPECT_GT(r.m_Message.size(), 1000);
}

TEST_F(CalendarCsv, EverySampleFileReadsWithoutHarm)
{
    QDirIterator it(QStringLiteral(KM_TESTDATA_DIR "/csv"), { QStringLiteral("*.csv") }, QDir::Files,
                    QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        CReminderList list;
        CCalendarCsv::ImportReport report;
        const auto result = CCalendarCsv::ImportCSV(list, path, &report);
        EXPECT_TRUE(result == CCalendarCsv::Imported || result == CCalendarCsv::NotCalendar) << path.toStdString();
        EXPECT_LE(list.GetSize(), report.m_Records);
        EXPECT_TRUE(list.IsSorted());
        ++files;
    }
    EXPECT_GE(files, 30);
}

} // namespace
