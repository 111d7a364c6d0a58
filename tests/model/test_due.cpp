#include "model/CIconNameMap.h"
#include "model/CRecurrence.h"
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"
#include "model/CSnooze.h"

#include <QLocale>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Records the alerts and, unless told to leave them open, answers each with
// OK at once.
class RecordingPresenter : public CAlertPresenter
{
public:
    void Present(const CAlertRequest &alert) override
    {
        m_alerts.push_back(alert);
        if (m_answerAtOnce && m_check)
            m_check->Answer(alert.m_ReminderId, CAlertAnswer {});
    }
    CReminderCheck *m_check = nullptr;
    bool m_answerAtOnce = true;
    std::vector<CAlertRequest> m_alerts;
};

COleDateTime at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return COleDateTime(y, mo, d, h, mi, s); }

class DuePass : public ::testing::Test
{
protected:
    DuePass() { m_host.m_check = &m_check; }
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    int Add(const COleDateTime &dt, int recurrence, const COleDateTimeSpan &notice = COleDateTimeSpan(0.0),
            const QString &message = QStringLiteral("msg"))
    {
        CReminder r;
        r.m_DateTime = dt;
        r.m_Recurrence = static_cast<quint16>(recurrence);
        r.m_AdvanceNotice = notice;
        r.m_Message = message;
        r.m_IconName = QStringLiteral("Gift");
        r.m_SoundFileName = QStringLiteral("ring.wav");
        return m_list.InsertSorted(r);
    }
    int Pass(const COleDateTime &now)
    {
        m_host.m_alerts.clear();
        return m_check.CheckReminders(1, now);
    }

    CReminderList m_list;
    RecordingPresenter m_host;
    CReminderCheck m_check { m_list, &m_host };
};

TEST_F(DuePass, OneTimeMissedWhileOffIsPresentedOnceThenNever)
{
    Add(at(2026, 3, 2, 9, 0), RecurOneTime);
    EXPECT_EQ(Pass(at(2026, 3, 2, 8, 59, 59)), 0);
    EXPECT_EQ(Pass(at(2026, 3, 5, 12, 0)), 1);
    EXPECT_EQ(m_host.m_alerts[0].m_Message, QStringLiteral("Reminder for 3/2/2026 9:00:00 AM:\n\nmsg"));
    EXPECT_EQ(m_host.m_alerts[0].m_SoundFileName, QStringLiteral("ring.wav"));
    EXPECT_TRUE(m_list[0].m_Shown);
    EXPECT_EQ(m_list[0].m_LastShown, at(2026, 3, 5, 12, 0));
    EXPECT_EQ(m_check.m_LastCheckTime, at(2026, 3, 5, 12, 0));
    EXPECT_EQ(Pass(at(2027, 3, 5, 12, 0)), 0);
    m_list[0].ResetShown(); // an edit
    EXPECT_EQ(Pass(at(2027, 3, 5, 12, 0)), 1);
}

TEST_F(DuePass, TheRequestNamesItsReminderAndAsksForTheWindow)
{
    const int index = Add(at(2026, 3, 2, 9, 0), RecurOneTime);
    Pass(at(2026, 3, 2, 9, 0));
    ASSERT_EQ(m_host.m_alerts.size(), 1u);
    EXPECT_EQ(m_host.m_alerts[0].m_ReminderId, m_list[index].Id());
    EXPECT_NE(m_host.m_alerts[0].m_ReminderId, 0u);
    EXPECT_TRUE(m_host.m_alerts[0].m_RaiseWindow);
    EXPECT_EQ(m_host.m_alerts[0].m_ReminderMessage, QStringLiteral("msg"));
}

// Without a presenter nobody saw the alert: nothing is marked shown, and the
// reminder is still due once one is there.
TEST_F(DuePass, WithoutAPresenterNothingIsMarkedShown)
{
    Add(at(2026, 3, 2, 9, 0), RecurOneTime);
    m_check.SetPresenter(nullptr);
    EXPECT_EQ(Pass(at(2026, 3, 2, 9, 0)), 0);
    EXPECT_FALSE(m_list[0].m_Shown);
    m_check.SetPresenter(&m_host);
    EXPECT_EQ(Pass(at(2026, 3, 2, 9, 1)), 1);
    EXPECT_TRUE(m_list[0].m_Shown);
}

// What the pass leaves alone tells when a pass is next wanted: the earliest
// notice to begin, snooze to end or re-show interval to run out.
TEST_F(DuePass, ThePassFindsWhenTheNextReminderFallsDue)
{
    const auto secondsTo = [this](const COleDateTime &expected) {
        return (m_check.NextDue() - expected).GetTotalSeconds();
    };
    Add(at(2026, 3, 2, 9, 0), RecurOneTime);
    Add(at(2026, 2, 23, 10, 0), RecurWeekly, COleDateTimeSpan(0, 0, 30, 0)); // Mondays, notice from 9:30
    Pass(at(2026, 3, 2, 8, 0));
    EXPECT_NEAR(secondsTo(at(2026, 3, 2, 9, 0)), 0.0, 0.01);
    Pass(at(2026, 3, 2, 9, 0)); // the first is shown
    EXPECT_NEAR(secondsTo(at(2026, 3, 2, 9, 30)), 0.0, 0.01);
    CSnooze::Snooze(m_list[0], at(2026, 3, 2, 9, 1), 5);
    Pass(at(2026, 3, 2, 9, 2));
    EXPECT_NEAR(secondsTo(at(2026, 3, 2, 9, 6)), 0.0, 0.01);
    m_list.RemoveAll();
    Pass(at(2026, 3, 2, 9, 2));
    EXPECT_NE(m_check.NextDue().GetStatus(), COleDateTime::valid);
}

TEST_F(DuePass, IconNumberComesFromTheName)
{
    CIconNameMap::Instance().RemoveAll();
    CIconNameMap::Instance().RegisterBuiltinNames();
    Add(at(2026, 3, 2, 9, 0), RecurOneTime);
    m_list[0].m_IconNumber = 40; // stale number from another run
    Pass(at(2026, 3, 2, 9, 0));
    EXPECT_EQ(m_host.m_alerts[0].m_IconNumber, 3);
    CIconNameMap::Instance().RemoveAll();
}

TEST_F(DuePass, WeeklyNoticeWindowAndLateSameDay)
{
    // Tuesday 8 December 2026, 09:00, ten minutes of notice.
    Add(at(2026, 12, 8, 9, 0), RecurWeekly, COleDateTimeSpan(0, 0, 10, 0));
    EXPECT_EQ(Pass(at(2026, 12, 8, 8, 49, 59)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 8, 8, 50, 0)), 1);
    EXPECT_EQ(Pass(at(2026, 12, 8, 8, 55, 0)), 0); // once per occurrence
    // Next week's occurrence alerts again.
    EXPECT_EQ(Pass(at(2026, 12, 15, 8, 52, 0)), 1);
    EXPECT_EQ(m_host.m_alerts[0].m_Message, QStringLiteral("Reminder for 12/15/2026 9:00:00 AM:\n\nmsg"));
    // Missed at 09:00 the week after: still presented at 23:00 that day...
    EXPECT_EQ(Pass(at(2026, 12, 22, 23, 0, 0)), 1);
    // ...but a whole missed day is not carried into the next.
    EXPECT_EQ(Pass(at(2026, 12, 30, 0, 0, 1)), 0);
}

TEST_F(DuePass, RecurringWithNoNoticeIsPresentedAfterItsTime)
{
    Add(at(2026, 1, 15, 9, 0), RecurMonthly);
    Add(at(2020, 6, 1, 9, 0), RecurAnnual);
    Add(at(2026, 12, 1, 9, 0), RecurWeekly); // a Tuesday
    EXPECT_EQ(Pass(at(2026, 12, 15, 9, 0, 20)), 2); // the monthly and the weekly
    EXPECT_EQ(Pass(at(2028, 6, 1, 17, 0)), 1);      // the annual, late in its day
}

TEST_F(DuePass, WeeklyNotStartedHasTheFixedPastDate)
{
    Add(at(2026, 12, 16, 9, 0), RecurWeekly, COleDateTimeSpan(1.0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 15, 8, 0)), at(1972, 1, 13));
    EXPECT_EQ(Pass(at(2026, 12, 15, 8, 0)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 15, 9, 0)), 1);
    EXPECT_EQ(m_host.m_alerts[0].m_Message, QStringLiteral("One day to go:\nReminder for 12/16/2026 9:00:00 AM:\n\nmsg"));
}

TEST_F(DuePass, WeeklyEffectiveDateFromAnotherWeekday)
{
    Add(at(2026, 11, 30, 10, 0), RecurWeekly); // a Monday
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 12, 8, 0)), at(2026, 12, 14, 10, 0)); // Saturday
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 14, 8, 0)), at(2026, 12, 14, 10, 0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 14, 23, 0)), at(2026, 12, 14, 10, 0));
}

TEST_F(DuePass, AnnualEarlyJanuaryGetsItsNoticeInDecember)
{
    Add(at(1990, 1, 2, 0, 0), RecurAnnual, COleDateTimeSpan(5.0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 20)), at(2027, 1, 2));
    EXPECT_EQ(Pass(at(2026, 12, 27, 23, 59)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 28, 0, 0)), 1);
    EXPECT_EQ(m_host.m_alerts[0].m_Message, QStringLiteral("5 days to go:\nReminder for 1/2/2027:\n\nmsg"));
    EXPECT_EQ(Pass(at(2027, 1, 1, 12, 0)), 0);
    EXPECT_EQ(Pass(at(2027, 12, 28, 0, 0)), 1); // next year again
}

TEST_F(DuePass, MonthlyRollsOverMonthAndYearEnds)
{
    Add(at(2026, 3, 15, 8, 0), RecurMonthly);
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 3, 20)), at(2026, 4, 15, 8, 0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 12, 31)), at(2027, 1, 15, 8, 0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 3, 15, 20, 0)), at(2026, 3, 15, 8, 0));
}

TEST_F(DuePass, OccurrencesThatCannotBeFormedAreSkipped)
{
    Add(at(2026, 1, 31, 9, 0), RecurMonthly);
    Add(at(2024, 2, 29, 9, 0), RecurAnnual);
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[1], at(2026, 4, 2)), at(2026, 5, 31, 9, 0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2026, 3, 1)), at(2028, 2, 29, 9, 0));
    EXPECT_EQ(m_list.GetEffectiveDate(m_list[0], at(2097, 3, 1)), at(2104, 2, 29, 9, 0)); // 2100 is no leap year
    EXPECT_EQ(Pass(at(2027, 2, 28, 12, 0)), 0);
    EXPECT_EQ(Pass(at(2028, 2, 29, 12, 0)), 1);
}

TEST_F(DuePass, DaysToGoLines)
{
    Add(at(2026, 12, 20, 9, 0), RecurAnnual, COleDateTimeSpan(2, 3, 0, 0));
    EXPECT_EQ(Pass(at(2026, 12, 18, 6, 0)), 1);
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.startsWith(QStringLiteral("2 days to go:\n")));
    CReminder &r = m_list[0];
    r.ResetShown();
    EXPECT_EQ(Pass(at(2026, 12, 19, 6, 0)), 1);
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.startsWith(QStringLiteral("One day to go:\n")));
    r.ResetShown();
    EXPECT_EQ(Pass(at(2026, 12, 20, 6, 0)), 1);
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.startsWith(QStringLiteral("Reminder for")));
    // Under a day of notice there is never such a line.
    CReminder short_ = r;
    short_.m_AdvanceNotice = COleDateTimeSpan(0, 23, 0, 0);
    short_.ResetShown();
    QString text;
    ASSERT_TRUE(CReminderCheck::IsDue(short_, at(2026, 12, 19, 12, 0), &text));
    EXPECT_TRUE(text.startsWith(QStringLiteral("Reminder for")));
}

TEST_F(DuePass, NoticeLongerThanThePeriodStartsAfterThePreviousOccurrence)
{
    Add(at(2026, 12, 1, 9, 0), RecurWeekly, COleDateTimeSpan(10.0));
    // Presented on Tuesday 1 Dec; the next week's window opens after that day.
    EXPECT_EQ(Pass(at(2026, 12, 1, 9, 0)), 1);
    EXPECT_EQ(Pass(at(2026, 12, 1, 23, 0)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 2, 8, 0)), 0);    // the re-show interval still runs
    EXPECT_EQ(Pass(at(2026, 12, 2, 9, 0)), 1);    // for 8 December
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.contains(QStringLiteral("12/8/2026")));
    EXPECT_EQ(Pass(at(2026, 12, 5, 0, 0)), 0);
}

TEST_F(DuePass, ReshowIntervalHolds)
{
    Add(at(2026, 12, 8, 9, 0), RecurWeekly);
    m_list[0].m_LastShown = at(2026, 12, 8, 1, 0);
    m_list[0].m_ReshowInterval = COleDateTimeSpan(0.5);
    EXPECT_EQ(Pass(at(2026, 12, 8, 10, 0)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 8, 13, 0)), 1);
}

TEST_F(DuePass, InvalidDatesAreSkippedAndUnknownKindsKeepTheClosedWindow)
{
    Add(at(2026, 12, 8, 9, 0), RecurOneTime);
    m_list[0].m_DateTime.SetStatus(COleDateTime::null);
    Add(at(2026, 12, 8, 9, 0), 9, COleDateTimeSpan(0, 1, 0, 0));
    EXPECT_EQ(Pass(at(2026, 12, 8, 9, 30)), 0);
    EXPECT_EQ(Pass(at(2026, 12, 8, 8, 30)), 1);
}

// A record left at its defaults (one that could not be read) never alerts,
// and the placeholder message is never shown.
TEST_F(DuePass, RecordDefaultsNeverAlertAndThePlaceholderIsNeverShown)
{
    m_list.InsertSorted(CReminder());
    EXPECT_EQ(Pass(at(2026, 12, 8, 9, 30)), 0);
    Add(at(2026, 12, 8, 9, 0), RecurOneTime, COleDateTimeSpan(0.0), CReminder::kUninitializedMessage);
    ASSERT_EQ(Pass(at(2026, 12, 8, 9, 30)), 1);
    EXPECT_FALSE(m_host.m_alerts[0].m_Message.contains(CReminder::kUninitializedMessage));
}

TEST_F(DuePass, TwoDueRemindersInListOrder)
{
    Add(at(2026, 12, 8, 9, 0), RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("b"));
    Add(at(2026, 12, 8, 8, 0), RecurOneTime, COleDateTimeSpan(0.0), QStringLiteral("a"));
    ASSERT_EQ(Pass(at(2026, 12, 8, 10, 0)), 2);
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.endsWith(QStringLiteral("a")));
    EXPECT_TRUE(m_host.m_alerts[1].m_Message.endsWith(QStringLiteral("b")));
}

// A presenter may change the list as it presents (the count is read afresh).
class DeletingPresenter : public RecordingPresenter
{
public:
    explicit DeletingPresenter(CReminderList &list) : m_list(list) {}
    void Present(const CAlertRequest &alert) override
    {
        RecordingPresenter::Present(alert);
        m_list.Delete(m_list.GetSize() - 1);
    }
    CReminderList &m_list;
};

TEST(DuePassList, CountIsReadAfreshAfterEveryAlert)
{
    CReminderList list;
    for (int i = 0; i < 3; ++i) {
        CReminder r;
        r.m_DateTime = at(2026, 1, 1, 9, i);
        list.InsertSorted(r);
    }
    DeletingPresenter presenter(list);
    CReminderCheck check(list, &presenter);
    presenter.m_check = &check;
    EXPECT_EQ(check.CheckReminders(0, at(2026, 1, 2)), 2);
    EXPECT_FALSE(presenter.m_alerts[0].m_RaiseWindow);
    EXPECT_EQ(list.GetSize(), 1);
}

// Alerts left open while passes go on and the list changes under them (an
// outside merge, a sync), answered later by id.
class AlertAnswer : public ::testing::Test
{
protected:
    AlertAnswer()
    {
        CReminder a = Make(at(2026, 1, 1, 9, 0), QStringLiteral("A"));
        a.m_Shown = true;
        a.m_LastShown = at(2026, 1, 1, 9, 0);
        m_list.InsertSorted(a);
        m_list.InsertSorted(Make(at(2026, 1, 2, 9, 0), QStringLiteral("B")));
        m_list.InsertSorted(Make(at(2026, 1, 3, 9, 0), QStringLiteral("D")));
        m_host.m_check = &m_check;
        m_host.m_answerAtOnce = false;
    }
    static CReminder Make(const COleDateTime &when, const QString &message)
    {
        CReminder r;
        r.m_DateTime = when;
        r.m_Message = message;
        return r;
    }
    // The list as a merge leaves it: a new list, in another order, without
    // the named reminder (and with every other one's id kept).
    void RemoveFromOutside(const QString &message)
    {
        std::vector<CReminder> rest;
        for (const CReminder &r : m_list.Reminders())
            if (r.m_Message != message)
                rest.insert(rest.begin(), r);
        m_list.Assign(std::move(rest));
    }
    QString ShownOnes() const
    {
        QString out;
        for (const CReminder &r : m_list.Reminders())
            if (r.m_Shown)
                out += r.m_Message;
        return out;
    }
    quint64 AlertedId(size_t i) const { return m_host.m_alerts.at(i).m_ReminderId; }

    CReminderList m_list;
    RecordingPresenter m_host;
    CReminderCheck m_check { m_list, &m_host };
    const COleDateTime m_now = at(2026, 1, 2, 10, 0);
};

TEST_F(AlertAnswer, AWaitingAlertIsNotPresentedAgainAndLandsByIdAfterAMerge)
{
    EXPECT_EQ(m_check.CheckReminders(0, m_now), 1);
    EXPECT_TRUE(m_check.IsAwaited(AlertedId(0)));
    // Later passes run while it is open, and leave it alone.
    EXPECT_EQ(m_check.CheckReminders(0, at(2026, 1, 2, 10, 1)), 0);
    RemoveFromOutside(QStringLiteral("A"));
    m_list.InsertSorted(Make(at(2026, 1, 5, 9, 0), QStringLiteral("Later")));
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::Taken);
    EXPECT_EQ(ShownOnes(), QStringLiteral("B"));
    EXPECT_EQ(m_list.Find(AlertedId(0))->m_LastShown, m_now) << "shown at its pass";
    // B is not presented again, and D is still to come.
    EXPECT_EQ(m_check.CheckReminders(0, m_now), 0);
    EXPECT_EQ(m_check.CheckReminders(0, at(2026, 1, 3, 9, 0)), 1);
    EXPECT_TRUE(m_host.m_alerts.back().m_Message.contains(QStringLiteral("D")));
    // A second answer to the same alert changes nothing.
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::NotAwaited);
}

TEST_F(AlertAnswer, TwoDueTogetherAreEachAnsweredForThemselves)
{
    EXPECT_EQ(m_check.CheckReminders(0, at(2026, 1, 3, 9, 0)), 2);
    ASSERT_EQ(m_host.m_alerts.size(), 2u);
    EXPECT_TRUE(m_host.m_alerts[0].m_Message.endsWith(QStringLiteral("B")));
    EXPECT_TRUE(m_host.m_alerts[1].m_Message.endsWith(QStringLiteral("D")));
    // The second is answered first, with a snooze; the first then with OK.
    CAlertAnswer snooze;
    snooze.m_SnoozeMinutes = 10;
    snooze.m_AnsweredAt = at(2026, 1, 3, 9, 2);
    EXPECT_EQ(m_check.Answer(AlertedId(1), snooze), CReminderCheck::Taken);
    EXPECT_EQ(ShownOnes(), QStringLiteral("A"));
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::Taken);
    EXPECT_EQ(ShownOnes(), QStringLiteral("AB"));
    const CReminder &d = *m_list.Find(AlertedId(1));
    EXPECT_TRUE(CSnooze::IsSnoozed(d));
    EXPECT_EQ(CSnooze::WakeTime(d), at(2026, 1, 3, 9, 12));
}

TEST_F(AlertAnswer, IsDroppedWhenItsReminderWasDeletedOrMovedMeanwhile)
{
    EXPECT_EQ(m_check.CheckReminders(0, at(2026, 1, 3, 9, 0)), 2);
    RemoveFromOutside(QStringLiteral("B"));
    m_list.Find(AlertedId(1))->m_DateTime = at(2026, 2, 3, 9, 0); // D edited to next month
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::Deleted);
    EXPECT_EQ(m_check.Answer(AlertedId(1), CAlertAnswer {}), CReminderCheck::Rescheduled);
    EXPECT_EQ(ShownOnes(), QStringLiteral("A"));
    EXPECT_EQ(m_check.AwaitedCount(), 0);
}

TEST_F(AlertAnswer, AnAlertOpenAsTheProgramEndsLeavesItsReminderUnshown)
{
    EXPECT_EQ(m_check.CheckReminders(0, m_now), 1);
    m_check.SetEnding(true);
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::NotAwaited);
    EXPECT_EQ(m_check.CheckReminders(0, at(2026, 1, 3, 9, 0)), 0);
    EXPECT_EQ(ShownOnes(), QStringLiteral("A"));
}

TEST_F(AlertAnswer, TheAlertsOfAPresenterGoWithIt)
{
    EXPECT_EQ(m_check.CheckReminders(0, m_now), 1);
    RecordingPresenter next;
    m_check.SetPresenter(&next);
    EXPECT_EQ(m_check.Answer(AlertedId(0), CAlertAnswer {}), CReminderCheck::NotAwaited);
    EXPECT_EQ(m_check.CheckReminders(0, m_now), 1) << "presented again to the new one";
}

} // namespace
