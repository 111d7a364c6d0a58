// Reading iCalendar text: folded lines of any length come back whole, and
// text built to make the reader slow is refused with a reason.
#include "ical/CIcsFile.h"
#include "ical/CIcsReader.h"
#include "model/CReminderList.h"

#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QByteArray calendar(const QByteArray &eventLines, const char *eol = "\r\n")
{
    QByteArray text = QByteArray("BEGIN:VCALENDAR") + eol + "VERSION:2.0" + eol + "BEGIN:VEVENT" + eol + "UID:u" + eol
        + "DTSTART:20260401T090000" + eol + eventLines + "END:VEVENT" + eol + "END:VCALENDAR" + eol;
    return text;
}

// text folded every 74 bytes, continuation lines starting with lead.
QByteArray folded(const QByteArray &text, char lead, const char *eol)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); i += 74) {
        if (i)
            out += eol + QByteArray(1, lead);
        out += text.mid(i, 74);
    }
    return out + eol;
}

} // namespace

TEST(IcsParser, FoldedLinesOfAnyLengthComeBackWhole)
{
    QByteArray words;
    for (int i = 0; words.size() < 1'000'000; ++i)
        words += "word" + QByteArray::number(i) + ' ';
    const char *eols[] = { "\r\n", "\n" };
    for (const char *eol : eols)
        for (char lead : { ' ', '\t' }) {
            SCOPED_TRACE(std::string(eol[0] == '\r' ? "CRLF " : "LF ") + (lead == ' ' ? "space" : "tab"));
            const CIcsReadResult r = CIcsReader::Read(calendar(folded("SUMMARY:" + words, lead, eol), eol));
            ASSERT_EQ(r.m_Events.size(), 1u) << r.m_Error.toStdString();
            // Trailing white space of a line is no part of its value.
            EXPECT_EQ(r.m_Events[0].m_Reminder.m_Message, QString::fromLatin1(words.trimmed()));
        }
    // One line, never folded, as some programs write.
    const CIcsReadResult one = CIcsReader::Read(calendar("DESCRIPTION:" + words + "\r\n"));
    ASSERT_EQ(one.m_Events.size(), 1u);
    EXPECT_EQ(one.m_Events[0].m_Reminder.m_Message.size(), words.trimmed().size());
}

TEST(IcsParser, ParametersByTheThousandAreRefused)
{
    QByteArray many = "X-A";
    for (int i = 0; i < 5000; ++i)
        many += ";P=\"a;b:c\"";
    const CIcsReadResult r = CIcsReader::Read(calendar(many + ":v\r\nSUMMARY:x\r\n"));
    EXPECT_TRUE(r.m_Events.empty());
    EXPECT_EQ(r.m_Error.toStdString(), "one of its lines has more parameters than any calendar uses");

    // Quoted ';' and ':' do not count, nor do those in the value.
    const CIcsReadResult fine = CIcsReader::Read(
        calendar("ATTENDEE;CN=\"A;B:C\";ROLE=REQ-PARTICIPANT:mailto:a@b\r\nSUMMARY:x;" + QByteArray(3000, ';') + "\r\n"));
    EXPECT_EQ(fine.m_Events.size(), 1u) << fine.m_Error.toStdString();
}

TEST(IcsParser, AnImportHearsHowFarItHasReadOnTheCallingThread)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.ics"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(calendar("SUMMARY:Long\r\nDESCRIPTION:" + QByteArray(2'000'000, 'x') + "\r\n"));
    file.close();
    struct Call
    {
        qint64 done, total;
        QThread *thread;
    };
    std::vector<Call> calls;
    CReminderList list;
    const CIcsFile::ImportReport report = CIcsFile::Import(
        list, path, QDateTime::currentDateTimeUtc(),
        [&](qint64 done, qint64 total) { calls.push_back({ done, total, QThread::currentThread() }); });
    EXPECT_EQ(report.m_Added, 1);
    EXPECT_EQ(list.GetSize(), 1);
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls.front().done, 0);
    EXPECT_EQ(calls.back().done, file.size());
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].total, file.size());
        EXPECT_EQ(calls[i].thread, QThread::currentThread());
        if (i) {
            EXPECT_GE(calls[i].done, calls[i - 1].done);
        }
    }
}

// Events are read one at a time, each with its own calendar: a time zone
// may come after the events that use it, two calendars may give one TZID
// different rules, and a calendar cut off before its end brings nothing.
TEST(IcsParser, EachEventIsReadWithItsOwnCalendarsZones)
{
    const auto zone = [](const char *offset) {
        return QByteArray("BEGIN:VTIMEZONE\r\nTZID:Office\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
                          "TZOFFSETFROM:")
            + offset + "\r\nTZOFFSETTO:" + offset + "\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    };
    const auto event = [](const char *uid, const char *summary) {
        return QByteArray("BEGIN:VEVENT\r\nUID:") + uid + "\r\nDTSTART;TZID=Office:20260401T090000\r\nSUMMARY:"
            + summary + "\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT5M\r\nEND:VALARM\r\nEND:VEVENT\r\n";
    };
    const QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + event("a", "East") + zone("+0200")
        + "END:VCALENDAR\r\n" + "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + zone("-0500") + event("b", "West")
        + "END:VCALENDAR\r\n" + "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + event("c", "Cut off");
    const CIcsReadResult r = CIcsReader::Read(text, QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC));
    ASSERT_TRUE(r.m_Error.isEmpty()) << r.m_Error.toStdString();
    ASSERT_EQ(r.m_Events.size(), 2u);
    EXPECT_EQ(r.m_Events[0].m_Uid, QStringLiteral("a"));
    EXPECT_EQ(r.m_Events[0].m_Reminder.m_DateTime.ToQDateTime(), QDateTime(QDate(2026, 4, 1), QTime(7, 0)));
    EXPECT_EQ(r.m_Events[1].m_Uid, QStringLiteral("b"));
    EXPECT_EQ(r.m_Events[1].m_Reminder.m_DateTime.ToQDateTime(), QDateTime(QDate(2026, 4, 1), QTime(14, 0)));
}
