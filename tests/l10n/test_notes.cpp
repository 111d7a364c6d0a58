// What the iCalendar import and the sync say of a file: English where it is
// kept and read back, the user's words where it is shown.
#include "ical/CIcsFile.h"
#include "ical/CIcsReader.h"
#include "l10n/CNotes.h"
#include "l10n/CTranslations.h"
#include "sync/CSyncEngine.h"
#include "sync/CSyncIcs.h"

#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

// Every other week, one date excluded, and a changed occurrence of it.
const QByteArray kChoir = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Elsewhere//EN\r\n"
                          "BEGIN:VEVENT\r\nUID:choir@elsewhere\r\nDTSTART:20270105T190000\r\n"
                          "RRULE:FREQ=WEEKLY;INTERVAL=2\r\nEXDATE:20270202T190000\r\nSUMMARY:Chorprobe\r\nEND:VEVENT\r\n"
                          "BEGIN:VEVENT\r\nUID:choir@elsewhere\r\nRECURRENCE-ID:20270119T190000\r\n"
                          "DTSTART:20270119T200000\r\nSUMMARY:Chorprobe\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

const QDateTime kNow(QDate(2026, 12, 10), QTime(8, 0), QTimeZone::utc());

} // namespace

TEST(Notes, TheImportSaysInTheLanguageWhatItKeepsInEnglish)
{
    const CTranslations german(CTranslations::Scope::ProgramOnly, QLocale(QLocale::German, QLocale::Germany));
    const CIcsReadResult read = CIcsReader::Read(kChoir, kNow);
    EXPECT_EQ((QStringList { "1 event: a repeat interval above 1 was read as 1.",
                             "1 event: its excluded dates (EXDATE) were not kept.",
                             "1 event left out: a changed occurrence of a repeating event (RECURRENCE-ID) has no reminder "
                             "of its own." }),
              read.m_Notes);

    CIcsFile::ImportReport report;
    report.m_Result = CIcsFile::Imported;
    report.m_Added = 1;
    report.m_Simplified = read.m_Simplified;
    report.m_LeftOut = read.m_Skipped;
    report.m_Notes = read.m_Notes;
    const QString shown = CIcsFile::Message(report, QStringLiteral("/tmp/Chor.ics"));
    EXPECT_TRUE(shown.contains(QStringLiteral("1 Termin: ein Wiederholungsabstand über 1 wurde als 1 gelesen.")))
        << shown.toStdString();
    for (const QString &note : read.m_Notes)
        EXPECT_FALSE(shown.contains(note)) << note.toStdString() << "\n" << shown.toStdString();

    // The sync reads the same notes back for one event; what it shows of
    // them is the language's, with the reminder's own words as they are.
    CSyncEvent event;
    QString error;
    ASSERT_TRUE(CSyncIcs::Read(kChoir, event, error)) << error.toStdString();
    EXPECT_EQ("a repeat interval above 1 was read as 1; its excluded dates (EXDATE) were not kept; a changed "
              "occurrence of a repeating event (RECURRENCE-ID) has no reminder of its own",
              event.m_SimplifiedHow);
    CSyncEngine::Outcome out;
    out.m_Simplified << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(QStringLiteral("Chorprobe"), event.m_SimplifiedHow);
    out.m_Conflicts = 2;
    const QString details = out.Details();
    EXPECT_TRUE(details.startsWith(QStringLiteral("1 Termin vereinfacht:\n- Chorprobe: ein Wiederholungsabstand über 1 "
                                                  "wurde als 1 gelesen; ")))
        << details.toStdString();
    EXPECT_FALSE(details.contains(QStringLiteral("EXDATE) were"))) << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("2 Erinnerungen wurden hier und auf dem Server geändert"))) << details.toStdString();
}

// A failure told in parts: each part the language's, what no pattern
// knows (an address, a server's own words) as it came.
TEST(Notes, AFailureIsShownPartByPart)
{
    const CTranslations french(CTranslations::Scope::ProgramOnly, QLocale(QLocale::French, QLocale::France));
    const QString english = CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2"))
                                .arg(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "finding the calendar")),
                                     CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the server answered %1")).arg(404));
    EXPECT_EQ("finding the calendar: the server answered 404", english);
    EXPECT_EQ(QString::fromUtf8("recherche de l’agenda\u00a0: le serveur a répondu 404"), CNotes::Shown(english));
    EXPECT_EQ("Zahnarzt; 50 % off", CNotes::Shown(QStringLiteral("Zahnarzt; 50 % off")));
    EXPECT_EQ("Praxis: Kontrolle", CNotes::Shown(QStringLiteral("Praxis: Kontrolle")));
    const QString count = CNotes::Note(QT_TRANSLATE_N_NOOP("CNotes", "%n events left out: %1."), 3)
                              .arg(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no start date")));
    EXPECT_EQ("3 events left out: no start date.", count);
    EXPECT_EQ(QString::fromUtf8("3 événements laissés de côté\u00a0: aucune date de début."), CNotes::Shown(count));
}
