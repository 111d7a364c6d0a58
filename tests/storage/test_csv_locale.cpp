// Calendar CSV files from Outlooks of other languages and locales: column
// names, the file's own date and time forms whatever the user's locale,
// and files whose dates fit either order.
#include "StorageFixtures.h"

#include "model/CReminderList.h"
#include "storage/CCalendarCsv.h"
#include "storage/CCalendarCsvForm.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// The user's locale for the length of a scope.
class LocaleGuard
{
public:
    explicit LocaleGuard(const char *name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~LocaleGuard() { QLocale::setDefault(m_saved); }
    LocaleGuard(const LocaleGuard &) = delete;
    LocaleGuard &operator=(const LocaleGuard &) = delete;

private:
    const QLocale m_saved;
};

const char *const kLocales[] = { "C", "en_US", "de_DE", "fr_FR" };

class CalendarCsvLocale : public ::testing::Test
{
protected:
    CCalendarCsv::ImportReport Import(const QByteArray &bytes)
    {
        const QString path = m_dir.At(QStringLiteral("in.csv"));
        WriteAll(path, bytes);
        m_list.RemoveAll();
        CCalendarCsv::ImportReport report;
        CCalendarCsv::ImportCSV(m_list, path, &report);
        return report;
    }

    CTempDataFolder m_dir;
    CReminderList m_list;
};

TEST_F(CalendarCsvLocale, UsGermanAndFrenchFilesGiveTheSameRemindersInEveryLocale)
{
    struct File { const char *name; QByteArray bytes; const char *dateForm; };
    const File files[] = {
        { "US",
          "\"Subject\",\"Start Date\",\"Start Time\",\"Description\",\"Private\"\r\n"
          "\"Call\",\"3/15/2024\",\"2:30:05 PM\",\"back\",\"TRUE\"\r\n"
          "\"Dentist\",\"12/1/2024\",\"9:05:00 AM\",,\"FALSE\"\r\n",
          "M/d/yyyy" },
        { "German",
          "\"Betreff\",\"Beginnt am\",\"Beginnt um\",\"Beschreibung\",\"Privat\"\r\n"
          "\"Call\",\"15.03.2024\",\"14:30:05\",\"back\",\"Ein\"\r\n"
          "\"Dentist\",\"01.12.2024\",\"09:05:00\",,\"Aus\"\r\n",
          "d.M.yyyy" },
        // As the French Outlook writes it: ANSI text, semicolons.
        { "French",
          "\"Objet\";\"Date de d\xE9" "but\";\"Heure de d\xE9" "but\";\"Description\";\"Priv\xE9\"\r\n"
          "\"Call\";\"15/03/2024\";\"14:30:05\";\"back\";\"Vrai\"\r\n"
          "\"Dentist\";\"01/12/2024\";\"09:05:00\";;\"Faux\"\r\n",
          "d/M/yyyy" },
    };
    for (const char *locale : kLocales) {
        const LocaleGuard guard(locale);
        for (const File &f : files) {
            SCOPED_TRACE(std::string(f.name) + " file under " + locale);
            const CCalendarCsv::ImportReport report = Import(f.bytes);
            EXPECT_EQ(report.m_Result, CCalendarCsv::Imported);
            EXPECT_EQ(report.m_DateForm, QLatin1String(f.dateForm));
            EXPECT_FALSE(report.m_AmbiguousDates);
            ASSERT_EQ(m_list.GetSize(), 2);
            EXPECT_EQ(m_list[0].m_DateTime, COleDateTime(2024, 3, 15, 14, 30, 5));
            EXPECT_EQ(m_list[0].m_Message, QStringLiteral("Call\r\nback"));
            EXPECT_TRUE(m_list[0].m_Private);
            EXPECT_EQ(m_list[1].m_DateTime, COleDateTime(2024, 12, 1, 9, 5, 0));
            EXPECT_EQ(m_list[1].m_Message, QStringLiteral("Dentist"));
            EXPECT_FALSE(m_list[1].m_Private);
        }
    }
}

TEST_F(CalendarCsvLocale, AmbiguousFileFollowsTheLocaleAndSaysSo)
{
    struct Case { const char *locale; int month; int day; const char *form; };
    const Case cases[] = {
        { "C", 3, 4, "M/d/yyyy" },
        { "en_US", 3, 4, "M/d/yyyy" },
        { "de_DE", 4, 3, "d/M/yyyy" },
        { "fr_FR", 4, 3, "d/M/yyyy" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.locale);
        const LocaleGuard guard(c.locale);
        const CCalendarCsv::ImportReport report =
            Import("Subject,Start Date,Start Time\r\nx,3/4/2027,10:00\r\ny,12/11/2027,11:00\r\n");
        EXPECT_TRUE(report.m_AmbiguousDates);
        EXPECT_EQ(report.m_DateForm, QLatin1String(c.form));
        ASSERT_EQ(m_list.GetSize(), 2);
        EXPECT_EQ(m_list[0].m_DateTime, COleDateTime(2027, c.month, c.day, 10, 0, 0));
        const QString message = CCalendarCsv::Message(report);
        EXPECT_TRUE(message.startsWith(CCalendarCsv::kImportedMessage));
        EXPECT_TRUE(message.contains(QLatin1String(c.form)));
    }
    // One day above 12 anywhere in the sample settles it.
    const LocaleGuard guard("de_DE");
    const auto report = Import("Subject,Start Date,Start Time\r\nx,3/4/2027,10:00\r\ny,1/13/2027,10:00\r\n");
    EXPECT_FALSE(report.m_AmbiguousDates);
    EXPECT_EQ(CCalendarCsv::Message(report), CCalendarCsv::kImportedMessage);
    ASSERT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list[1].m_DateTime, COleDateTime(2027, 3, 4, 10, 0, 0));
}

// The records held to find the forms and those read after them make one
// import, the record at the seam included.
TEST_F(CalendarCsvLocale, RecordsBeyondTheSampleAreReadAlike)
{
    QByteArray bytes("Subject,Start Date,Start Time,Surplus\r\n");
    const int rows = 5000;
    for (int i = 0; i < rows; ++i)
        bytes += "r" + QByteArray::number(i) + ",13." + QByteArray::number(i % 12 + 1) + ".2020,10:00,x,y\r\n";
    const auto report = Import(bytes);
    EXPECT_EQ(report.m_Records, rows);
    EXPECT_EQ(report.m_DateForm, QLatin1String("d.M.yyyy"));
    EXPECT_EQ(report.m_Undated, 0);
    EXPECT_EQ(report.m_Added, rows);
}

TEST(CalendarCsvColumns, LocalizedOutlookNamesMapOntoTheEnglishKeys)
{
    struct Case { const char *language; const char *names[5]; };
    const Case cases[] = {
        { "es", { "Asunto", "Fecha de comienzo", "Hora de comienzo", "Descripci\u00f3n", "Privado" } },
        { "it", { "Oggetto", "Data inizio", "Ora inizio", "Descrizione", "Privato" } },
        { "pt-BR", { "Assunto", "Data de in\u00edcio", "Hora de in\u00edcio", "Descri\u00e7\u00e3o", "Particular" } },
        { "pl", { "Temat", "Data rozpocz\u0119cia", "Godzina rozpocz\u0119cia", "Opis", "Prywatne" } },
        { "nl", { "Onderwerp", "Begindatum", "Begintijd", "Beschrijving", "Priv\u00e9" } },
    };
    const char *const keys[5] = { "subject", "start date", "start time", "description", "private" };
    for (const Case &c : cases)
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(CCalendarCsv::ColumnKey(QString::fromUtf8(c.names[k])), QLatin1String(keys[k])) << c.language;
    // Letter case, and an accent written as a letter and a combining mark.
    EXPECT_EQ(CCalendarCsv::ColumnKey(QStringLiteral(" PRIVE\u0301 ")), QLatin1String("private"));
}

TEST(CalendarCsvForm, FormsFoundFromTheSample)
{
    struct Case
    {
        std::vector<const char *> dates;
        std::vector<const char *> times;
        const char *date;
        const char *time;
    };
    const Case cases[] = {
        { { "2024-01-31", "2024-02-01" }, { "12:30 am" }, "yyyy-M-d", "h:mm AP" },
        { { "31.1.2024" }, { "9.05.00", "17.30.00" }, "d.M.yyyy", "H.mm.ss" },
        { { "1/31/2024", "2/1/2024", "soon" }, { "9:05PM", "10:00PM", "11:00" }, "M/d/yyyy", "h:mmAP" },
        // Two-digit years, names and other forms are left to the locale.
        { { "1/31/24", "31 Jan 2024" }, { "9 h 05", "21:00 Uhr" }, "", "" },
    };
    for (const Case &c : cases) {
        CCalendarCsvForm form;
        for (const char *d : c.dates)
            form.AddDate(QString::fromUtf8(d));
        for (const char *t : c.times)
            form.AddTime(QString::fromUtf8(t));
        form.Decide(QLocale::c());
        EXPECT_EQ(form.DateFormat(), QLatin1String(c.date)) << c.dates[0];
        EXPECT_EQ(form.TimeFormat(), QLatin1String(c.time)) << c.times[0];
    }
}

} // namespace
