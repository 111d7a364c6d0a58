// The exported file as a second, independent iCalendar parser (Python's
// icalendar) reads it: it parses, and its DTSTART, RRULE and VALARM say
// what the reminders mean.
#include "ical/CIcsWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QJsonObject describe(const QByteArray &text)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("export.ics"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
        return {};
    f.close();
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"),
            { QStringLiteral(KM_SOURCE_DIR "/tests/ical/describe_ics.py"), path });
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        ADD_FAILURE() << p.readAllStandardError().constData();
        return {};
    }
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

bool havePythonParser()
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), { QStringLiteral("-c"), QStringLiteral("import icalendar") });
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

CReminder make(int kind, const COleDateTimeSpan &notice, const QString &message, bool isPrivate = false)
{
    CReminder r;
    r.m_DateTime = COleDateTime(2026, 10, 25, 2, 30, 0); // inside a clocks-go-back hour in Europe
    r.m_Recurrence = static_cast<quint16>(kind);
    r.m_AdvanceNotice = notice;
    r.m_Message = message;
    r.m_Private = isPrivate;
    return r;
}

} // namespace

TEST(IcsIndependentParser, ReadsStartRepeatAndAlarmAsIntended)
{
    if (!havePythonParser())
        GTEST_SKIP() << "python3-icalendar is not installed";
    const std::vector<CReminder> reminders = {
        make(RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("Once")),
        make(RecurAnnual, COleDateTimeSpan(2, 0, 0, 0), QStringLiteral("Yearly\nsecond line")),
        make(RecurMonthly, COleDateTimeSpan(0, 3, 15, 0), QStringLiteral("Monatlich: Größe ✓"), true),
        make(RecurWeekly, COleDateTimeSpan(0, 0, 45, 0), QStringLiteral("Weekly, with; punctuation\\")),
    };
    const QJsonObject cal = describe(CIcsWriter::WriteCalendar(reminders));
    EXPECT_EQ(cal.value(QLatin1String("version")).toString(), QStringLiteral("2.0"));
    EXPECT_EQ(cal.value(QLatin1String("prodid")).toString(), QString::fromLatin1(CIcsWriter::kProductId));
    const QJsonArray events = cal.value(QLatin1String("events")).toArray();
    ASSERT_EQ(events.size(), 4);

    const char *freqs[] = { nullptr, "YEARLY", "MONTHLY", "WEEKLY" };
    const int triggers[] = { 0, -2 * 86400, -(3 * 3600 + 15 * 60), -45 * 60 };
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QJsonObject ev = events[i].toObject();
        EXPECT_EQ(ev.value(QLatin1String("uid")).toString(), CIcsWriter::UidFor(reminders[size_t(i)]));
        EXPECT_EQ(ev.value(QLatin1String("start")).toString(), QStringLiteral("2026-10-25T02:30:00"));
        EXPECT_TRUE(ev.value(QLatin1String("floating")).toBool());
        const QJsonArray freq = ev.value(QLatin1String("freq")).toArray();
        if (freqs[i]) {
            ASSERT_EQ(freq.size(), 1);
            EXPECT_EQ(freq[0].toString(), QString::fromLatin1(freqs[i]));
        } else {
            EXPECT_TRUE(freq.isEmpty());
        }
        const QJsonArray alarms = ev.value(QLatin1String("alarms")).toArray();
        ASSERT_EQ(alarms.size(), 1);
        EXPECT_EQ(alarms[0].toObject().value(QLatin1String("action")).toString(), QStringLiteral("DISPLAY"));
        EXPECT_EQ(alarms[0].toObject().value(QLatin1String("trigger")).toInt(), triggers[i]);
        EXPECT_EQ(ev.value(QLatin1String("description")).toString(), reminders[size_t(i)].m_Message);
        EXPECT_EQ(ev.value(QLatin1String("summary")).toString(),
                  reminders[size_t(i)].m_Message.section(QLatin1Char('\n'), 0, 0));
        EXPECT_EQ(ev.value(QLatin1String("class")).toString(),
                  reminders[size_t(i)].m_Private ? QStringLiteral("PRIVATE") : QString());
    }
}
