#include "CalendarTestSupport.h"
#include "calendar/CCalendarMonth.h"

#include <gtest/gtest.h>

using namespace calendartest;

namespace {

const QRect kClient(0, 0, 372, 295);
const COleDateTime kNow(2026, 2, 14, 9, 30, 0);

CCalendarMonth filled(int month, int year, CReminderList &list, const FakeArt &art,
                      const COleDateTime &now = kNow, const COleDateTime &selected = COleDateTime())
{
    CCalendarMonth m;
    m.Layout(kClient);
    m.FillMonth(month, year, list, art, now, selected);
    return m;
}

} // namespace

TEST(CalendarLayout, ArtworkSizeGivesFiftyThreeByFortyNineCellsFromTheCorner)
{
    CCalendarMonth m;
    m.Layout(kClient);
    EXPECT_TRUE(m.layoutDone);
    EXPECT_EQ(m.cells[0].rect, QRect(0, 0, 53, 49));
    EXPECT_EQ(m.cells[8].rect, QRect(53, 49, 53, 49));
    EXPECT_EQ(m.cells[41].rect, QRect(318, 245, 53, 49));
    EXPECT_EQ(m.hoverCell, -1);
    EXPECT_EQ(m.selectedCell, -1);
}

TEST(CalendarLayout, LeftoverPixelsCentreTheGrid)
{
    CCalendarMonth m;
    m.Layout(QRect(10, 20, 7 * 50 + 5, 6 * 40 + 3));
    EXPECT_EQ(m.cells[0].rect, QRect(12, 21, 50, 40));
    EXPECT_EQ(m.cells[6].rect.right() + 1, 12 + 350);
}

struct MonthStart
{
    const char *name;
    int month;
    int year;
    int firstCell;
    int days;
};

class CalendarFill : public ::testing::TestWithParam<MonthStart>
{
};

TEST_P(CalendarFill, DaysRunFromTheFirstWeekday)
{
    const MonthStart c = GetParam();
    CReminderList list;
    FakeArt art;
    const CCalendarMonth m = filled(c.month, c.year, list, art);
    for (int k = 0; k < CCalendarMonth::kCells; ++k) {
        const int expected = (k >= c.firstCell && k < c.firstCell + c.days) ? k - c.firstCell + 1 : 0;
        ASSERT_EQ(m.cells[k].day, expected) << "cell " << k;
        if (expected) {
            EXPECT_EQ(m.cells[k].date, COleDateTime(c.year, c.month, expected, 0, 0, 0)) << "cell " << k;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EachWeekday, CalendarFill,
                         ::testing::Values(MonthStart { "Feb2026Sunday", 2, 2026, 0, 28 },
                                           MonthStart { "Jun2026Monday", 6, 2026, 1, 30 },
                                           MonthStart { "Sep2026Tuesday", 9, 2026, 2, 30 },
                                           MonthStart { "Apr2026Wednesday", 4, 2026, 3, 30 },
                                           MonthStart { "Jan2026Thursday", 1, 2026, 4, 31 },
                                           MonthStart { "May2026Friday", 5, 2026, 5, 31 },
                                           MonthStart { "Aug2026Saturday", 8, 2026, 6, 31 },
                                           MonthStart { "LeapFeb2028Tuesday", 2, 2028, 2, 29 },
                                           MonthStart { "Dec3000Monday", 12, 3000, 1, 31 },
                                           MonthStart { "Jan1984Sunday", 1, 1984, 0, 31 }),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(CalendarFill, FebruaryFromSundayFillsRowsZeroToThreeOnly)
{
    CReminderList list;
    FakeArt art;
    const CCalendarMonth m = filled(2, 2026, list, art);
    EXPECT_EQ(m.cells[27].day, 28);
    for (int k = 28; k < 42; ++k)
        EXPECT_EQ(m.cells[k].day, 0);
}

TEST(CalendarFill, SaturdayStartPutsThirtiethAndThirtyFirstInTheLastRow)
{
    CReminderList list;
    FakeArt art;
    const CCalendarMonth m = filled(8, 2026, list, art);
    EXPECT_EQ(m.cells[35].day, 30);
    EXPECT_EQ(m.cells[36].day, 31);
    EXPECT_EQ(m.cells[37].day, 0);
}

TEST(CalendarFill, TodayIsFlaggedOnlyInTodaysMonth)
{
    CReminderList list;
    FakeArt art;
    const CCalendarMonth feb = filled(2, 2026, list, art, kNow);
    for (int k = 0; k < 42; ++k)
        EXPECT_EQ(feb.cells[k].IsToday(), k == 13) << k;
    const CCalendarMonth mar = filled(3, 2026, list, art, kNow);
    for (const CCalendarCell &cell : mar.cells)
        EXPECT_FALSE(cell.IsToday());
    // The same day of another year is not today.
    const CCalendarMonth feb27 = filled(2, 2027, list, art, kNow);
    for (const CCalendarCell &cell : feb27.cells)
        EXPECT_FALSE(cell.IsToday());
}

TEST(CalendarFill, SelectedCellFollowsTheSelectedDateAndIsClearedElsewhere)
{
    CReminderList list;
    FakeArt art;
    CCalendarMonth m = filled(2, 2026, list, art, kNow, COleDateTime(2026, 2, 20, 0, 0, 0));
    EXPECT_EQ(m.selectedCell, 19);
    m.FillMonth(3, 2026, list, art, kNow, COleDateTime(2026, 2, 20, 0, 0, 0));
    EXPECT_EQ(m.selectedCell, -1);
    // A stale date left in a cell outside the month never matches.
    EXPECT_EQ(m.FindCell(COleDateTime(2026, 2, 20, 0, 0, 0)), -1);
    // A time of day is not the day itself.
    m.FillMonth(2, 2026, list, art, kNow, COleDateTime(2026, 2, 20, 12, 0, 0));
    EXPECT_EQ(m.selectedCell, -1);
}

TEST(CalendarFill, BadMonthKeepsTheCellsAndImpossibleMonthEmptiesThem)
{
    CReminderList list;
    FakeArt art;
    CCalendarMonth m = filled(2, 2026, list, art);
    EXPECT_FALSE(m.FillMonth(32, 2026, list, art, kNow, COleDateTime()));
    EXPECT_EQ(m.cells[0].day, 1);
    EXPECT_TRUE(m.FillMonth(13, 2026, list, art, kNow, COleDateTime()));
    for (const CCalendarCell &cell : m.cells)
        EXPECT_EQ(cell.day, 0);
}

TEST(CalendarIcons, OneTwoAndSevenRemindersOnADay)
{
    CReminderList list;
    FakeArt art;
    art.names = { { "Cake", 5 }, { "Bell", 7 } };
    std::vector<CReminder> rs { MakeReminder(COleDateTime(2026, 2, 3, 10, 0, 0), "one", RecurOneTime, "Cake") };
    for (int i = 0; i < 2; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 4, 8 + i, 0, 0), "two", RecurOneTime, "Bell"));
    for (int i = 0; i < 7; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 5, 8 + i, 0, 0), QString("seven %1").arg(i)));
    AddAll(list, rs);
    const CCalendarMonth m = filled(2, 2026, list, art);

    const CCalendarCell &one = m.cells[2];
    ASSERT_EQ(one.iconCount, 1);
    EXPECT_EQ(one.iconRects[0], QRect(one.rect.left() + 8, one.rect.top() + 11, 32, 32));
    EXPECT_EQ(one.iconNumbers[0], 5);
    EXPECT_EQ(one.iconState[0], 1);
    EXPECT_EQ(list[one.reminderIndex[0]].m_Message, "one");

    const CCalendarCell &two = m.cells[3];
    ASSERT_EQ(two.iconCount, 2);
    EXPECT_EQ(two.iconRects[0], QRect(two.rect.left() + 2, two.rect.top() + 11, 16, 16));
    EXPECT_EQ(two.iconRects[1], QRect(two.rect.left() + 19, two.rect.top() + 11, 16, 16));

    const CCalendarCell &seven = m.cells[4];
    EXPECT_EQ(seven.iconCount, 6);
    EXPECT_EQ(seven.iconRects[5], QRect(seven.rect.left() + 36, seven.rect.top() + 28, 16, 16));
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list[seven.reminderIndex[i]].m_DateTime.GetDay(), 5);
}

TEST(CalendarIcons, RecurringRemindersShowOnEveryMatchingDay)
{
    CReminderList list;
    FakeArt art;
    AddAll(list, { MakeReminder(COleDateTime(2026, 1, 2, 9, 0, 0), "fridays", RecurWeekly),
                   MakeReminder(COleDateTime(2020, 2, 29, 0, 0, 0), "leap", RecurAnnual) });
    const CCalendarMonth feb = filled(2, 2026, list, art);
    for (int k : { 5, 12, 19, 26 })
        EXPECT_EQ(feb.cells[k].iconCount, 1) << k;
    EXPECT_EQ(feb.cells[6].iconCount, 0);
    const CCalendarMonth leap = filled(2, 2028, list, art);
    EXPECT_EQ(leap.cells[leap.FindCell(COleDateTime(2028, 2, 29, 0, 0, 0))].iconCount, 1);
    EXPECT_EQ(leap.cells[leap.FindCell(COleDateTime(2028, 2, 28, 0, 0, 0))].iconCount, 0);
}

TEST(CalendarIcons, StaleIconNumbersAreLookedUpAgainWhenTheLibraryGrew)
{
    CReminderList list;
    FakeArt art;
    art.names = { { "Imported.ico", 63 } };
    AddAll(list, { MakeReminder(COleDateTime(2026, 2, 10, 0, 0, 0), "x", RecurOneTime, "Imported.ico"),
                   MakeReminder(COleDateTime(2026, 2, 11, 0, 0, 0), "y", RecurOneTime, "NoSuchIcon") });
    CCalendarMonth m = filled(2, 2026, list, art);
    EXPECT_EQ(m.cells[9].iconNumbers[0], 63);
    EXPECT_EQ(m.cells[10].iconNumbers[0], 0);
    EXPECT_EQ(art.lookups, 2);

    m.FillMonth(2, 2026, list, art, kNow, COleDateTime());
    EXPECT_EQ(art.lookups, 2) << "stamped numbers are reused";

    art.names["Imported.ico"] = 70;
    art.generation = 2;
    m.FillMonth(2, 2026, list, art, kNow, COleDateTime());
    EXPECT_EQ(art.lookups, 4);
    EXPECT_EQ(m.cells[9].iconNumbers[0], 70);
    EXPECT_EQ(list[list.FindFirstOnDate(COleDateTime(2026, 2, 10, 0, 0, 0))].m_IconNumber, 70);
}

TEST(CalendarIcons, ADraggedReminderKeepsItsSlotButIsHidden)
{
    CReminderList list;
    FakeArt art;
    AddAll(list, { MakeReminder(COleDateTime(2026, 2, 10, 8, 0, 0), "a"),
                   MakeReminder(COleDateTime(2026, 2, 10, 9, 0, 0), "b") });
    CCalendarMonth m;
    m.Layout(kClient);
    m.FillMonth(2, 2026, list, art, kNow, COleDateTime(), 1); // the second one is being dragged
    const CCalendarCell &cell = m.cells[9];
    ASSERT_EQ(cell.iconCount, 2);
    EXPECT_EQ(cell.iconState[0], 1);
    EXPECT_EQ(cell.iconState[1], -1);
    EXPECT_EQ(cell.iconRects[1].left(), cell.rect.left() + 19);
}

TEST(CalendarHitTest, CellsOutsideTheMonthNeverAnswer)
{
    CReminderList list;
    FakeArt art;
    const CCalendarMonth m = filled(4, 2026, list, art); // 1 April in cell 3
    EXPECT_EQ(m.HitTestCell(QPoint(10, 10)), -1);
    EXPECT_EQ(m.HitTestCell(QPoint(3 * 53, 0)), 3);
    EXPECT_EQ(m.HitTestCell(QPoint(3 * 53 - 1, 48)), -1);
    EXPECT_EQ(m.HitTestCell(QPoint(-1, -1)), -1);
    EXPECT_EQ(m.HitTestCell(QPoint(371, 294)), -1);
    EXPECT_EQ(m.HitTestCell(QPoint(500, 10)), -1);
}

TEST(CalendarHitTest, IconsAnswerInsideTheirRectanglesOnly)
{
    CReminderList list;
    FakeArt art;
    AddAll(list, { MakeReminder(COleDateTime(2026, 2, 1, 8, 0, 0), "a"),
                   MakeReminder(COleDateTime(2026, 2, 1, 9, 0, 0), "b") });
    const CCalendarMonth m = filled(2, 2026, list, art);
    EXPECT_EQ(m.HitTestIcon(QPoint(2, 11), 0), 0);
    EXPECT_EQ(m.HitTestIcon(QPoint(17, 26), 0), 0);
    EXPECT_EQ(m.HitTestIcon(QPoint(18, 11), 0), -1);
    EXPECT_EQ(m.HitTestIcon(QPoint(19, 11), 0), 1);
    EXPECT_EQ(m.HitTestIcon(QPoint(40, 40), 0), -1);
    EXPECT_EQ(m.HitTestIcon(QPoint(2, 11), -1), -1);
    EXPECT_EQ(m.HitTestIcon(QPoint(2, 11), 42), -1);
}

TEST(CalendarHitTest, BackgroundStatePrefersOutsideThenSelectedThenHover)
{
    CReminderList list;
    FakeArt art;
    CCalendarMonth m = filled(4, 2026, list, art, kNow, COleDateTime(2026, 4, 1, 0, 0, 0));
    m.cells[0].highlight = 1;
    m.cells[3].highlight = 1;
    m.cells[4].highlight = 1;
    EXPECT_EQ(m.BackgroundStateOf(0), CCalendarMonth::StateOutside);
    EXPECT_EQ(m.BackgroundStateOf(3), CCalendarMonth::StateSelected);
    EXPECT_EQ(m.BackgroundStateOf(4), CCalendarMonth::StateHover);
    EXPECT_EQ(m.BackgroundStateOf(5), CCalendarMonth::StateNormal);
}

// The week begins where the locale begins it; the cell faces keep their
// weekdays (the weekend shaded) wherever that puts them.
TEST(CalendarWeek, MondayFirstShiftsTheDaysAndKeepsEachWeekdaysFace)
{
    EXPECT_EQ(1, CCalendarMonth::FirstDayOfWeek(QLocale::c()));
    EXPECT_EQ(1, CCalendarMonth::FirstDayOfWeek(QLocale(QLocale::English, QLocale::UnitedStates)));
    EXPECT_EQ(2, CCalendarMonth::FirstDayOfWeek(QLocale(QLocale::German, QLocale::Germany)));
    EXPECT_EQ(2, CCalendarMonth::FirstDayOfWeek(QLocale(QLocale::French, QLocale::France)));

    CReminderList list;
    FakeArt art;
    CCalendarMonth m;
    m.Layout(kClient);
    m.firstDayOfWeek = 2;
    // 1 March 2026 is a Sunday: the last column of the first row.
    m.FillMonth(3, 2026, list, art, kNow, COleDateTime());
    EXPECT_EQ(0, m.cells[5].day);
    EXPECT_EQ(1, m.cells[6].day);
    EXPECT_EQ(2, m.cells[7].day);
    EXPECT_EQ(2, m.WeekdayOfColumn(0));
    EXPECT_EQ(1, m.WeekdayOfColumn(6));
    // The Sunday column wears the face of the pictures' Sunday column (0),
    // Monday's that of column 1, in the same row.
    EXPECT_EQ(7, m.ArtworkCell(13));
    EXPECT_EQ(8, m.ArtworkCell(7));
    m.firstDayOfWeek = 1;
    for (int k = 0; k < CCalendarMonth::kCells; ++k)
        EXPECT_EQ(k, m.ArtworkCell(k));
}
