// Times in zones other than this computer's: the clocks' changes (times
// they skip or pass twice), rules kept in another zone, and series that
// end, read as on a given day.
#include "ical/CIcsReader.h"
#include "ical/CIcsRecurrence.h"
#include "ical/CIcsZones.h"

#include <gtest/gtest.h>
#include <time.h>

namespace {

// This computer's zone for one test, restored whatever happens.
class LocalZone
{
public:
    explicit LocalZone(const char *tz) : m_old(qgetenv("TZ"))
    {
        qputenv("TZ", tz);
        tzset();
    }
    ~LocalZone()
    {
        qputenv("TZ", m_old);
        tzset();
    }

private:
    QByteArray m_old;
};

const char *const kBerlinZone = "BEGIN:VTIMEZONE\r\nTZID:Test/Berlin\r\n"
                                "BEGIN:STANDARD\r\nDTSTART:19701025T030000\r\nRRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\n"
                                "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\n"
                                "BEGIN:DAYLIGHT\r\nDTSTART:19700329T020000\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\n"
                                "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n";

const QDateTime kReadAt(QDate(2026, 4, 20), QTime(12, 0), Qt::UTC); // a Monday

CIcsReadResult readZoned(const QByteArray &lines)
{
    return CIcsReader::Read(QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:test\r\n") + kBerlinZone
                                + "BEGIN:VEVENT\r\nUID:u\r\nSUMMARY:x\r\n" + lines + "END:VEVENT\r\nEND:VCALENDAR\r\n",
                            kReadAt);
}

std::vector<std::string> startsOf(const CIcsReadResult &r)
{
    std::vector<std::string> out;
    for (const CIcsEvent &e : r.m_Events)
        out.push_back(e.m_Reminder.m_DateTime.ToQDateTime().toString(Qt::ISODate).toStdString());
    return out;
}

struct ZoneCase
{
    const char *lines;
    std::vector<std::string> starts;
    unsigned simplified;
    int kind = RecurOneTime;
};

void expectMapped(const ZoneCase &c)
{
    SCOPED_TRACE(c.lines);
    const CIcsReadResult r = readZoned(c.lines);
    EXPECT_EQ(startsOf(r), c.starts);
    const QString how = CIcsRecurrence::DescribeAll(c.simplified);
    for (const CIcsEvent &e : r.m_Events) {
        EXPECT_EQ(e.m_SimplifiedHow.toStdString(), how.toStdString());
        EXPECT_EQ(e.m_Reminder.m_Recurrence, c.kind);
    }
}

} // namespace

TEST(IcsZones, TimesTheClocksSkipOrPassTwiceFollowTheRfc)
{
    LocalZone utc("UTC");
    const ZoneCase cases[] = {
        // Skipped: the offset before the skip, so 02:30 is 03:30 summer time.
        { "DTSTART;TZID=America/New_York:20260308T023000\r\n", { "2026-03-08T07:30:00" }, 0 },
        { "DTSTART;TZID=Test/Berlin:20260329T023000\r\n", { "2026-03-29T01:30:00" }, 0 },
        // Passed twice: the first, still summer time.
        { "DTSTART;TZID=America/New_York:20261101T013000\r\n", { "2026-11-01T05:30:00" }, 0 },
        { "DTSTART;TZID=Test/Berlin:20261025T023000\r\n", { "2026-10-25T00:30:00" }, 0 },
    };
    for (const ZoneCase &c : cases)
        expectMapped(c);
}

TEST(IcsZones, RulesKeepTheHourOfTheirZoneAndSayWhereItMovesHere)
{
    LocalZone berlin("Europe/Berlin");
    const ZoneCase cases[] = {
        // UTC has no summer time: an hour later here from spring to autumn.
        { "DTSTART:20260707T090000Z\r\nRRULE:FREQ=WEEKLY\r\n", { "2026-07-07T11:00:00" }, CIcsRecurrence::ZoneHour,
          RecurWeekly },
        { "DTSTART:20260105T090000Z\r\nRRULE:FREQ=MONTHLY\r\n", { "2026-01-05T10:00:00" }, CIcsRecurrence::ZoneHour,
          RecurMonthly },
        // The same zone, by name or by its own rules: nothing moves.
        { "DTSTART;TZID=Europe/Berlin:20260105T090000\r\nRRULE:FREQ=WEEKLY\r\n", { "2026-01-05T09:00:00" }, 0,
          RecurWeekly },
        { "DTSTART;TZID=Test/Berlin:20260705T090000\r\nRRULE:FREQ=YEARLY\r\n", { "2026-07-05T09:00:00" }, 0,
          RecurAnnual },
        // New York's Wednesday and Friday 23:00 are Thursday and Saturday
        // here; the two zones change their clocks weeks apart.
        { "DTSTART;TZID=America/New_York:20260422T230000\r\nRRULE:FREQ=WEEKLY;BYDAY=WE,FR\r\n",
          { "2026-04-23T05:00:00", "2026-04-25T05:00:00" }, CIcsRecurrence::ZoneHour, RecurWeekly },
        // Once only: nothing to move.
        { "DTSTART:20260707T090000Z\r\n", { "2026-07-07T11:00:00" }, 0 },
    };
    for (const ZoneCase &c : cases)
        expectMapped(c);
    LocalZone utc("UTC");
    expectMapped({ "DTSTART:20260707T090000Z\r\nRRULE:FREQ=WEEKLY\r\n", { "2026-07-07T09:00:00" }, 0, RecurWeekly });
}

TEST(IcsSeries, ASeriesThatEndsKeepsWhatIsLeftOfIt)
{
    LocalZone utc("UTC");
    const ZoneCase cases[] = {
        // 6, 13, 20 April at 09:00 are past at noon on the 20th; the 27th is left.
        { "DTSTART:20260406T090000\r\nRRULE:FREQ=WEEKLY;COUNT=4\r\n", { "2026-04-27T09:00:00" },
          CIcsRecurrence::OneLeft },
        { "DTSTART;TZID=Test/Berlin:20260406T110000\r\nRRULE:FREQ=WEEKLY;UNTIL=20260427T090000Z\r\n",
          { "2026-04-27T09:00:00" }, CIcsRecurrence::OneLeft },
        // A series of one is a one-time event, past or not.
        { "DTSTART:20260401T090000\r\nRRULE:FREQ=DAILY;COUNT=1\r\n", { "2026-04-01T09:00:00" },
          CIcsRecurrence::OneLeft },
        // A whole day counts while it lasts.
        { "DTSTART;VALUE=DATE:20260418\r\nRRULE:FREQ=DAILY;COUNT=3\r\n", { "2026-04-20T00:00:00" },
          CIcsRecurrence::OneLeft },
        // More than one left: the repeat stays, its end is dropped.
        { "DTSTART:20260406T090000\r\nRRULE:FREQ=WEEKLY;COUNT=5\r\n", { "2026-04-06T09:00:00" },
          CIcsRecurrence::End, RecurWeekly },
    };
    for (const ZoneCase &c : cases)
        expectMapped(c);

    const char *const over[] = {
        "DTSTART:20260101T090000\r\nRRULE:FREQ=WEEKLY;UNTIL=20260301T000000Z\r\n",
        "DTSTART:20260406T090000\r\nRRULE:FREQ=WEEKLY;COUNT=3\r\n",
        // The one left is excluded.
        "DTSTART:20260406T090000\r\nRRULE:FREQ=WEEKLY;COUNT=4\r\nEXDATE:20260427T090000\r\n",
    };
    for (const char *lines : over) {
        SCOPED_TRACE(lines);
        const CIcsReadResult r = readZoned(lines);
        EXPECT_TRUE(r.m_Events.empty());
        EXPECT_EQ(r.m_Skipped, 1);
        EXPECT_EQ(r.m_Notes.join(QLatin1Char('|')).toStdString(),
                  "1 event left out: a repeating event whose last occurrence is past.");
    }
}

// The table of a zone's changes gives what Qt gives, at the changes, a
// second either side of them, and beyond the span the table covers; and
// this computer's zone follows TZ.
TEST(IcsZones, OffsetsAsQtGivesThem)
{
    const LocalZone here("America/Sao_Paulo");
    const CIcsZones zones;
    ASSERT_TRUE(zones.Here().isValid());
    EXPECT_EQ(zones.Here().id(), QByteArray("America/Sao_Paulo"));
    const QDateTime from(QDate(1890, 1, 1), QTime(0, 0), Qt::UTC);
    const QDateTime to(QDate(2210, 1, 1), QTime(0, 0), Qt::UTC);
    for (const char *id : { "Europe/Berlin", "America/New_York", "Australia/Lord_Howe", "Asia/Kathmandu" }) {
        const QTimeZone zone = zones.System(id);
        ASSERT_TRUE(zone.isValid()) << id;
        std::vector<QDateTime> probes { from, to, from.addYears(20), to.addYears(-20) };
        for (const QTimeZone::OffsetData &t : zone.transitions(from.addYears(60), to.addYears(-60)))
            probes.insert(probes.end(), { t.atUtc.addSecs(-1), t.atUtc, t.atUtc.addSecs(1) });
        for (const QDateTime &at : probes)
            EXPECT_EQ(zones.OffsetAt(zone, at), zone.offsetFromUtc(at)) << id << " " << qPrintable(at.toString(Qt::ISODate));
    }
    EXPECT_EQ(zones.System("/mozilla.org/20050126_1/Europe/Berlin").id(), QByteArray("Europe/Berlin"));
    EXPECT_FALSE(zones.System("Nowhere/Special").isValid());
}
