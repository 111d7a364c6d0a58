// Another program's event changed in its own text.
#include "ical/CIcsPatch.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray phoneEvent()
{
    QFile f(QStringLiteral(KM_TEST_DATA "/sync/phone-event.ics"));
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

} // namespace

TEST(IcsPatch, AMoveKeepsTheEventsZoneAndEveryOtherLineAsItStood)
{
    // A long line folded as its writer folded it, which the library would
    // fold elsewhere.
    QByteArray text = phoneEvent();
    text.replace("LOCATION:Room 4\\, second floor\r\n",
                 "LOCATION:Room 4\\, second floor\\, the one with the long table and \r\n the window\r\n");
    CIcsPatch patch;
    QString error;
    ASSERT_TRUE(patch.Load(text, error)) << error.toStdString();
    patch.MoveStart(90 * 60);
    patch.SetNotice(30);
    const QByteArray out = patch.Text();
    QByteArray expected = text;
    expected.replace("DTSTART;TZID=America/New_York:20261207T090000", "DTSTART;TZID=America/New_York:20261207T103000");
    expected.replace("DTEND;TZID=America/New_York:20261207T100000", "DTEND;TZID=America/New_York:20261207T113000");
    expected.replace("ACTION:DISPLAY\r\nDESCRIPTION:Team call\r\nTRIGGER:-PT15M",
                     "ACTION:DISPLAY\r\nDESCRIPTION:Team call\r\nTRIGGER:-PT30M");
    EXPECT_EQ(out.toStdString(), expected.toStdString());
}

TEST(IcsPatch, AnEventWithoutADisplayAlarmGetsOneAndLineEndsStayAsTheyWere)
{
    const QByteArray text = "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VEVENT\nUID:x\n"
                            "DTSTART:20261207T090000Z\nSUMMARY:Call\nDESCRIPTION:Bring the notes\nEND:VEVENT\nEND:VCALENDAR\n";
    CIcsPatch patch;
    QString error;
    ASSERT_TRUE(patch.Load(text, error));
    EXPECT_FALSE(patch.SetAcknowledged(QDateTime(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC)));
    patch.SetMessage(QStringLiteral("Call back\nBring the notes"));
    patch.MoveStart(-3600);
    patch.SetNotice(10);
    EXPECT_EQ(patch.Text().toStdString(),
              "BEGIN:VCALENDAR\nVERSION:2.0\nPRODID:-//Other//EN\nBEGIN:VEVENT\nUID:x\n"
              "DTSTART:20261207T080000Z\nSUMMARY:Call back\nDESCRIPTION:Bring the notes\n"
              "BEGIN:VALARM\nACTION:DISPLAY\nDESCRIPTION:Reminder\nTRIGGER:-PT10M\nEND:VALARM\nEND:VEVENT\nEND:VCALENDAR\n");

    // No event at all: refused, not made up.
    EXPECT_FALSE(patch.Load("BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nEND:VTODO\r\nEND:VCALENDAR\r\n", error));
    EXPECT_FALSE(error.isEmpty());
}
