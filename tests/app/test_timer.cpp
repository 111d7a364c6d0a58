// The reminder-check timer, which runs whatever is open: the list holds of
// dialogs, the pass it runs every 30 seconds, the save after an alert, the
// hourly save and the change of day.
#include "AppFixture.h"

#include "model/CReminderCheck.h"
#include "session/CListHold.h"
#include "app/CUpcomingList.h"
#include "dialogs/CSkinListBox.h"
#include "dialogs/CTextLabel.h"
#include "storage/CSaveScheduler.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

namespace {
void Pump(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QTest::qWait(5);
    }
}
} // namespace

TEST_F(AppFixture, ListHoldsAreCountedAndTheTimerRunsThroughThem)
{
    Window();
    EXPECT_TRUE(Session().TimerActive());
    EXPECT_FALSE(Session().ListHeld());
    {
        // A nested command inside a dialog: held until both end.
        CListHold dialog(Session());
        {
            CListHold inner(Session());
            EXPECT_TRUE(Session().ListHeld());
        }
        EXPECT_TRUE(Session().ListHeld());
        EXPECT_TRUE(Session().TimerActive());
    }
    EXPECT_FALSE(Session().ListHeld());
    // A release without its hold is refused, not counted below zero.
    Session().ReleaseList();
    Session().HoldList();
    EXPECT_TRUE(Session().ListHeld());
    Session().ReleaseList();
    EXPECT_FALSE(Session().ListHeld());
}

TEST_F(AppFixture, APassRunsOnTimeWhileADialogIsOpen)
{
    CReminderList list;
    Add(list, At(2024, 3, 10, 12, 0, 20), QStringLiteral("Due while the dialog is open"));
    WriteReminders(list);
    Window();
    Session().SetTimerPeriod(20);
    // The first tick: the first pass, nothing due yet.
    Pump(60);
    EXPECT_TRUE(m_alerts.empty());
    const COleDateTime firstPass = Session().Check().m_LastCheckTime;
    EXPECT_EQ(firstPass, m_clock.m_now);

    CListHold dialogOpen(Session());
    m_clock.Advance(45);
    Pump(100);
    ASSERT_EQ(m_alerts.size(), 1u) << "the pass waited for the dialog";
    EXPECT_TRUE(m_alerts[0].m_Message.endsWith(QStringLiteral("Due while the dialog is open")));
    EXPECT_GT(Session().Check().m_LastCheckTime, firstPass);
}

TEST_F(AppFixture, PassesAreThirtySecondsApart)
{
    Window();
    Session().OnTimer();
    const COleDateTime first = Session().Check().m_LastCheckTime;
    m_clock.Advance(30); // not more than 30 s
    Session().OnTimer();
    EXPECT_EQ(Session().Check().m_LastCheckTime, first);
    m_clock.Advance(1);
    Session().OnTimer();
    EXPECT_EQ(Session().Check().m_LastCheckTime, m_clock.m_now);
}

TEST_F(AppFixture, TheTimerRunsWhileAnAlertIsOpen)
{
    CReminderList list;
    Add(list, At(2024, 3, 10, 11, 0), QStringLiteral("First"));
    Add(list, At(2024, 3, 10, 11, 30), QStringLiteral("Second"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    std::vector<bool> activeDuringAlert;
    dlg.Alerts().SetRunner([&](const CAlertRequest &a) {
        activeDuringAlert.push_back(Session().TimerActive());
        m_alerts.push_back(a);
        return CAlertAnswer {};
    });
    Session().OnTimer();
    ASSERT_EQ(m_alerts.size(), 2u);
    EXPECT_EQ(activeDuringAlert, (std::vector<bool> { true, true }));
    // In list order, the second after the first.
    EXPECT_TRUE(m_alerts[0].m_Message.endsWith(QStringLiteral("First")));
    EXPECT_TRUE(m_alerts[1].m_Message.endsWith(QStringLiteral("Second")));
}

TEST_F(AppFixture, AnAlertedReminderReachesTheFileWithinSeconds)
{
    CReminderList list;
    Add(list, At(2024, 3, 10, 11, 0), QStringLiteral("Dentist"));
    WriteReminders(list);
    Window();
    Session().Saver().SetDelay(10);
    Session().OnTimer();
    ASSERT_EQ(m_alerts.size(), 1u);
    EXPECT_TRUE(Session().Saver().IsPending());
    EXPECT_FALSE(ReadReminders()[0].m_Shown);
    Pump(100);
    const CReminderList saved = ReadReminders();
    ASSERT_EQ(saved.GetSize(), 1);
    EXPECT_TRUE(saved[0].m_Shown);
    EXPECT_EQ(saved[0].m_LastShown, m_clock.m_now);
}

TEST_F(AppFixture, HourlySaveWritesTheList)
{
    Window();
    Add(Session().Reminders(), At(2024, 4, 1, 9, 0), QStringLiteral("Added without a save"));
    m_clock.Advance(3600);
    Session().OnTimer();
    EXPECT_EQ(ReadReminders().GetSize(), 0); // exactly one hour: not yet
    m_clock.Advance(1);
    Session().OnTimer();
    EXPECT_EQ(ReadReminders().GetSize(), 1);
    EXPECT_EQ(Session().LastSaveTime(), m_clock.m_now);
}

TEST_F(AppFixture, ChangesToTheListAreSavedShortlyAfter)
{
    Window();
    Session().Saver().SetDelay(10);
    Add(Session().Reminders(), At(2024, 4, 1, 9, 0), QStringLiteral("New"));
    Session().NotifyListChanged();
    Pump(80);
    EXPECT_EQ(ReadReminders().GetSize(), 1);
}

TEST_F(AppFixture, AtMidnightTheTodayDisplayAndUpcomingListMoveOn)
{
    m_clock.m_now = At(2024, 12, 31, 23, 59, 58);
    CReminderList list;
    Add(list, At(2024, 12, 31, 8, 0), QStringLiteral("Old year's chores"));
    Add(list, At(2025, 1, 1, 8, 0), QStringLiteral("New year's walk"));
    WriteReminders(list);
    COrvantis2Dlg &dlg = Window();
    Session().OnTimer();
    ASSERT_EQ(UpcomingLines().size(), 2);
    EXPECT_EQ(Control<CTextLabel>("todayDisplay")->m_Text, QStringLiteral("Tuesday\n") + At(2024, 12, 31).Format());
    dlg.SetSelectedDate(At(2024, 12, 20));

    m_clock.Advance(5);
    Session().OnTimer();
    EXPECT_EQ(Control<CTextLabel>("todayDisplay")->m_Text, QStringLiteral("Wednesday\n") + At(2025, 1, 1).Format());
    ASSERT_EQ(UpcomingLines().size(), 1);
    EXPECT_TRUE(UpcomingLines()[0].endsWith(QStringLiteral("New year's walk")));
    EXPECT_EQ(Control<CSkinListBox>("upcomingList")->count(), 1);
    // The selected day stays where the user put it.
    EXPECT_EQ(dlg.SelectedDate(), At(2024, 12, 20));
}

TEST_F(AppFixture, ChangeOfDayRunsTheWeeklyBackupCheck)
{
    m_clock.m_now = At(2024, 3, 10, 23, 59, 59);
    CReminderList list;
    Add(list, At(2024, 4, 1, 9, 0), QStringLiteral("Worth a backup"));
    WriteReminders(list);
    Window();
    const QString backup = m_dir.filePath(QStringLiteral("KestrelmarkBackup.km2"));
    ASSERT_TRUE(QFile::exists(backup)); // the first start makes one
    QFile::remove(backup);
    Session().OnTimer();
    // A week later, at the change of day, the next backup is written.
    m_clock.m_now = At(2024, 3, 17, 23, 59, 59);
    Session().OnTimer();
    m_clock.Advance(2);
    Session().OnTimer();
    EXPECT_TRUE(QFile::exists(backup));
}

TEST_F(AppFixture, AFirstStartWithoutAFileBacksNothingUpUntilThereIsSomething)
{
    m_clock.m_now = At(2024, 3, 10, 23, 59, 59);
    COrvantis2Dlg &dlg = Window();
    const QString backup = m_dir.filePath(QStringLiteral("KestrelmarkBackup.km2"));
    m_clock.Advance(2);
    Session().OnTimer();
    EXPECT_FALSE(QFile::exists(backup));
    Add(Session().Reminders(), At(2024, 4, 1, 9, 0), QStringLiteral("The first one"));
    ASSERT_TRUE(dlg.SaveReminders());
    m_clock.m_now = At(2024, 3, 11, 23, 59, 59);
    Session().OnTimer();
    m_clock.Advance(2);
    Session().OnTimer();
    EXPECT_TRUE(QFile::exists(backup));
}
