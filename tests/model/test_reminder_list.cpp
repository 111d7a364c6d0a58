#include "model/CIconNameMap.h"
#include "model/CReminderList.h"

#include <gtest/gtest.h>

namespace {

CReminder make(const COleDateTime &dt, int recurrence, const QString &message = QStringLiteral("m"))
{
    CReminder r;
    r.m_DateTime = dt;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_Message = message;
    return r;
}

COleDateTime day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

std::vector<int> onDay(CReminderList &list, const COleDateTime &d)
{
    std::vector<int> out;
    const int n = list.GetRemindersOnDay(d);
    for (int i = 0; i < n; ++i)
        out.push_back(list.GetDayResult(i));
    return out;
}

TEST(ReminderList, InsertSortedPutsTheNewestOfEqualTimesFirst)
{
    CReminderList list;
    const COleDateTime t(2026, 3, 1, 9, 0, 0);
    list.InsertSorted(make(t, 0, QStringLiteral("first")));
    list.InsertSorted(make(t, 0, QStringLiteral("second")));
    list.InsertSorted(make(COleDateTime(2026, 2, 1, 9, 0, 0), 0, QStringLiteral("early")));
    list.InsertSorted(make(COleDateTime(2026, 4, 1, 9, 0, 0), 0, QStringLiteral("late")));
    ASSERT_EQ(list.GetSize(), 4);
    EXPECT_EQ(list[0].m_Message, QStringLiteral("early"));
    EXPECT_EQ(list[1].m_Message, QStringLiteral("second"));
    EXPECT_EQ(list[2].m_Message, QStringLiteral("first"));
    EXPECT_EQ(list[3].m_Message, QStringLiteral("late"));
}

TEST(ReminderList, SortMatchesRepeatedInsertion)
{
    CReminderList list;
    const COleDateTime t(2026, 3, 1, 9, 0, 0);
    list.SetSize(4);
    list[0] = make(COleDateTime(2026, 5, 1, 0, 0, 0), 0, QStringLiteral("may"));
    list[1] = make(t, 0, QStringLiteral("a"));
    list[2] = make(COleDateTime(2026, 1, 1, 0, 0, 0), 0, QStringLiteral("jan"));
    list[3] = make(t, 0, QStringLiteral("b"));
    list.Sort();
    EXPECT_EQ(list[0].m_Message, QStringLiteral("jan"));
    EXPECT_EQ(list[1].m_Message, QStringLiteral("b")); // inserted after "a", so before it
    EXPECT_EQ(list[2].m_Message, QStringLiteral("a"));
    EXPECT_EQ(list[3].m_Message, QStringLiteral("may"));
}

// Lists that come whole (a load, a merge, a sync) may be out of order; the
// day query's binary search would miss reminders in them.
TEST(ReminderList, AssignPutsAWholeListInOrderWithItsIndexes)
{
    CReminderList list;
    list.Assign({ make(COleDateTime(2026, 5, 1, 9, 0, 0), 0, QStringLiteral("may")),
                  make(COleDateTime(2026, 1, 6, 9, 0, 0), 3, QStringLiteral("tuesdays")),
                  make(COleDateTime(2026, 1, 1, 9, 0, 0), 0, QStringLiteral("jan")) });
    EXPECT_TRUE(list.IsSorted());
    EXPECT_EQ(list[0].m_Message, QStringLiteral("jan"));
    EXPECT_EQ(list[2].m_Message, QStringLiteral("may"));
    EXPECT_EQ(onDay(list, day(2026, 5, 1)), (std::vector<int> { 2 }));
    EXPECT_EQ(onDay(list, day(2026, 5, 5)), (std::vector<int> { 1 })); // a Tuesday
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 1, 1)), 0);
}

TEST(ReminderList, AddReminderLooksUpTheIconNumber)
{
    CIconNameMap::Instance().RemoveAll();
    CIconNameMap::Instance().RegisterBuiltinNames();
    CReminderList list;
    list.AddReminder(COleDateTime(2026, 1, 1, 8, 0, 0), COleDateTimeSpan(1.0), QStringLiteral("Gift"),
                     QStringLiteral("msg"), RecurAnnual, true, QStringLiteral("a.wav"), true, COleDateTime(2025, 1, 1, 0, 0, 0));
    const CReminder &r = list[0];
    EXPECT_EQ(r.m_IconNumber, 3);
    EXPECT_EQ(r.m_Recurrence, RecurAnnual);
    EXPECT_TRUE(r.m_Private);
    EXPECT_TRUE(r.m_Shown);
    EXPECT_EQ(r.m_ReshowInterval.GetValue(), 1.0);
    CIconNameMap::Instance().RemoveAll();
}

TEST(ReminderList, DeleteOutsideTheListIsRefused)
{
    CReminderList list;
    list.InsertSorted(make(day(2026, 1, 1), 0));
    EXPECT_FALSE(list.Delete(-1));
    EXPECT_FALSE(list.Delete(1));
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(list.GetSize(), 0);
}

TEST(ReminderListDay, WeeklyFromItsOwnDateOnward)
{
    CReminderList list;
    list.InsertSorted(make(COleDateTime(1998, 6, 10, 9, 0, 0), RecurWeekly));
    list.RebuildIndexes();
    EXPECT_TRUE(onDay(list, day(1998, 6, 3)).empty());
    EXPECT_EQ(onDay(list, day(1998, 6, 10)), std::vector<int>({ 0 }));
    EXPECT_EQ(onDay(list, day(1998, 6, 17)), std::vector<int>({ 0 }));
    EXPECT_TRUE(onDay(list, day(1998, 6, 11)).empty());
}

TEST(ReminderListDay, MonthlyOnTheThirtyFirstSkipsShortMonths)
{
    CReminderList list;
    list.InsertSorted(make(COleDateTime(2026, 1, 31, 9, 0, 0), RecurMonthly));
    list.RebuildIndexes();
    EXPECT_EQ(onDay(list, day(2026, 3, 31)), std::vector<int>({ 0 }));
    for (int d = 1; d <= 30; ++d)
        EXPECT_TRUE(onDay(list, day(2026, 4, d)).empty()) << d;
    EXPECT_EQ(onDay(list, day(2025, 12, 31)), std::vector<int>({ 0 })); // also before its own date
}

TEST(ReminderListDay, AnnualLeapDayShowsOnlyOnLeapDays)
{
    CReminderList list;
    list.InsertSorted(make(COleDateTime(2024, 2, 29, 0, 0, 0), RecurAnnual));
    list.InsertSorted(make(COleDateTime(2024, 3, 1, 0, 0, 0), RecurAnnual));
    list.RebuildIndexes();
    EXPECT_EQ(onDay(list, day(2028, 2, 29)), std::vector<int>({ 0 }));
    EXPECT_TRUE(onDay(list, day(2027, 2, 28)).empty());
    EXPECT_EQ(onDay(list, day(2027, 3, 1)), std::vector<int>({ 1 }));
    EXPECT_EQ(onDay(list, day(2028, 3, 1)), std::vector<int>({ 1 }));
}

TEST(ReminderListDay, TwentyFiveMatchesGiveTwentyInKindOrder)
{
    CReminderList list;
    const COleDateTime target(2026, 6, 10, 0, 0, 0); // a Wednesday
    for (int i = 0; i < 7; ++i)
        list.InsertSorted(make(COleDateTime(2026, 6, 10, 8, i, 0), RecurOneTime));
    for (int i = 0; i < 6; ++i)
        list.InsertSorted(make(COleDateTime(2026, 6, 3, 9, i, 0), RecurWeekly));
    for (int i = 0; i < 6; ++i)
        list.InsertSorted(make(COleDateTime(2026, 5, 10, 10, i, 0), RecurMonthly));
    for (int i = 0; i < 6; ++i)
        list.InsertSorted(make(COleDateTime(2020, 6, 10, 11, i, 0), RecurAnnual));
    list.RebuildIndexes();
    const std::vector<int> got = onDay(list, target);
    ASSERT_EQ(got.size(), 20u);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(list[got[i]].m_Recurrence, RecurOneTime) << i;
    for (int i = 7; i < 13; ++i)
        EXPECT_EQ(list[got[i]].m_Recurrence, RecurWeekly) << i;
    for (int i = 13; i < 19; ++i)
        EXPECT_EQ(list[got[i]].m_Recurrence, RecurMonthly) << i;
    EXPECT_EQ(list[got[19]].m_Recurrence, RecurAnnual);
    // The annual list runs newest index first.
    EXPECT_EQ(got[19], 5);
    // One-time ones in array order.
    EXPECT_LT(got[0], got[1]);
}

TEST(ReminderListDay, UnknownKindsAndInvalidDatesFallOnNoDay)
{
    CReminderList list;
    list.InsertSorted(make(COleDateTime(2026, 6, 10, 8, 0, 0), 7));
    CReminder bad = make(COleDateTime(2026, 6, 10, 9, 0, 0), RecurOneTime);
    bad.m_DateTime.SetStatus(COleDateTime::invalid);
    list.InsertSorted(bad);
    list.RebuildIndexes();
    EXPECT_TRUE(onDay(list, day(2026, 6, 10)).empty());
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 6, 10)), 0); // found, but of no kind the day shows
}

TEST(ReminderListDay, FindFirstOnDateAmongMany)
{
    CReminderList list;
    for (int d = 1; d <= 28; ++d)
        for (int h = 0; h < 3; ++h)
            list.InsertSorted(make(COleDateTime(2026, 2, d, 8 + h, 0, 0), RecurOneTime));
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 2, 1)), 0);
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 2, 15)), 42);
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 3, 1)), -1);
    EXPECT_EQ(list.FindFirstOnDate(day(2026, 1, 31)), -1);
}

TEST(ReminderList, ContainsIgnoresSoundPrivacyAndShownButNotIconNameCase)
{
    CReminderList list;
    CReminder r = make(COleDateTime(2026, 6, 10, 8, 0, 0), RecurAnnual, QStringLiteral("Anniversary"));
    r.m_IconName = QStringLiteral("Rings");
    list.InsertSorted(make(COleDateTime(2026, 6, 10, 8, 0, 0), RecurOneTime));
    list.InsertSorted(r);
    CReminder copy = r;
    copy.m_SoundFileName = QStringLiteral("x.wav");
    copy.m_Private = true;
    copy.m_Shown = true;
    EXPECT_TRUE(list.Contains(copy));
    copy.m_IconName = QStringLiteral("rings");
    EXPECT_FALSE(list.Contains(copy));
    CReminder other = r;
    other.m_AdvanceNotice = COleDateTimeSpan(1.0);
    EXPECT_FALSE(list.Contains(other));
}

TEST(ReminderList, DateKeys)
{
    const COleDateTime dt(2026, 7, 4, 15, 30, 20);
    EXPECT_EQ(CReminderList::DateOnly(dt), COleDateTime(2026, 7, 4, 0, 0, 0));
    EXPECT_DOUBLE_EQ(CReminderList::TimeOnly(dt).GetValue(), (15 * 3600 + 30 * 60 + 20) / 86400.0);
}

} // namespace
