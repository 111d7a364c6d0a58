#include "CalendarTestSupport.h"
#include "calendar/CCalendarDrag.h"

#include <gtest/gtest.h>

using namespace calendartest;

TEST(CalendarDragRules, OnePixelIsNoDragTwoPixelsAre)
{
    const QPoint down(100, 100);
    EXPECT_FALSE(CCalendarDrag::MovedPastThreshold(down, QPoint(101, 101)));
    EXPECT_FALSE(CCalendarDrag::MovedPastThreshold(down, QPoint(99, 100)));
    EXPECT_TRUE(CCalendarDrag::MovedPastThreshold(down, QPoint(102, 100)));
    EXPECT_TRUE(CCalendarDrag::MovedPastThreshold(down, QPoint(100, 98)));
}

TEST(CalendarDragRules, ImageRectangleAndEdgeBands)
{
    EXPECT_EQ(CCalendarDrag::ImageRect(QPoint(100, 80)), QRect(84, 64, 46, 46));
    const QSize client(372, 295);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(18, 100)), client), -1);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(19, 100)), client), 0);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(100, 18)), client), -1);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(353, 100)), client), 0);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(354, 100)), client), 1);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(100, 277)), client), 1);
    // The left/top band wins in a corner.
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(18, 277)), client), -1);
}

TEST(CalendarDragRules, PointerIsHeldSixteenPixelsInsideAndStillReachesTheBands)
{
    const QSize client(372, 295);
    EXPECT_EQ(CCalendarDrag::ClampToGrid(QPoint(-50, 500), client), QPoint(16, 278));
    EXPECT_EQ(CCalendarDrag::ClampToGrid(QPoint(400, 3), client), QPoint(355, 16));
    EXPECT_EQ(CCalendarDrag::ClampToGrid(QPoint(200, 100), client), QPoint(200, 100));
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(355, 100)), client), 1);
    EXPECT_EQ(CCalendarDrag::BumpDirection(CCalendarDrag::ImageRect(QPoint(16, 100)), client), -1);
}

struct BumpCase
{
    const char *name;
    COleDateTime selected;
    int direction;
    int year;
    int month0;
    COleDateTime expected;
};

class CalendarBump : public ::testing::TestWithParam<BumpCase>
{
};

TEST_P(CalendarBump, StepsTheMonthWithinTheYearRange)
{
    const BumpCase c = GetParam();
    const CCalendarDrag::Step step =
        CCalendarDrag::BumpMonth(c.selected, c.selected.GetYear(), c.selected.GetMonth() - 1, c.direction);
    EXPECT_EQ(step.year, c.year);
    EXPECT_EQ(step.month0, c.month0);
    EXPECT_EQ(step.selected, c.expected) << step.selected.Format().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Bumps, CalendarBump,
    ::testing::Values(
        BumpCase { "ForwardInYear", COleDateTime(2026, 5, 17, 0, 0, 0), 1, 2026, 5, COleDateTime(2026, 6, 17, 0, 0, 0) },
        BumpCase { "DecemberToJanuary", COleDateTime(2026, 12, 31, 0, 0, 0), 1, 2027, 0, COleDateTime(2027, 1, 31, 0, 0, 0) },
        BumpCase { "JanuaryBackToDecember", COleDateTime(2026, 1, 9, 0, 0, 0), -1, 2025, 11, COleDateTime(2025, 12, 9, 0, 0, 0) },
        BumpCase { "December3000WrapsTo1984", COleDateTime(3000, 12, 5, 0, 0, 0), 1, 1984, 0, COleDateTime(1984, 1, 5, 0, 0, 0) },
        BumpCase { "January1984BackStaysIn1984", COleDateTime(1984, 1, 5, 0, 0, 0), -1, 1984, 11, COleDateTime(1984, 12, 5, 0, 0, 0) },
        BumpCase { "March31ToApril28", COleDateTime(2026, 3, 31, 0, 0, 0), 1, 2026, 3, COleDateTime(2026, 4, 28, 0, 0, 0) },
        BumpCase { "January30ToFebruary28", COleDateTime(2026, 1, 30, 0, 0, 0), 1, 2026, 1, COleDateTime(2026, 2, 28, 0, 0, 0) },
        BumpCase { "LeapMarch29ToFebruary29", COleDateTime(2028, 3, 29, 0, 0, 0), -1, 2028, 1, COleDateTime(2028, 2, 29, 0, 0, 0) }),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CalendarDragMove, DropKeepsTheTimeAndEveryOtherField)
{
    CReminderList list;
    CReminder r = MakeReminder(COleDateTime(2026, 2, 10, 14, 30, 15), "Dentist\r\nbring card", RecurMonthly, "Tooth");
    r.m_AdvanceNotice = COleDateTimeSpan(2, 3, 0, 0);
    r.m_ReshowInterval = COleDateTimeSpan(0, 0, 10, 0);
    r.m_ReservedFlag = true;
    r.SetId(4242); // m_ReservedFlag2 and m_ReservedSpan
    r.m_Private = true;
    r.m_Shown = true;
    r.m_LastShown = COleDateTime(2026, 2, 9, 14, 30, 0);
    r.m_SoundFileName = "ding.wav";
    r.m_IconNumber = 17;
    AddAll(list, { MakeReminder(COleDateTime(2026, 1, 1, 0, 0, 0), "before"), r,
                   MakeReminder(COleDateTime(2026, 3, 1, 0, 0, 0), "after") });
    ASSERT_EQ(list[1].m_Message, r.m_Message);

    const int at = CCalendarDrag::MoveReminder(list, 1, r, COleDateTime(2026, 3, 5, 0, 0, 0));
    ASSERT_EQ(at, 2);
    ASSERT_EQ(list.GetSize(), 3);
    const CReminder &m = list[at];
    EXPECT_EQ(m.m_DateTime, COleDateTime(2026, 3, 5, 14, 30, 15));
    EXPECT_EQ(m.m_Message, r.m_Message);
    EXPECT_EQ(m.m_Recurrence, r.m_Recurrence);
    EXPECT_EQ(m.m_IconName, r.m_IconName);
    EXPECT_EQ(m.m_IconNumber, 17);
    EXPECT_EQ(m.m_AdvanceNotice, r.m_AdvanceNotice);
    EXPECT_EQ(m.m_ReshowInterval, r.m_ReshowInterval);
    EXPECT_EQ(m.m_ReservedFlag, true);
    EXPECT_EQ(m.m_ReservedFlag2, true);
    EXPECT_EQ(m.m_ReservedSpan, r.m_ReservedSpan);
    EXPECT_EQ(m.m_Private, true);
    EXPECT_EQ(m.m_Shown, true);
    EXPECT_EQ(m.m_LastShown, r.m_LastShown);
    EXPECT_EQ(m.m_SoundFileName, r.m_SoundFileName);
    EXPECT_TRUE(list.IsSorted());
    // The indexes were rebuilt: the monthly reminder is now on the 5th.
    EXPECT_EQ(list.GetRemindersOnDay(COleDateTime(2026, 4, 5, 0, 0, 0)), 1);
    EXPECT_EQ(list.GetRemindersOnDay(COleDateTime(2026, 4, 10, 0, 0, 0)), 0);
}

TEST(CalendarDragMove, MovesAcrossYearEndAndOntoLeapDay)
{
    CReminderList list;
    AddAll(list, { MakeReminder(COleDateTime(2027, 12, 31, 23, 59, 0), "eve") });
    ASSERT_EQ(CCalendarDrag::MoveReminder(list, 0, list[0], COleDateTime(2028, 2, 29, 0, 0, 0)), 0);
    EXPECT_EQ(list[0].m_DateTime, COleDateTime(2028, 2, 29, 23, 59, 0));
}

TEST(CalendarDragMove, StaleIndexChangesNothing)
{
    CReminderList list;
    AddAll(list, { MakeReminder(COleDateTime(2026, 2, 10, 9, 0, 0), "a") });
    const CReminder copy = list[0];
    EXPECT_EQ(CCalendarDrag::MoveReminder(list, 1, copy, COleDateTime(2026, 2, 11, 0, 0, 0)), -1);
    EXPECT_EQ(CCalendarDrag::MoveReminder(list, -1, copy, COleDateTime(2026, 2, 11, 0, 0, 0)), -1);
    EXPECT_EQ(CCalendarDrag::MoveReminder(list, 0, copy, COleDateTime(0.0, COleDateTime::invalid)), -1);
    EXPECT_EQ(list.GetSize(), 1);
    EXPECT_EQ(list[0].m_DateTime, COleDateTime(2026, 2, 10, 9, 0, 0));
}

TEST(CalendarDragMove, DropDecisions)
{
    CCalendarDrag drag;
    drag.dragSourceCell = 9;
    drag.dragReminder = MakeReminder(COleDateTime(2026, 2, 10, 14, 30, 0), "x");
    const COleDateTime own(2026, 2, 10, 0, 0, 0);
    const COleDateTime other(2026, 2, 12, 0, 0, 0);
    EXPECT_EQ(drag.DecideDrop(9, own), CCalendarDrag::DropNothing);
    EXPECT_EQ(drag.DecideDrop(-1, COleDateTime()), CCalendarDrag::DropNothing);
    EXPECT_EQ(drag.DecideDrop(11, other), CCalendarDrag::DropMove);
    drag.bumped = true;
    // After a month change the grid is refilled even when nothing moves.
    EXPECT_EQ(drag.DecideDrop(-1, COleDateTime()), CCalendarDrag::DropRefresh);
    EXPECT_EQ(drag.DecideDrop(9, own), CCalendarDrag::DropRefresh);
    EXPECT_EQ(drag.DecideDrop(9, COleDateTime(2026, 3, 10, 0, 0, 0)), CCalendarDrag::DropMove);
}
