// Reminders exported as iCalendar and read back are the same, field for
// field; the text is what other calendars expect.
#include "ical/CIcsReader.h"
#include "ical/CIcsWriter.h"

#include <gtest/gtest.h>

namespace {

CReminder reminder(int y, int mo, int d, int h, int mi, int kind, const COleDateTimeSpan &notice, const QString &message)
{
    CReminder r;
    r.m_DateTime = COleDateTime(y, mo, d, h, mi, 0);
    r.m_Recurrence = static_cast<quint16>(kind);
    r.m_AdvanceNotice = notice;
    r.m_Message = message;
    r.m_IconName = QStringLiteral("Birthday");
    return r;
}

void expectSame(const CReminder &a, const CReminder &b)
{
    EXPECT_EQ(a.m_DateTime.GetValue(), b.m_DateTime.GetValue());
    EXPECT_EQ(a.m_DateTime.GetStatus(), b.m_DateTime.GetStatus());
    EXPECT_EQ(a.m_LastShown.GetValue(), b.m_LastShown.GetValue());
    EXPECT_EQ(a.m_ReshowInterval, b.m_ReshowInterval);
    EXPECT_EQ(a.m_AdvanceNotice, b.m_AdvanceNotice);
    EXPECT_EQ(a.m_IconNumber, b.m_IconNumber);
    EXPECT_EQ(a.m_Message.toStdString(), b.m_Message.toStdString());
    EXPECT_EQ(a.m_Recurrence, b.m_Recurrence);
    EXPECT_EQ(a.m_Private, b.m_Private);
    EXPECT_EQ(a.m_Shown, b.m_Shown);
    EXPECT_EQ(a.m_ReservedFlag, b.m_ReservedFlag);
    EXPECT_EQ(a.m_ReservedSpan, b.m_ReservedSpan);
    EXPECT_EQ(a.m_SoundFileName.toStdString(), b.m_SoundFileName.toStdString());
    EXPECT_EQ(a.m_IconName.toStdString(), b.m_IconName.toStdString());
    EXPECT_EQ(a.m_ReservedFlag2, b.m_ReservedFlag2);
}

std::vector<CReminder> sample()
{
    std::vector<CReminder> list;
    list.push_back(reminder(2026, 1, 13, 9, 0, RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("Dentist")));
    list.push_back(reminder(2026, 2, 28, 0, 0, RecurAnnual, COleDateTimeSpan(3, 0, 0, 0), QStringLiteral("Birthday")));
    list.push_back(reminder(2026, 3, 31, 18, 45, RecurMonthly, COleDateTimeSpan(0, 5, 0, 0), QStringLiteral("Rent")));
    list.push_back(reminder(2026, 4, 1, 7, 15, RecurWeekly, COleDateTimeSpan(1, 2, 30, 0),
                            QStringLiteral("Bins out\nthen café ☕, \"quotes\"; commas, back\\slash")));
    CReminder odd = reminder(2027, 12, 31, 23, 59, RecurOneTime, COleDateTimeSpan(0, 0, 10, 0),
                             QStringLiteral("Old file\r\nwith CR LF\rand lone CR"));
    odd.m_Private = true;
    odd.m_Shown = true;
    odd.m_LastShown = COleDateTime(2027, 12, 31, 23, 50, 7);
    odd.m_ReshowInterval = COleDateTimeSpan(0.125);
    odd.m_IconNumber = 17;
    odd.m_IconName = QStringLiteral("Mon icône; spécial, \\ %");
    odd.m_SoundFileName = QStringLiteral("/home/me/sounds/bell, loud;1.wav");
    odd.m_ReservedFlag = true;
    odd.m_ReservedFlag2 = true;
    odd.m_ReservedSpan = COleDateTimeSpan(2.5);
    list.push_back(odd);
    // Spaces at either end of the message, which readers take off a value.
    list.push_back(reminder(2026, 5, 2, 8, 0, RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("  Indented\nand trailing  ")));
    // A date with a fraction no whole second gives, and an unknown repeat code.
    CReminder raw = reminder(2026, 6, 1, 12, 0, 7, COleDateTimeSpan(0.0), QString());
    raw.m_DateTime = COleDateTime(raw.m_DateTime.GetValue() + 1e-9);
    list.push_back(raw);
    CReminder invalid = reminder(2026, 6, 1, 12, 0, RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("no date"));
    invalid.m_DateTime.SetStatus(COleDateTime::invalid);
    list.push_back(invalid);
    return list;
}

} // namespace

TEST(IcsRoundTrip, EveryFieldComesBackForEveryKind)
{
    const std::vector<CReminder> list = sample();
    const CIcsReadResult back = CIcsReader::Read(CIcsWriter::WriteCalendar(list));
    EXPECT_TRUE(back.m_Error.isEmpty()) << back.m_Error.toStdString();
    EXPECT_EQ(back.m_Skipped, 0);
    EXPECT_EQ(back.m_Simplified, 0);
    ASSERT_EQ(back.m_Events.size(), list.size());
    for (size_t i = 0; i < list.size(); ++i) {
        SCOPED_TRACE(i);
        expectSame(back.m_Events[i].m_Reminder, list[i]);
        EXPECT_EQ(back.m_Events[i].m_Uid, CIcsWriter::UidFor(list[i]));
        EXPECT_FALSE(back.m_Events[i].m_Acknowledged);
    }
}

TEST(IcsRoundTrip, UidStaysForTheSameContentAndChangesWithIt)
{
    CReminder r = sample()[1];
    const QString uid = CIcsWriter::UidFor(r);
    EXPECT_EQ(CIcsWriter::UidFor(r), uid);
    r.m_Shown = true; // showing it is no new content
    EXPECT_EQ(CIcsWriter::UidFor(r), uid);
    r.m_Message += QLatin1Char('!');
    EXPECT_NE(CIcsWriter::UidFor(r), uid);
}

TEST(IcsRoundTrip, AcknowledgedAlarmReadsBack)
{
    CReminder r = sample()[0];
    r.m_LastShown = COleDateTime(2026, 1, 13, 9, 1, 0);
    const CIcsReadResult back = CIcsReader::Read(CIcsWriter::WriteEvent(r, QStringLiteral("abc@x"), true));
    ASSERT_EQ(back.m_Events.size(), 1u);
    EXPECT_TRUE(back.m_Events[0].m_Acknowledged);
    EXPECT_EQ(back.m_Events[0].m_Uid, QStringLiteral("abc@x"));
    expectSame(back.m_Events[0].m_Reminder, r);
}

TEST(IcsRoundTrip, ExportIsPlainICalendarOtherProgramsRead)
{
    const QByteArray text = CIcsWriter::WriteCalendar(sample());
    EXPECT_TRUE(text.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(text.contains("VERSION:2.0\r\n"));
    EXPECT_TRUE(text.contains("PRODID:-//Quendrake Inc//Kestrelmark 2.0//EN\r\n"));
    EXPECT_TRUE(text.contains("DTSTART:20260113T090000\r\n")); // floating
    EXPECT_TRUE(text.contains("RRULE:FREQ=YEARLY\r\n"));
    EXPECT_TRUE(text.contains("RRULE:FREQ=MONTHLY\r\n"));
    EXPECT_TRUE(text.contains("RRULE:FREQ=WEEKLY\r\n"));
    EXPECT_TRUE(text.contains("TRIGGER:-P1DT2H30M\r\n")) << text.constData();
    EXPECT_TRUE(text.contains("CLASS:PRIVATE\r\n"));
    EXPECT_TRUE(text.contains("SUMMARY:Bins out\r\n"));
}
