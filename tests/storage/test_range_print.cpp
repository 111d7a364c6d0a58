// Deleting a range of days and the print selection over the same range.
#include "StorageFixtures.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"
#include "storage/CRangeDelete.h"

#include <gtest/gtest.h>

namespace {

COleDateTime day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

class RangeDelete : public ::testing::Test
{
protected:
    void Add(int y, int m, int d, int h, const char *message, int recurrence = RecurOneTime)
    {
        m_list.InsertSorted(MakeReminder(y, m, d, h, 0, QString::fromLatin1(message), recurrence));
    }
    QStringList Messages() const
    {
        QStringList out;
        for (int i = 0; i < m_list.GetSize(); ++i)
            out << m_list[i].m_Message;
        return out;
    }
    CReminderList m_list;
};

TEST_F(RangeDelete, ToDayIsIncludedToItsEnd)
{
    Add(1997, 12, 31, 23, "before");
    Add(1998, 1, 1, 0, "first moment");
    Add(1998, 1, 31, 0, "last day midnight");
    Add(1998, 1, 31, 9, "last day morning");
    Add(1998, 1, 31, 23, "last day night");
    Add(1998, 2, 1, 0, "after");
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(1998, 1, 1), day(1998, 1, 31), true), 4);
    EXPECT_EQ(Messages(), (QStringList { "before", "after" }));
}

TEST_F(RangeDelete, RepeatingRemindersOnlyWhenTheBoxIsCleared)
{
    Add(1998, 1, 10, 9, "annual", RecurAnnual);
    Add(1998, 1, 11, 9, "weekly", RecurWeekly);
    Add(1998, 1, 12, 9, "once");
    Add(1990, 1, 12, 9, "annual from before", RecurAnnual); // judged by its own date
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(1998, 1, 1), day(1998, 1, 31), true), 1);
    EXPECT_EQ(Messages(), (QStringList { "annual from before", "annual", "weekly" }));
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(1998, 1, 1), day(1998, 1, 31), false), 2);
    EXPECT_EQ(Messages(), QStringList { "annual from before" });
}

TEST_F(RangeDelete, AdjacentMatchesAreAllDeletedAndIndexesRebuilt)
{
    for (int i = 0; i < 5; ++i)
        Add(2024, 2, 29, 8 + i, "leap");
    Add(2024, 3, 1, 8, "kept");
    Add(2024, 3, 1, 9, "weekly", RecurWeekly);
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(2024, 2, 29), day(2024, 2, 29), true), 5);
    EXPECT_EQ(m_list.GetSize(), 2);
    EXPECT_EQ(m_list.GetRemindersOnDay(day(2024, 3, 8)), 1); // the weekly index points at the right element
    EXPECT_EQ(m_list[m_list.GetDayResult(0)].m_Message, QStringLiteral("weekly"));
}

TEST_F(RangeDelete, DialogPresets)
{
    const COleDateTime now(2024, 3, 1, 12, 0, 0);
    EXPECT_EQ(CRangeDelete::DefaultFrom(now), COleDateTime(2023, 9, 3, 12, 0, 0));
    EXPECT_EQ(CRangeDelete::DefaultTo(now), COleDateTime(2024, 1, 31, 12, 0, 0));
}

TEST_F(RangeDelete, InvalidDatesAreNeverJudged)
{
    CReminder r = MakeReminder(1998, 1, 5, 9, 0, QStringLiteral("bad"));
    r.m_DateTime.SetStatus(COleDateTime::invalid);
    m_list.InsertSorted(r);
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(1998, 1, 1), day(1998, 1, 31), false), 0);
}

class PrintSelection : public RangeDelete
{
protected:
    std::unique_ptr<CReminderArray> Days(COleDateTime from, COleDateTime to)
    {
        m_list.RebuildIndexes(); // as the list stands after any change
        return CPrintSelection::ForDays(m_list, from, to);
    }
};

TEST_F(PrintSelection, WeeklyReminderGivesOneEntryAWeekFromItsOwnDate)
{
    Add(2024, 3, 6, 14, "weekly", RecurWeekly); // a Wednesday
    const auto a = Days(day(2024, 2, 26), day(2024, 3, 24));
    ASSERT_EQ(a->size(), 3u);
    EXPECT_EQ((*a)[0].m_DateTime, COleDateTime(2024, 3, 6, 14, 0, 0));
    EXPECT_EQ((*a)[1].m_DateTime, COleDateTime(2024, 3, 13, 14, 0, 0));
    EXPECT_EQ((*a)[2].m_DateTime, COleDateTime(2024, 3, 20, 14, 0, 0));
    EXPECT_EQ((*a)[2].m_Message, QStringLiteral("weekly"));
}

TEST_F(PrintSelection, OneDayRangeAndTheEndDayExclusiveForm)
{
    Add(2024, 12, 31, 23, "new year's eve");
    Add(2025, 1, 1, 0, "new year");
    EXPECT_EQ(Days(day(2024, 12, 31), day(2024, 12, 31))->size(), 1u);
    EXPECT_EQ(CPrintSelection::MakePrintArray(m_list, day(2024, 12, 31), day(2024, 12, 31))->size(), 0u);
    EXPECT_EQ(CPrintSelection::MakePrintArray(m_list, day(2024, 12, 31), day(2025, 1, 2))->size(), 2u);
    EXPECT_EQ(Days(day(2025, 1, 1), day(2024, 12, 31))->size(), 0u); // From after To
}

TEST_F(PrintSelection, EntriesOfADayAreInTimeOrder)
{
    Add(2024, 5, 1, 10, "ten", RecurMonthly);
    Add(2024, 5, 1, 9, "nine", RecurAnnual);
    Add(2024, 5, 1, 8, "eight", RecurWeekly);
    const auto a = Days(day(2024, 5, 1), day(2024, 5, 1));
    ASSERT_EQ(a->size(), 3u);
    EXPECT_EQ((*a)[0].m_Message, QStringLiteral("eight"));
    EXPECT_EQ((*a)[1].m_Message, QStringLiteral("nine"));
    EXPECT_EQ((*a)[2].m_Message, QStringLiteral("ten"));
}

TEST_F(PrintSelection, SameMomentEntriesStandInReverseOfCollection)
{
    Add(2024, 5, 1, 9, "once");
    Add(2024, 4, 24, 9, "weekly", RecurWeekly);
    Add(2024, 1, 1, 9, "monthly", RecurMonthly);
    const auto a = Days(day(2024, 5, 1), day(2024, 5, 1));
    ASSERT_EQ(a->size(), 3u); // collected one-time, weekly, monthly
    EXPECT_EQ((*a)[0].m_Message, QStringLiteral("monthly"));
    EXPECT_EQ((*a)[1].m_Message, QStringLiteral("weekly"));
    EXPECT_EQ((*a)[2].m_Message, QStringLiteral("once"));
}

TEST_F(PrintSelection, MonthlyOnTheThirtyFirstSkipsShortMonthsAndLeapDayAnnuals)
{
    Add(2024, 1, 31, 9, "monthly 31st", RecurMonthly);
    Add(2020, 2, 29, 9, "leap birthday", RecurAnnual);
    const auto april = Days(day(2024, 4, 1), day(2024, 4, 30));
    EXPECT_EQ(april->size(), 0u);
    const auto year = Days(day(2024, 1, 1), day(2025, 12, 31));
    int monthly = 0, leap = 0;
    for (const CReminder &r : *year)
        (r.m_Recurrence == RecurMonthly ? monthly : leap)++;
    EXPECT_EQ(monthly, 14); // 7 months a year with a 31st
    EXPECT_EQ(leap, 1);     // 29 February 2024 only
    EXPECT_TRUE(std::is_sorted(year->begin(), year->end(),
                               [](const CReminder &a, const CReminder &b) { return a.m_DateTime < b.m_DateTime; }));
}

TEST_F(PrintSelection, AtMostTwentyADay)
{
    for (int i = 0; i < 25; ++i)
        Add(2024, 5, 1, i % 24, "many");
    EXPECT_EQ(Days(day(2024, 5, 1), day(2024, 5, 1))->size(), 20u);
}

TEST_F(PrintSelection, DeleteAndPrintAgreeOnTheRange)
{
    Add(1998, 1, 31, 9, "last day");
    const auto printed = Days(day(1998, 1, 1), day(1998, 1, 31));
    EXPECT_EQ(printed->size(), 1u);
    EXPECT_EQ(CRangeDelete::DeleteRange(m_list, day(1998, 1, 1), day(1998, 1, 31), true), 1);
}

} // namespace

TEST_F(PrintSelection, OccurrencesListEveryOneWhileThePrintoutKeepsTwentyADay)
{
    for (int i = 0; i < 10; ++i)
        Add(2024, 5, 1, 9, "once", RecurOneTime);
    for (int i = 0; i < 15; ++i)
        Add(2024, 1, 1, 8, "monthly", RecurMonthly);
    Add(2024, 5, 2, 9, "next day");
    m_list.RebuildIndexes();
    const auto all = CPrintSelection::Occurrences(m_list, day(2024, 5, 1), day(2024, 5, 3), 0);
    ASSERT_EQ(all.size(), 26u);
    EXPECT_EQ(m_list[all.back().m_Index].m_Message, QStringLiteral("next day"));

    const auto printed = Days(day(2024, 5, 1), day(2024, 5, 2));
    const auto limited = CPrintSelection::Occurrences(m_list, day(2024, 5, 1), day(2024, 5, 3), 20);
    ASSERT_EQ(printed->size(), 21u);
    ASSERT_EQ(limited.size(), 21u);
    int monthly = 0;
    for (size_t i = 0; i < limited.size(); ++i) {
        EXPECT_EQ((*printed)[i].m_DateTime, limited[i].m_When);
        EXPECT_EQ((*printed)[i].m_Message, m_list[limited[i].m_Index].m_Message);
        monthly += (*printed)[i].m_Recurrence == RecurMonthly;
    }
    EXPECT_EQ(monthly, 10); // all one-time ones were collected first
}
