// The running program against its clocks: the wall clock set back or
// forward, the night daylight saving ends, a night asleep, and the time
// between two runs of the program.
#include "AppFixture.h"

#include "session/CDuePasses.h"
#include "app/CUpcomingList.h"
#include "dialogs/CTextLabel.h"
#include "storage/CWeeklyBackup.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTest>

namespace {

class ClockJumps : public AppFixture
{
protected:
    void SetUp() override
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        AppFixture::SetUp();
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        QLocale::setDefault(QLocale::c());
    }
    // Ticks every 5 s for the given time, as the timer does.
    void Run(double seconds)
    {
        for (double t = 0; t < seconds; t += 5) {
            m_clock.Advance(5);
            Session().OnTimer();
        }
    }
    // Ticks until an alert comes or the time is up; the wall time then.
    COleDateTime RunUntilAlert(double seconds)
    {
        const size_t before = m_alerts.size();
        for (double t = 0; t < seconds && m_alerts.size() == before; t += 5) {
            m_clock.Advance(5);
            Session().OnTimer();
        }
        return m_clock.m_now;
    }
    static QString For(const COleDateTime &when, const QString &message)
    {
        return QStringLiteral("Reminder for ") + when.Format() + QStringLiteral(":\n\n") + message;
    }
    void SetLastPass(const COleDateTime &when)
    {
        m_app->Settings().WriteProfileString(CDuePasses::kSection, CDuePasses::kLastPassKey,
                                             CWeeklyBackup::FormatStamp(when));
    }
    QString LastPassRecord() const
    {
        return m_app->Settings().GetProfileString(CDuePasses::kSection, CDuePasses::kLastPassKey, QString());
    }
    // The program ends (saving its list) and starts again at the same clock.
    void Restart()
    {
        m_dlg->SaveReminders();
        EndProgram();
        Window();
    }
};

} // namespace

TEST_F(ClockJumps, AClockSetBackAnHourDoesNotHoldUpAReminderDueSoonAfter)
{
    m_clock.m_now = At(2026, 3, 5, 12, 0, 0);
    Window();
    Run(10);
    m_clock.SetWall(-3600); // 11:00:10
    Run(5);
    // The user adds a reminder for 40 s later by the corrected clock.
    Add(Session().Reminders(), At(2026, 3, 5, 11, 0, 55), QStringLiteral("Call back"));
    Session().NotifyListChanged();
    const COleDateTime shownAt = RunUntilAlert(120);
    ASSERT_EQ(m_alerts.size(), 1u);
    EXPECT_LE((shownAt - At(2026, 3, 5, 11, 0, 55)).GetTotalSeconds(), 40.0);
    EXPECT_EQ(m_alerts[0].m_Message, For(At(2026, 3, 5, 11, 0, 55), QStringLiteral("Call back")));
    // The hourly save counts real time too: not held up by the hour given back.
    m_clock.Advance(3600);
    Run(5);
    EXPECT_GT(Session().LastSaveTime(), At(2026, 3, 5, 12, 0, 0));
}

TEST_F(ClockJumps, AJumpForwardPresentsWhatItPassedAtOnceEachOnce)
{
    // Tuesday 22:00; the clock jumps to Wednesday 01:00, past a one-time
    // reminder on Wednesday and a weekly one late on Tuesday.
    m_clock.m_now = At(2026, 3, 3, 22, 0, 0);
    CReminderList list;
    Add(list, At(2026, 3, 4, 0, 30), QStringLiteral("One time"));
    Add(list, At(2026, 1, 6, 23, 0), QStringLiteral("Weekly"), RecurWeekly);
    Add(list, At(2026, 3, 4, 14, 0), QStringLiteral("Later today"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    Run(40);
    EXPECT_TRUE(m_alerts.empty());

    m_clock.SetWall(3 * 3600);
    m_clock.Advance(1);
    Session().OnTimer(); // the tick after the jump, not 30 s later
    ASSERT_EQ(m_alerts.size(), 2u);
    EXPECT_EQ(m_alerts[0].m_Message, For(At(2026, 3, 3, 23, 0), QStringLiteral("Weekly")));
    EXPECT_EQ(m_alerts[1].m_Message, For(At(2026, 3, 4, 0, 30), QStringLiteral("One time")));
    // The change of day followed: today and the upcoming list start on Wednesday.
    EXPECT_EQ(Control<CTextLabel>("todayDisplay")->m_Text, QStringLiteral("Wednesday\n") + At(2026, 3, 4).Format());
    ASSERT_FALSE(UpcomingLines().empty());
    EXPECT_TRUE(UpcomingLines()[0].startsWith(At(2026, 3, 4).Format() + QLatin1Char(' '))) << UpcomingLines()[0].toStdString();
    Run(600);
    EXPECT_EQ(m_alerts.size(), 2u);
}

TEST_F(ClockJumps, TheRepeatedHourWhenDaylightSavingEndsPresentsAReminderOnce)
{
    m_clock.m_now = At(2025, 10, 26, 1, 29, 0); // a Sunday
    CReminderList list;
    Add(list, At(2025, 9, 7, 1, 30), QStringLiteral("Half past one"), RecurWeekly);
    WriteReminders(list);
    Window();
    Run(120);
    ASSERT_EQ(m_alerts.size(), 1u);
    m_clock.Advance(29 * 60); // to 01:59:xx, the timer held up by nothing
    Run(30);
    m_clock.SetWall(-3600); // 02:00 is 01:00 again
    Run(10);
    m_clock.Advance(25 * 60);
    Run(6 * 60); // 01:30 a second time
    EXPECT_EQ(m_alerts.size(), 1u);
    // The next Sunday as usual.
    m_clock.m_now = At(2025, 11, 2, 1, 29, 0);
    Run(120);
    EXPECT_EQ(m_alerts.size(), 2u);
}

TEST_F(ClockJumps, MidnightWhileAsleepPresentsTheMissedOccurrenceOnWaking)
{
    m_clock.m_now = At(2026, 3, 3, 22, 0, 0); // Tuesday
    CReminderList list;
    Add(list, At(2026, 1, 6, 23, 30), QStringLiteral("Lock the shed"), RecurWeekly);
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    Session().SetTimerPeriod(60 * 1000); // the real timer stays out of the way
    Run(10);
    m_clock.Advance(3600); // to 23:00, then asleep until 07:00
    Run(5);
    EXPECT_TRUE(m_alerts.empty());
    m_clock.SetWall(8 * 3600);
    Session().OnResume();
    QElapsedTimer waited;
    waited.start();
    while (m_alerts.empty() && waited.elapsed() < 10000)
        QTest::qWait(20);
    ASSERT_EQ(m_alerts.size(), 1u);
    EXPECT_LE(waited.elapsed(), CReminderSession::kResumeDelayMs + 1000);
    EXPECT_EQ(m_alerts[0].m_Message, For(At(2026, 3, 3, 23, 30), QStringLiteral("Lock the shed")));
    EXPECT_EQ(Control<CTextLabel>("todayDisplay")->m_Text, QStringLiteral("Wednesday\n") + At(2026, 3, 4).Format());
    Run(120);
    EXPECT_EQ(m_alerts.size(), 1u);
}

TEST_F(ClockJumps, AnOccurrenceMissedWhileTheProgramWasStoppedComesOnceAtTheNextStart)
{
    SetLastPass(At(2026, 3, 2, 18, 0)); // Monday evening
    m_clock.m_now = At(2026, 3, 5, 9, 0, 0); // Thursday
    CReminderList list;
    Add(list, At(2026, 1, 6, 10, 0), QStringLiteral("Bins out"), RecurWeekly);
    WriteReminders(list);
    Window();
    Session().OnTimer();
    ASSERT_EQ(m_alerts.size(), 1u);
    EXPECT_EQ(m_alerts[0].m_Message, For(At(2026, 3, 3, 10, 0), QStringLiteral("Bins out")));
    EXPECT_EQ(LastPassRecord(), QStringLiteral("2026-03-05T09:00:00"));
    // Kept in a section of its own.
    EXPECT_TRUE(m_app->Settings().GetProfileString(QStringLiteral("Options"), CDuePasses::kLastPassKey, QString()).isEmpty());

    m_clock.Advance(3600);
    Restart();
    Session().OnTimer();
    EXPECT_TRUE(m_alerts.empty());
}

TEST_F(ClockJumps, AFirstStartPresentsNothingAsMissed)
{
    m_clock.m_now = At(2026, 3, 5, 9, 0, 0);
    CReminderList list;
    Add(list, At(2019, 1, 1, 10, 0), QStringLiteral("Weekly for years"), RecurWeekly);
    Add(list, At(2019, 1, 2, 10, 0), QStringLiteral("Monthly for years"), RecurMonthly);
    WriteReminders(list);
    ASSERT_TRUE(LastPassRecord().isEmpty());
    Window();
    Session().OnTimer();
    EXPECT_TRUE(m_alerts.empty());
    EXPECT_FALSE(LastPassRecord().isEmpty());
    // An unreadable record counts as none.
    SetLastPass(At(2026, 3, 5, 9, 0));
    m_app->Settings().WriteProfileString(CDuePasses::kSection, CDuePasses::kLastPassKey, QStringLiteral("soon"));
    m_clock.Advance(7 * 86400);
    Restart();
    Session().OnTimer();
    EXPECT_TRUE(m_alerts.empty());
}
