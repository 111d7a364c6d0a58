// Occurrences of repeating reminders that ended while no pass ran: found
// from the time of the last pass, presented once with their own date.
#include "model/CMissedCheck.h"
#include "model/COleDateTimeSpan.h"
#include "model/CRecurrence.h"
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

// Records each alert and answers it with OK at once.
class MissedRecordingPresenter : public CAlertPresenter
{
public:
    void Present(const CAlertRequest &alert) override
    {
        m_alerts.push_back(alert);
        m_check->Answer(alert.m_ReminderId, CAlertAnswer {});
    }
    CReminderCheck *m_check = nullptr;
    std::vector<CAlertRequest> m_alerts;
};

COleDateTime missedAt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return COleDateTime(y, mo, d, h, mi, s); }
const COleDateTime kNoPass(0.0, COleDateTime::invalid);

class Missed : public ::testing::Test
{
protected:
    Missed() { m_host.m_check = &m_check; }
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    CReminder &Add(const COleDateTime &dt, int recurrence, double noticeDays = 0.0,
                   const QString &message = QStringLiteral("Bins out"))
    {
        CReminder r;
        r.m_DateTime = dt;
        r.m_Recurrence = static_cast<quint16>(recurrence);
        r.m_AdvanceNotice = COleDateTimeSpan(noticeDays);
        r.m_Message = message;
        r.m_IconName = QStringLiteral("Gift");
        return m_list[m_list.InsertSorted(r)];
    }
    // What a running program does at one pass: the missed, then the due.
    int Pass(const COleDateTime &lastPass, const COleDateTime &now)
    {
        return m_missed.PresentMissed(1, lastPass, now) + m_check.CheckReminders(1, now);
    }
    QString Text(size_t i) const { return m_host.m_alerts.at(i).m_Message; }

    CReminderList m_list;
    MissedRecordingPresenter m_host;
    CReminderCheck m_check { m_list, &m_host };
    CMissedCheck m_missed { m_check };
};

} // namespace

TEST(LatestEnded, IsTheLastOccurrenceWhoseDayIsOver)
{
    CReminder weekly;
    weekly.m_DateTime = missedAt(2026, 1, 6, 10, 0); // a Tuesday
    weekly.m_Recurrence = RecurWeekly;
    // On Thursday: Tuesday. On Tuesday itself the day is not over: the week before.
    EXPECT_EQ(CRecurrence::LatestEnded(weekly, missedAt(2026, 3, 5, 8, 0)).m_Date, missedAt(2026, 3, 3, 10, 0));
    EXPECT_EQ(CRecurrence::LatestEnded(weekly, missedAt(2026, 3, 3, 23, 0)).m_Date, missedAt(2026, 2, 24, 10, 0));
    EXPECT_EQ(CRecurrence::LatestEnded(weekly, missedAt(2026, 3, 4, 0, 0)).m_Date, missedAt(2026, 3, 3, 10, 0));
    // Not before the reminder's own first day.
    EXPECT_FALSE(CRecurrence::LatestEnded(weekly, missedAt(2026, 1, 6, 12, 0)).m_Valid);

    CReminder monthly;
    monthly.m_DateTime = missedAt(2025, 1, 31, 8, 0);
    monthly.m_Recurrence = RecurMonthly;
    // April has no 31st: the last one was in March.
    EXPECT_EQ(CRecurrence::LatestEnded(monthly, missedAt(2026, 4, 20)).m_Date, missedAt(2026, 3, 31, 8, 0));
    EXPECT_EQ(CRecurrence::LatestEnded(monthly, missedAt(2026, 1, 10)).m_Date, missedAt(2025, 12, 31, 8, 0));

    CReminder annual;
    annual.m_DateTime = missedAt(2024, 2, 29, 9, 0);
    annual.m_Recurrence = RecurAnnual;
    EXPECT_EQ(CRecurrence::LatestEnded(annual, missedAt(2027, 3, 1)).m_Date, missedAt(2024, 2, 29, 9, 0));

    CReminder once;
    once.m_DateTime = missedAt(2026, 3, 3, 10, 0);
    EXPECT_FALSE(CRecurrence::LatestEnded(once, missedAt(2026, 3, 5)).m_Valid);
}

TEST_F(Missed, ATuesdayMissedIsPresentedOnThursdayWithTuesdaysDateAndOnlyOnce)
{
    Add(missedAt(2026, 1, 6, 10, 0), RecurWeekly);
    const COleDateTime lastPass = missedAt(2026, 3, 2, 18, 0); // Monday evening
    const COleDateTime thursday = missedAt(2026, 3, 5, 9, 0);
    EXPECT_EQ(Pass(lastPass, thursday), 1);
    ASSERT_EQ(m_host.m_alerts.size(), 1u);
    EXPECT_EQ(Text(0), QStringLiteral("Reminder for ") + missedAt(2026, 3, 3, 10, 0).Format() + QStringLiteral(":\n\nBins out"));
    EXPECT_TRUE(m_list[0].m_Shown);
    EXPECT_EQ(m_list[0].m_LastShown, thursday);
    // The next start (the last pass was on Thursday, or still the Monday
    // if the record was lost): not again.
    EXPECT_EQ(Pass(thursday, missedAt(2026, 3, 6, 9, 0)), 0);
    EXPECT_EQ(Pass(lastPass, missedAt(2026, 3, 6, 9, 0)), 0);
    // The next Tuesday comes as usual.
    EXPECT_EQ(Pass(missedAt(2026, 3, 10, 9, 59), missedAt(2026, 3, 10, 10, 0)), 1);
}

TEST_F(Missed, OnlyTheLatestOccurrenceHoweverLongTheProgramWasAway)
{
    Add(missedAt(2026, 1, 6, 10, 0), RecurWeekly, 0.0, QStringLiteral("Weekly"));
    Add(missedAt(2020, 1, 15, 8, 0), RecurMonthly, 0.0, QStringLiteral("Monthly"));
    Add(missedAt(2020, 2, 1, 8, 0), RecurAnnual, 0.0, QStringLiteral("Annual"));
    EXPECT_EQ(Pass(missedAt(2024, 6, 1, 12, 0), missedAt(2026, 3, 5, 9, 0)), 3);
    ASSERT_EQ(m_host.m_alerts.size(), 3u);
    // In list order, by the reminders' own dates: the monthly, the annual, the weekly.
    EXPECT_TRUE(Text(0).startsWith(QStringLiteral("Reminder for ") + missedAt(2026, 2, 15, 8, 0).Format()));
    EXPECT_TRUE(Text(1).startsWith(QStringLiteral("Reminder for ") + missedAt(2026, 2, 1, 8, 0).Format()));
    EXPECT_TRUE(Text(2).startsWith(QStringLiteral("Reminder for ") + missedAt(2026, 3, 3, 10, 0).Format()));
}

TEST_F(Missed, NothingIsMissedWithoutARecordedPassOrWhenItEndedBeforeIt)
{
    Add(missedAt(2020, 1, 7, 10, 0), RecurWeekly);
    Add(missedAt(2020, 1, 15, 8, 0), RecurMonthly);
    // A first start, or a file from elsewhere: years of unseen occurrences stay quiet.
    EXPECT_EQ(Pass(kNoPass, missedAt(2026, 3, 5, 9, 0)), 0);
    // The last pass came after Tuesday's day was over.
    EXPECT_EQ(Pass(missedAt(2026, 3, 4, 0, 0), missedAt(2026, 3, 5, 9, 0)), 0);
    // A clock set back: the last pass lies ahead of now.
    EXPECT_EQ(Pass(missedAt(2026, 3, 9, 9, 0), missedAt(2026, 3, 5, 9, 0)), 0);
}

TEST_F(Missed, AnOccurrenceShownBeforeTheTimeAwayIsNotMissed)
{
    CReminder &r = Add(missedAt(2026, 1, 6, 10, 0), RecurWeekly, 1.0);
    r.m_Shown = true;
    r.m_LastShown = missedAt(2026, 3, 2, 10, 30); // during its notice on Monday
    EXPECT_EQ(Pass(missedAt(2026, 3, 2, 18, 0), missedAt(2026, 3, 5, 9, 0)), 0);
}

TEST_F(Missed, WhenTheNextOccurrenceIsDueOnlyItIsPresented)
{
    // Away from Monday to the next Monday evening, inside the next notice.
    Add(missedAt(2026, 1, 6, 10, 0), RecurWeekly, 1.0);
    EXPECT_EQ(Pass(missedAt(2026, 3, 2, 8, 0), missedAt(2026, 3, 9, 20, 0)), 1);
    ASSERT_EQ(m_host.m_alerts.size(), 1u);
    EXPECT_EQ(Text(0), QStringLiteral("One day to go:\nReminder for ") + missedAt(2026, 3, 10, 10, 0).Format()
                           + QStringLiteral(":\n\nBins out"));
}

TEST_F(Missed, OneTimeRemindersKeepTheirOwnLateRule)
{
    Add(missedAt(2026, 3, 3, 10, 0), RecurOneTime);
    EXPECT_FALSE(CMissedCheck::FindMissed(m_list[0], missedAt(2026, 3, 2), missedAt(2026, 3, 5)));
    // No record of a pass: still presented late, once.
    EXPECT_EQ(Pass(kNoPass, missedAt(2026, 3, 5, 9, 0)), 1);
    EXPECT_EQ(Pass(missedAt(2026, 3, 5, 9, 0), missedAt(2026, 3, 6, 9, 0)), 0);
}
