// Snooze through the program: the timer's pass, the answer, the file, a
// restart, and the remembered delay.
#include "AppFixture.h"

#include "model/CSnooze.h"

#include <QTest>

namespace {
// Lets the save scheduled after the pass happen.
void PumpEvents(int ms) { QTest::qWait(ms); }
} // namespace

TEST_F(AppFixture, ASnoozedReminderComesBackAfterARestartAndTheDelayIsRemembered)
{
    CReminderList list;
    Add(list, At(2024, 3, 10, 11, 58), QStringLiteral("Dentist"), RecurWeekly);
    WriteReminders(list);
    EXPECT_EQ(m_app->Options().SnoozeMinutes(), CSnooze::kDefaultMinutes);
    COrvantis2Dlg &dlg = Window();
    Session().Saver().SetDelay(10);
    dlg.Alerts().SetRunner([this](const CAlertRequest &alert) {
        m_alerts.push_back(alert);
        m_clock.Advance(20); // the user reads it, then snoozes
        CAlertAnswer a;
        a.m_SnoozeMinutes = 30;
        return a;
    });
    Session().OnTimer();
    ASSERT_EQ(m_alerts.size(), 1u);
    PumpEvents(100);
    const CReminderList saved = ReadReminders();
    ASSERT_TRUE(CSnooze::IsSnoozed(saved[0]));
    EXPECT_NEAR((CSnooze::WakeTime(saved[0]) - At(2024, 3, 10, 12, 30, 20)).GetTotalSeconds(), 0.0, 0.001);
    EXPECT_EQ(m_app->Options().SnoozeMinutes(), 30);
    EXPECT_EQ(m_app->GetProfileString(QStringLiteral("Options"), QStringLiteral("SnoozeMinutes")), QStringLiteral("30"));

    // The program ends and starts again after the snooze, past the
    // occurrence's time: the reminder is back once.
    EndProgram();
    EXPECT_EQ(m_app->Options().SnoozeMinutes(), 30);
    m_clock.Advance(31 * 60);
    Window();
    Session().OnTimer();
    ASSERT_EQ(m_alerts.size(), 1u);
    EXPECT_TRUE(m_alerts[0].m_Message.endsWith(QStringLiteral("Dentist")));
    m_clock.Advance(60);
    Session().OnTimer();
    EXPECT_EQ(m_alerts.size(), 1u);
    EXPECT_TRUE(Session().Reminders()[0].m_Shown);
}
