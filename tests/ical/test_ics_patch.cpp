// Another program's event changed in its own text, keeping what it means.
#include "ical/CIcsPatch.h"
#include "support/CIcsExpand.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray phoneEvent()
{
    QFile f(QStringLiteral(KM_TEST_DATA "/sync/phone-event.ics"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QDateTime here(int month, int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, month, day), QTime(hour, minute));
}

// Every line ends in CRLF, none in a bare LF or CR.
bool crlfOnly(const QByteArray &text)
{
    return text.count("\r\n") == text.count('\n') && text.count("\r\n") == text.count('\r') && text.endsWith("\r\n");
}

const QDateTime kFrom(QDate(2026, 11, 1), QTime(0, 0), Qt::UTC);
const QDateTime kTo(QDate(2027, 6, 1), QTime(0, 0), Qt::UTC);

} // namespace

TEST(IcsPatch, AMoveTakesTheWholeSeriesItsExcludedAndChangedDaysAlongAndLeavesTheRestAsItStood)
{
    // A long line folded as its writer folded it, which the library would
    // fold elsewhere.
    QByteArray text = phoneEvent();
    text.replace("LOCATION:Room 4\\, second floor\r\n",
                 "LOCATION:Room 4\\, second floor\\, the one with the long table and \r\n the window\r\n");
    const std::vector<ics::Occurrence> before = ics::Occurrences(text, kFrom, kTo);
    ASSERT_GT(before.size(), 20u);
    const auto has = [&](const ics::Occurrence &o) { return std::find(before.begin(), before.end(), o) != before.end(); };
    ASSERT_TRUE(has({ QDateTime(QDate(2026, 12, 21), QTime(11, 0), Qt::UTC), QStringLiteral("Team call (moved)") }));
    ASSERT_FALSE(has({ QDateTime(QDate(2026, 12, 14), QTime(9, 0), Qt::UTC), QStringLiteral("Team call") }));
    for (const auto &[by, seconds] : { std::pair { "+90 min", 90 * 60 }, { "+1 day", 86400 }, { "-6 days", -6 * 86400 } }) {
        SCOPED_TRACE(by);
        CIcsPatch patch;
        QString error;
        ASSERT_TRUE(patch.Load(text, error)) << error.toStdString();
        ASSERT_EQ(patch.MoveStart(here(12, 7, 9), here(12, 7, 9).addSecs(seconds)), CIcsPatch::Moved);
        const QByteArray out = patch.Text();
        // Mondays become Tuesdays (or Tuesdays of the week before), the
        // excluded Monday stays excluded and the changed one stays changed.
        EXPECT_EQ(ics::Occurrences(out, kFrom.addSecs(seconds), kTo.addSecs(seconds)), ics::Moved(before, seconds));
        EXPECT_TRUE(out.contains("LOCATION:Room 4\\, second floor\\, the one with the long table and \r\n the window\r\n"));
        EXPECT_TRUE(out.contains("URL:https://example.com/call\r\nCATEGORIES:Work,Calls\r\n"));
        EXPECT_TRUE(crlfOnly(out));
    }
}

TEST(IcsPatch, AMoveThatARuleCannotFollowChangesNothingAndAnAllDayEventMovesByDays)
{
    // The last Friday a day later is not the last Saturday of every month.
    const QByteArray monthly = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:m\r\n"
                               "DTSTART:20261225T160000\r\nRRULE:FREQ=MONTHLY;BYDAY=-1FR\r\nSUMMARY:Pay day\r\n"
                               "END:VEVENT\r\nEND:VCALENDAR\r\n";
    CIcsPatch patch;
    QString error;
    ASSERT_TRUE(patch.Load(monthly, error));
    EXPECT_EQ(patch.MoveStart(here(12, 25, 16), here(12, 26, 16)), CIcsPatch::CannotFollow);
    EXPECT_EQ(patch.Text(), monthly);
    // Two weeks earlier it is the third Friday from the end.
    ASSERT_EQ(patch.MoveStart(here(12, 25, 16), here(12, 11, 16)), CIcsPatch::Moved);
    EXPECT_EQ(ics::Occurrences(patch.Text(), kFrom.addDays(-14), kTo.addDays(-14)),
              ics::Moved(ics::Occurrences(monthly, kFrom, kTo), -14 * 86400));
    EXPECT_TRUE(patch.Text().contains("BYDAY=-3FR")) << patch.Text().constData();

    const QByteArray allDay = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//EN\r\nBEGIN:VEVENT\r\nUID:a\r\n"
                              "DTSTART;VALUE=DATE:20261231\r\nDTEND;VALUE=DATE:20270101\r\nSUMMARY:Party\r\n"
                              "END:VEVENT\r\nEND:VCALENDAR\r\n";
    ASSERT_TRUE(patch.Load(allDay, error));
    EXPECT_EQ(patch.MoveStart(here(12, 31, 0), here(12, 31, 1, 30)), CIcsPatch::NotWholeDays);
    EXPECT_EQ(patch.Text(), allDay);
    ASSERT_EQ(patch.MoveStart(here(12, 31, 0), QDateTime(QDate(2027, 1, 2), QTime(0, 0))), CIcsPatch::Moved);
    EXPECT_TRUE(patch.Text().contains("DTSTART;VALUE=DATE:20270102\r\nDTEND;VALUE=DATE:20270103\r\n"))
        << patch.Text().constData();
}

TEST(IcsPatch, AnswersAndNoticesGoOnTheAlarmTheNoticeIsReadFromAndAnAnswerOnlyMovesLater)
{
    // Thunderbird's: a 15- and a 45-minute alarm, and its own answer.
    QFile f(QStringLiteral(KM_TEST_DATA "/ics/icalendar/calendars/alarm_thunderbird_closed.ics"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    CIcsPatch patch;
    QString error;
    ASSERT_TRUE(patch.Load(text, error));
    const QDateTime older(QDate(2024, 10, 23), QTime(14, 0), Qt::UTC), later(QDate(2024, 10, 23), QTime(14, 30), Qt::UTC);
    EXPECT_TRUE(patch.SetAcknowledged(older));
    std::vector<ics::Alarm> alarms = ics::Alarms(patch.Text());
    ASSERT_EQ(alarms.size(), 2u);
    EXPECT_EQ(alarms[0].m_Acknowledged, QString());
    EXPECT_EQ(alarms[1].m_Acknowledged, QStringLiteral("20241023T140000Z"));
    // Thunderbird's own answer was later already: it stays.
    EXPECT_EQ(ics::Property(patch.Text(), "X-MOZ-LASTACK"), QStringLiteral("20241023T141941Z"));
    EXPECT_FALSE(patch.SetAcknowledged(older.addSecs(-60)));
    EXPECT_TRUE(patch.SetAcknowledged(later));
    EXPECT_EQ(ics::Alarms(patch.Text())[1].m_Acknowledged, QStringLiteral("20241023T143000Z"));
    EXPECT_EQ(ics::Property(patch.Text(), "X-MOZ-LASTACK"), QStringLiteral("20241023T143000Z"));

    // A snooze of Thunderbird's that came due before an answer here is over.
    CIcsPatch snoozed;
    QFile s(QStringLiteral(KM_TEST_DATA "/ics/icalendar/calendars/alarm_thunderbird_snoozed_until_1457.ics"));
    ASSERT_TRUE(s.open(QIODevice::ReadOnly));
    const QByteArray snoozedText = s.readAll();
    ASSERT_EQ(ics::Property(snoozedText, "X-MOZ-SNOOZE-TIME"), QStringLiteral("20241023T135702Z"));
    ASSERT_TRUE(snoozed.Load(snoozedText, error));
    EXPECT_TRUE(snoozed.SetAcknowledged(QDateTime(QDate(2024, 10, 23), QTime(13, 58), Qt::UTC)));
    EXPECT_EQ(ics::Property(snoozed.Text(), "X-MOZ-SNOOZE-TIME"), QString());

    // 30 minutes goes over the 45 (the notice), not over the 15; 10 would
    // let the 15-minute alarm ring first.
    EXPECT_TRUE(patch.SetNotice(30));
    alarms = ics::Alarms(patch.Text());
    EXPECT_EQ(alarms[0].m_Before, 15 * 60);
    EXPECT_EQ(alarms[1].m_Before, 30 * 60);
    EXPECT_FALSE(patch.SetNotice(10));
    EXPECT_EQ(ics::Alarms(patch.Text())[1].m_Before, 30 * 60);
    EXPECT_TRUE(crlfOnly(patch.Text()));

    // Answers older than stands(t) allows are taken away.
    EXPECT_TRUE(patch.VoidAnswers([](const QDateTime &t) { return t.time() < QTime(14, 20); }));
    EXPECT_EQ(ics::Alarms(patch.Text())[1].m_Acknowledged, QString());
    EXPECT_EQ(ics::Property(patch.Text(), "X-MOZ-LASTACK"), QString());
}

TEST(IcsPatch, NewLinesAreCrLfAndFoldedAt75OctetsAndANewDescriptionDropsItsHtmlForm)
{
    const QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VEVENT\nUID:x\n"
                            "DTSTART:20261207T090000Z\nSUMMARY:Call\nDESCRIPTION:Bring the notes\n"
                            "X-ALT-DESC;FMTTYPE=text/html:<p>Bring the notes</p>\nEND:VEVENT\nEND:VCALENDAR\n";
    CIcsPatch patch;
    QString error;
    ASSERT_TRUE(patch.Load(text, error));
    EXPECT_FALSE(patch.SetAcknowledged(QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC)));
    const QString longer = QStringLiteral("Call back\nBring the notes, the slides and the café’s receipts from "
                                          "the trip to the fair ééééééééééééééééééééé");
    patch.SetMessage(longer);
    ASSERT_EQ(patch.MoveStart(here(12, 7, 9), here(12, 7, 8)), CIcsPatch::Moved);
    EXPECT_TRUE(patch.SetNotice(10));
    const QByteArray out = patch.Text();
    EXPECT_TRUE(crlfOnly(out)) << out.constData();
    for (const QByteArray &line : out.split('\n'))
        EXPECT_LE(line.size(), 76) << line.constData(); // 75 octets and the CR
    EXPECT_FALSE(out.contains("X-ALT-DESC"));
    EXPECT_EQ(ics::Property(out, "DESCRIPTION"), longer.section(QLatin1Char('\n'), 1));
    EXPECT_EQ(ics::Property(out, "DTSTART"), QStringLiteral("20261207T080000Z"));
    ASSERT_EQ(ics::Alarms(out).size(), 1u);
    EXPECT_EQ(ics::Alarms(out)[0].m_Before, 600);
    // No UTF-8 character is cut by a fold: the text reads back whole.
    EXPECT_EQ(QString::fromUtf8(out).toUtf8(), out);

    // No event at all: refused, not made up.
    EXPECT_FALSE(patch.Load("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nEND:VTODO\r\nEND:VCALENDAR\r\n", error));
    EXPECT_FALSE(error.isEmpty());
}
