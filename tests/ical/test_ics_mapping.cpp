// How one event or to-do becomes reminders: repeat rules, times and zones,
// alarms, to-dos, message, privacy and icon, and what is simplified.
#include "ical/CIcsReader.h"
#include "ical/CIcsRecurrence.h"
#include "model/CReminderCheck.h"

#include <gtest/gtest.h>

namespace {

// A zone with daylight saving of its own, so the file decides the offset.
const char *const kBerlin = "BEGIN:VTIMEZONE\r\nTZID:Test/Berlin\r\n"
                            "BEGIN:STANDARD\r\nDTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                            "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                            "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                            "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";

CIcsReadResult read(const QByteArray &item, const QByteArray &kind = "VEVENT")
{
    QByteArray text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:test\r\n";
    text += kBerlin;
    text += "BEGIN:" + kind + "\r\nUID:u1\r\n" + item + "END:" + kind + "\r\nEND:VCALENDAR\r\n";
    // Before the rules below that end have ended.
    return CIcsReader::Read(text, QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC));
}

std::string iso(const COleDateTime &t) { return t.ToQDateTime().toString(Qt::ISODate).toStdString(); }

double minutes(const CIcsEvent &e) { return std::round(e.m_Reminder.m_AdvanceNotice.GetTotalMinutes()); }

struct RuleCase
{
    const char *name;
    const char *lines;
    int kind;
    std::vector<const char *> starts; // one reminder each
    unsigned simplified;
};

class IcsRule : public ::testing::TestWithParam<RuleCase>
{
};

} // namespace

// 2026-04-01 is a Wednesday.
INSTANTIATE_TEST_SUITE_P(
    Forms, IcsRule,
    ::testing::Values(
        RuleCase { "none", "", RecurOneTime, { "2026-04-01T09:00:00" }, 0 },
        RuleCase { "yearly", "RRULE:FREQ=YEARLY\r\n", RecurAnnual, { "2026-04-01T09:00:00" }, 0 },
        RuleCase { "yearlyOwnDay", "RRULE:FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=1\r\n", RecurAnnual,
                   { "2026-04-01T09:00:00" }, 0 },
        RuleCase { "monthly", "RRULE:FREQ=MONTHLY;INTERVAL=1\r\n", RecurMonthly, { "2026-04-01T09:00:00" }, 0 },
        RuleCase { "weekly", "RRULE:FREQ=WEEKLY\r\n", RecurWeekly, { "2026-04-01T09:00:00" }, 0 },
        RuleCase { "weeklyDays", "RRULE:FREQ=WEEKLY;BYDAY=MO,WE,FR\r\n", RecurWeekly,
                   { "2026-04-01T09:00:00", "2026-04-03T09:00:00", "2026-04-06T09:00:00" }, 0 },
        RuleCase { "daily", "RRULE:FREQ=DAILY\r\n", RecurWeekly,
                   { "2026-04-01T09:00:00", "2026-04-02T09:00:00", "2026-04-03T09:00:00", "2026-04-04T09:00:00",
                     "2026-04-05T09:00:00", "2026-04-06T09:00:00", "2026-04-07T09:00:00" },
                   0 },
        RuleCase { "workdays", "RRULE:FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR\r\n", RecurWeekly,
                   { "2026-04-01T09:00:00", "2026-04-02T09:00:00", "2026-04-03T09:00:00", "2026-04-06T09:00:00",
                     "2026-04-07T09:00:00" },
                   0 },
        RuleCase { "everyOtherWeek", "RRULE:FREQ=WEEKLY;INTERVAL=2\r\n", RecurWeekly, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::Interval },
        RuleCase { "count", "RRULE:FREQ=MONTHLY;COUNT=3\r\n", RecurMonthly, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::End },
        RuleCase { "until", "RRULE:FREQ=YEARLY;UNTIL=20300101T000000Z\r\n", RecurAnnual, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::End },
        RuleCase { "exdate", "RRULE:FREQ=WEEKLY\r\nEXDATE:20260408T090000\r\n", RecurWeekly,
                   { "2026-04-01T09:00:00" }, CIcsRecurrence::ExDate },
        RuleCase { "rdate", "RDATE:20260501T090000\r\n", RecurOneTime, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::RDate },
        RuleCase { "hourly", "RRULE:FREQ=HOURLY;INTERVAL=4;COUNT=5\r\n", RecurOneTime, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::Frequent },
        RuleCase { "secondTuesday", "RRULE:FREQ=MONTHLY;BYDAY=2TU\r\n", RecurMonthly, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::Parts },
        RuleCase { "twoRules", "RRULE:FREQ=YEARLY\r\nRRULE:FREQ=MONTHLY\r\n", RecurAnnual,
                   { "2026-04-01T09:00:00" }, CIcsRecurrence::MoreRules },
        RuleCase { "badFrequency", "RRULE:FREQ=FORTNIGHTLY\r\n", RecurOneTime, { "2026-04-01T09:00:00" },
                   CIcsRecurrence::Unreadable }),
    [](const ::testing::TestParamInfo<RuleCase> &info) { return std::string(info.param.name); });

TEST_P(IcsRule, BecomesTheKindsAReminderHolds)
{
    const RuleCase &c = GetParam();
    const CIcsReadResult r = read(QByteArray("SUMMARY:x\r\nDTSTART:20260401T090000\r\n") + c.lines);
    ASSERT_TRUE(r.m_Error.isEmpty()) << r.m_Error.toStdString();
    ASSERT_EQ(r.m_Events.size(), c.starts.size());
    for (size_t i = 0; i < c.starts.size(); ++i) {
        EXPECT_EQ(iso(r.m_Events[i].m_Reminder.m_DateTime), c.starts[i]);
        EXPECT_EQ(r.m_Events[i].m_Reminder.m_Recurrence, c.kind);
        EXPECT_EQ(r.m_Events[i].m_Uid, QStringLiteral("u1"));
        EXPECT_EQ(r.m_Events[i].m_Simplified, c.simplified != 0);
    }
    EXPECT_EQ(r.m_Simplified, c.simplified ? 1 : 0);
    if (c.simplified) {
        ASSERT_EQ(r.m_Notes.size(), 1);
        EXPECT_EQ(r.m_Notes[0], QStringLiteral("1 event: ")
                      + CIcsRecurrence::Describe(static_cast<CIcsRecurrence::Simplification>(c.simplified))
                      + QLatin1Char('.'));
        EXPECT_EQ(r.m_Events[0].m_SimplifiedHow,
                  CIcsRecurrence::Describe(static_cast<CIcsRecurrence::Simplification>(c.simplified)));
    } else {
        EXPECT_TRUE(r.m_Notes.isEmpty()) << r.m_Notes.join(QLatin1Char('|')).toStdString();
    }
}

// The tests run with TZ=UTC, so local time is UTC.
TEST(IcsTimes, ZonesAndFormsBecomeLocalWallClock)
{
    struct Case
    {
        const char *dtstart;
        const char *local;
        bool simplified;
    };
    const Case cases[] = {
        // The file's own zone, on both sides of its spring change.
        { "DTSTART;TZID=Test/Berlin:20260328T100000", "2026-03-28T09:00:00", false },
        { "DTSTART;TZID=Test/Berlin:20260330T100000", "2026-03-30T08:00:00", false },
        // A zone the system knows, without a VTIMEZONE.
        { "DTSTART;TZID=America/New_York:20260115T100000", "2026-01-15T15:00:00", false },
        { "DTSTART;TZID=America/New_York:20260715T100000", "2026-07-15T14:00:00", false },
        { "DTSTART;TZID=/mozilla.org/20050126_1/Europe/Paris:20260715T100000", "2026-07-15T08:00:00", false },
        { "DTSTART:20260715T100000Z", "2026-07-15T10:00:00", false },
        { "DTSTART:20260715T100000", "2026-07-15T10:00:00", false },
        { "DTSTART;VALUE=DATE:20260715", "2026-07-15T00:00:00", false },
        // Nobody knows this zone: the wall clock as written, and said so.
        { "DTSTART;TZID=Nowhere/Atlantis:20260715T100000", "2026-07-15T10:00:00", true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.dtstart);
        const CIcsReadResult r = read(QByteArray(c.dtstart) + "\r\nSUMMARY:x\r\n");
        ASSERT_EQ(r.m_Events.size(), 1u);
        EXPECT_EQ(iso(r.m_Events[0].m_Reminder.m_DateTime), c.local);
        EXPECT_EQ(r.m_Simplified, c.simplified ? 1 : 0);
    }
}

TEST(IcsAlarms, EarliestDisplayOrAudioAlarmGivesTheNotice)
{
    struct Case
    {
        const char *name;
        const char *lines;
        double minutes;
        bool simplified;
    };
    const Case cases[] = {
        { "none", "", 0, false },
        { "relative", "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER:-P1DT2H30M\r\nEND:VALARM\r\n",
          24 * 60 + 150, false },
        { "weeks", "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-P1W\r\nEND:VALARM\r\n", 7 * 24 * 60, false },
        { "absolute", "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER;VALUE=DATE-TIME:20260401T064500Z\r\n"
                      "END:VALARM\r\n", 135, false },
        { "relatedEnd", "DTEND:20260401T100000\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\n"
                        "TRIGGER;RELATED=END:-PT90M\r\nEND:VALARM\r\n", 30, false },
        { "earliestOfTwo", "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER:-PT5M\r\nEND:VALARM\r\n"
                           "BEGIN:VALARM\r\nACTION:AUDIO\r\nTRIGGER:-PT2H\r\nEND:VALARM\r\n", 120, false },
        { "mailIgnored", "BEGIN:VALARM\r\nACTION:EMAIL\r\nDESCRIPTION:a\r\nSUMMARY:s\r\nATTENDEE:mailto:a@b\r\n"
                         "TRIGGER:-P2D\r\nEND:VALARM\r\n", 0, false },
        { "afterStart", "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER:PT10M\r\nEND:VALARM\r\n", 0,
          true },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const CIcsReadResult r = read(QByteArray("DTSTART:20260401T090000\r\nSUMMARY:x\r\n") + c.lines);
        ASSERT_EQ(r.m_Events.size(), 1u);
        EXPECT_EQ(minutes(r.m_Events[0]), c.minutes);
        EXPECT_EQ(r.m_Simplified, c.simplified ? 1 : 0);
    }
}

TEST(IcsAlarms, AnAnswerFromAnyClientSilencesEveryOccurrenceWhoseAlarmRangByThen)
{
    const char *alarm = "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER:-PT15M\r\n"
                        "ACKNOWLEDGED:%1\r\nEND:VALARM\r\n";
    const auto withAnswer = [&](const char *start, const char *at, const QByteArray &more = {}) {
        return read(QByteArray(start) + "SUMMARY:x\r\n" + more
                    + QString::fromLatin1(alarm).arg(QLatin1String(at)).toUtf8());
    };
    const CIcsReadResult late = withAnswer("DTSTART:20260401T090000Z\r\n", "20260401T084600Z");
    ASSERT_EQ(late.m_Events.size(), 1u);
    EXPECT_TRUE(late.m_Events[0].m_Reminder.m_Shown);
    EXPECT_EQ(iso(late.m_Events[0].m_Reminder.m_LastShown), "2026-04-01T08:46:00");
    // Answered before the alarm time: an older occurrence, not this one.
    const CIcsReadResult early = withAnswer("DTSTART:20260401T090000Z\r\n", "20260301T090000Z");
    ASSERT_EQ(early.m_Events.size(), 1u);
    EXPECT_FALSE(early.m_Events[0].m_Reminder.m_Shown);

    // A weekly event dismissed elsewhere on 8 April: quiet that day, not
    // the week after.
    const CIcsReadResult weekly = withAnswer("DTSTART:20260401T090000Z\r\nRRULE:FREQ=WEEKLY\r\n", "20260408T084700Z");
    ASSERT_EQ(weekly.m_Events.size(), 1u);
    const CReminder &r = weekly.m_Events[0].m_Reminder;
    EXPECT_FALSE(CReminderCheck::IsDue(r, COleDateTime(2026, 4, 8, 8, 50, 0)));
    EXPECT_TRUE(CReminderCheck::IsDue(r, COleDateTime(2026, 4, 15, 8, 50, 0)));

    // Thunderbird keeps its answer on the event, and a snooze of its own
    // after it brings the alarm back.
    const QByteArray moz = "DTSTART:20260401T090000Z\r\nSUMMARY:x\r\nX-MOZ-LASTACK:20260401T084700Z\r\n"
                           "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:a\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\n";
    EXPECT_TRUE(read(moz).m_Events.at(0).m_Reminder.m_Shown);
    EXPECT_FALSE(read(moz + "X-MOZ-SNOOZE-TIME:20260401T085200Z\r\n").m_Events.at(0).m_Reminder.m_Shown);

    // In an event this program wrote, its own shown state stands unless
    // another client answered later.
    const QByteArray own = "X-KESTRELMARK-DATETIME:46113.375;0\r\nX-KESTRELMARK-SHOWN:0\r\n";
    EXPECT_TRUE(withAnswer("DTSTART:20260401T090000\r\n", "20260401T084700Z", own).m_Events.at(0).m_Reminder.m_Shown);
    const QByteArray ownShown = "X-KESTRELMARK-DATETIME:46113.375;0\r\nX-KESTRELMARK-SHOWN:1\r\n"
                                "X-KESTRELMARK-LASTSHOWN:46113.3680555555555556;0\r\n"; // 08:50
    const CIcsReadResult stands = withAnswer("DTSTART:20260401T090000\r\n", "20260401T084700Z", ownShown);
    EXPECT_EQ(iso(stands.m_Events.at(0).m_Reminder.m_LastShown), "2026-04-01T08:50:00");
}

TEST(IcsTodos, DueElseStartElseLeftOut)
{
    const CIcsReadResult due = read("DTSTART:20260301T080000\r\nDUE:20260402T170000\r\nSUMMARY:Tax\r\n", "VTODO");
    ASSERT_EQ(due.m_Events.size(), 1u);
    EXPECT_EQ(iso(due.m_Events[0].m_Reminder.m_DateTime), "2026-04-02T17:00:00");
    EXPECT_EQ(due.m_Events[0].m_Reminder.m_Message, QStringLiteral("Tax"));

    const CIcsReadResult start = read("DTSTART;VALUE=DATE:20260301\r\nSUMMARY:Tax\r\n", "VTODO");
    ASSERT_EQ(start.m_Events.size(), 1u);
    EXPECT_EQ(iso(start.m_Events[0].m_Reminder.m_DateTime), "2026-03-01T00:00:00");

    const CIcsReadResult none = read("SUMMARY:Some day\r\n", "VTODO");
    EXPECT_TRUE(none.m_Events.empty());
    EXPECT_EQ(none.m_Skipped, 1);
    ASSERT_EQ(none.m_Notes.size(), 1);
    EXPECT_TRUE(none.m_Notes[0].startsWith(QLatin1String("1 event left out: a to-do without")));
}

TEST(IcsText, SummaryDescriptionClassAndCategories)
{
    struct Case
    {
        const char *lines;
        const char *message;
        bool isPrivate;
        const char *icon;
    };
    const Case cases[] = {
        { "SUMMARY:Dentist\r\n", "Dentist", false, "" },
        { "SUMMARY:Dentist\r\nDESCRIPTION:Dentist\\nBring the card\r\n", "Dentist\nBring the card", false, "" },
        { "SUMMARY:Dentist\r\nDESCRIPTION:Bring the card\r\n", "Dentist\nBring the card", false, "" },
        { "DESCRIPTION:Only text\r\nCLASS:CONFIDENTIAL\r\n", "Only text", true, "" },
        { "SUMMARY:Anna\r\nCLASS:PRIVATE\r\nCATEGORIES:Family,birthday\r\n", "Anna", true, "Birthday" },
        { "SUMMARY:Äpfel – 🍎\r\nCLASS:PUBLIC\r\nCATEGORIES:Work\r\n", "Äpfel – 🍎", false, "" },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.lines);
        const CIcsReadResult r = read(QByteArray("DTSTART:20260401T090000\r\n") + c.lines);
        ASSERT_EQ(r.m_Events.size(), 1u);
        EXPECT_EQ(r.m_Events[0].m_Reminder.m_Message, QString::fromUtf8(c.message));
        EXPECT_EQ(r.m_Events[0].m_Reminder.m_Private, c.isPrivate);
        EXPECT_EQ(r.m_Events[0].m_Reminder.m_IconName, QString::fromUtf8(c.icon));
    }
}

TEST(IcsBadInput, RefusedAsAWholeOrInPart)
{
    EXPECT_FALSE(CIcsReader::Read(QByteArray()).m_Error.isEmpty());
    EXPECT_FALSE(CIcsReader::Read("Subject,Start Date\r\nx,y\r\n").m_Error.isEmpty());
    EXPECT_FALSE(CIcsReader::Read("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nEND:VCALENDAR\r\n").m_Error.isEmpty());
    // Refused on its size alone, before a byte of it is looked at.
    EXPECT_FALSE(CIcsReader::Read(QByteArray(CIcsReader::kMaxBytes + 1, Qt::Uninitialized)).m_Error.isEmpty());

    // Nested far deeper than any calendar, folded lines included.
    QByteArray deep = "BEGIN:VCALENDAR\r\n";
    for (int i = 0; i < 200000; ++i)
        deep += i % 2 ? "BEGIN:X-A\r\n" : "BEG\r\n IN;X=1:X-A\r\n";
    EXPECT_FALSE(CIcsReader::Read(deep).m_Error.isEmpty());

    // A zone whose rule changes every second is not expanded: its name is
    // unknown, so the time is read as local time and said so.
    const CIcsReadResult evil = CIcsReader::Read(
        "BEGIN:VCALENDAR\r\nBEGIN:VTIMEZONE\r\nTZID:Evil\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
        "RRULE:FREQ=SECONDLY\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nUID:a\r\nDTSTART;TZID=Evil:20260101T100000\r\nSUMMARY:x\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    ASSERT_EQ(evil.m_Events.size(), 1u);
    EXPECT_EQ(iso(evil.m_Events[0].m_Reminder.m_DateTime), "2026-01-01T10:00:00");
    EXPECT_EQ(evil.m_Simplified, 1);

    // One whole event, one without a start, one changed occurrence.
    const CIcsReadResult part = CIcsReader::Read(
        "\xEF\xBB\xBF" "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260401T090000\r\nSUMMARY:ok\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:no start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:a\r\nRECURRENCE-ID:20260408T090000\r\nDTSTART:20260409T090000\r\nEND:VEVENT\r\n"
        "END:VCALENDAR\r\n");
    EXPECT_TRUE(part.m_Error.isEmpty());
    ASSERT_EQ(part.m_Events.size(), 1u);
    EXPECT_EQ(part.m_Events[0].m_Reminder.m_Message, QStringLiteral("ok"));
    EXPECT_EQ(part.m_Skipped, 2);
    EXPECT_EQ(part.m_Notes.size(), 2);

    // Bytes that are not UTF-8: the line and the byte are named, imported
    // or refused.
    const QByteArray latin1 = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a\r\nDTSTART:20260401T090000\r\n"
                              "SUMMARY:Caf\xE9\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const CIcsReadResult cafe = CIcsReader::Read(latin1);
    ASSERT_EQ(cafe.m_Events.size(), 1u);
    ASSERT_FALSE(cafe.m_Notes.isEmpty());
    EXPECT_EQ(cafe.m_Notes[0].toStdString(),
              "line 5 is not UTF-8 text: its byte 12 is 0xE9 (read as a replacement character)");
    QByteArray broken = latin1;
    broken.replace("DTSTART:20260401T090000", "DTSTART:2026\xFF" "0401T090000");
    EXPECT_TRUE(CIcsReader::Read(broken).m_NotUtf8.startsWith(QLatin1String("line 4 ")));

    // Bytes after a NUL are no part of any calendar.
    QByteArray nul("BEGIN:VEVENT\r\nDTSTART:20260401T090000\r\nSUMMARY:a\r\nEND:VEVENT\r\n");
    nul += QByteArray(1, '\0') + "BEGIN:VEVENT\r\nDTSTART:20260401T090000\r\nEND:VEVENT\r\n";
    EXPECT_EQ(CIcsReader::Read(nul).m_Events.size(), 1u);
}
