#include "CalendarWndFixture.h"

using namespace calendartest;

namespace {
constexpr Qt::MouseButtons kLeft = Qt::LeftButton;
} // namespace

class CalendarDragTest : public CalendarWndTest
{
protected:
    void SetUp() override
    {
        CalendarWndTest::SetUp();
        CReminder r = MakeReminder(COleDateTime(2026, 2, 10, 14, 30, 0), "Dentist", RecurOneTime, "Tooth");
        r.m_ReshowInterval = COleDateTimeSpan(0, 0, 5, 0);
        r.m_ReservedSpan = COleDateTimeSpan(0.5);
        r.m_ReservedFlag = true;
        r.m_SoundFileName = "drill.wav";
        r.m_AdvanceNotice = COleDateTimeSpan(1, 0, 0, 0);
        Fill({ r, MakeReminder(COleDateTime(2026, 2, 1, 8, 0, 0), "other") });
        m_index = list.FindFirstOnDate(kFeb10);
        m_original = list[m_index];
    }
    // Press on the icon of day and move two pixels: the drag is on.
    void StartOn(const COleDateTime &day)
    {
        m_start = IconCentre(day);
        Press(wnd.get(), m_start);
        Move(wnd.get(), m_start + QPoint(2, 0), kLeft);
    }

    int m_index = -1;
    CReminder m_original;
    QPoint m_start;
};

TEST_F(CalendarDragTest, OnePixelDoesNotStartADragTwoPixelsDo)
{
    QSignalSpy stop(wnd.get(), &CCalendarWnd::dragStarted);
    const QPoint icon = IconCentre(kFeb10);
    Press(wnd.get(), icon);
    Move(wnd.get(), icon + QPoint(1, 1), kLeft);
    EXPECT_FALSE(wnd->Drag().dragging);
    Move(wnd.get(), icon + QPoint(2, 1), kLeft);
    EXPECT_TRUE(wnd->Drag().dragging);
    EXPECT_EQ(stop.count(), 1);
    EXPECT_EQ(wnd->Drag().dragReminderIndex, m_index);
    EXPECT_EQ(CellOf(kFeb10).iconState[0], -1);
    EXPECT_EQ(wnd->Drag().lastDragRect, CCalendarDrag::ImageRect(icon + QPoint(2, 1)));
    Release(wnd.get(), icon + QPoint(2, 1));
}

TEST_F(CalendarDragTest, DropOnAnotherDayKeepsTheTimeAndEveryOtherField)
{
    QSignalSpy changed(wnd.get(), &CCalendarWnd::listChanged);
    QSignalSpy start(wnd.get(), &CCalendarWnd::dragEnded);
    StartOn(kFeb10);
    Move(wnd.get(), CellCentre(kFeb12), kLeft);
    Release(wnd.get(), CellCentre(kFeb12));

    EXPECT_FALSE(wnd->Drag().dragging);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(start.count(), 1);
    ASSERT_EQ(list.GetSize(), 2);
    const int moved = list.FindFirstOnDate(kFeb12);
    ASSERT_GE(moved, 0);
    const CReminder &r = list[moved];
    EXPECT_EQ(r.m_DateTime, COleDateTime(2026, 2, 12, 14, 30, 0));
    EXPECT_EQ(r.m_ReshowInterval, m_original.m_ReshowInterval);
    EXPECT_EQ(r.m_ReservedSpan, m_original.m_ReservedSpan);
    EXPECT_EQ(r.m_ReservedFlag, true);
    EXPECT_EQ(r.m_SoundFileName, "drill.wav");
    EXPECT_EQ(r.m_AdvanceNotice, m_original.m_AdvanceNotice);
    EXPECT_EQ(list.FindFirstOnDate(kFeb10), -1);
    EXPECT_EQ(CellOf(kFeb12).iconCount, 1);
    EXPECT_EQ(CellOf(kFeb12).iconState[0], 1);
    EXPECT_EQ(CellOf(kFeb10).iconCount, 0);
}

TEST_F(CalendarDragTest, DropOnItsOwnCellOrOutsideTheMonthChangesNothing)
{
    QSignalSpy changed(wnd.get(), &CCalendarWnd::listChanged);
    StartOn(kFeb10);
    Move(wnd.get(), CellOf(kFeb10).rect.bottomRight() - QPoint(3, 3), kLeft);
    Release(wnd.get(), CellOf(kFeb10).rect.bottomRight() - QPoint(3, 3));
    EXPECT_EQ(list[m_index].m_DateTime, m_original.m_DateTime);
    EXPECT_EQ(CellOf(kFeb10).iconState[0], 1) << "the icon shows again";

    StartOn(kFeb10);
    Move(wnd.get(), QPoint(200, 270), kLeft); // the empty last row
    Release(wnd.get(), QPoint(200, 270));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[m_index].m_DateTime, m_original.m_DateTime);
    EXPECT_EQ(CellOf(kFeb10).iconState[0], 1);
}

TEST_F(CalendarDragTest, PressingBesideTheIconsDisarmsUntilTheRelease)
{
    const QPoint empty = CellCentre(COleDateTime(2026, 2, 11, 0, 0, 0));
    Press(wnd.get(), empty);
    Move(wnd.get(), empty + QPoint(3, 0), kLeft);
    Move(wnd.get(), IconCentre(kFeb10), kLeft);
    EXPECT_FALSE(wnd->Drag().dragging);
    Release(wnd.get(), IconCentre(kFeb10));
    EXPECT_TRUE(wnd->Drag().dragArmed);
    StartOn(kFeb10);
    EXPECT_TRUE(wnd->Drag().dragging);
    Release(wnd.get(), m_start);
}

TEST_F(CalendarDragTest, HoldingAtTheRightEdgeStepsForwardAndTheDropLandsInTheNewMonth)
{
    QSignalSpy bumped(wnd.get(), &CCalendarWnd::monthBumped);
    StartOn(kFeb10);
    Move(wnd.get(), QPoint(420, 150), kLeft); // clamped to x = 355
    EXPECT_EQ(wnd->Drag().lastDragRect.left(), 355 - 16);
    EXPECT_EQ(wnd->Drag().bumpDirection, 1);
    EXPECT_TRUE(wnd->IsTimerActive(CCalendarWnd::TIMERID_BUMPMONTH));

    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    ASSERT_EQ(bumped.count(), 1);
    EXPECT_EQ(bumped.at(0).at(0).toInt(), 2026);
    EXPECT_EQ(bumped.at(0).at(1).toInt(), 2);
    EXPECT_EQ(selection.Date(), COleDateTime(2026, 3, 10, 0, 0, 0));
    EXPECT_EQ(wnd->DisplayedMonth(), 3);
    EXPECT_TRUE(wnd->Drag().bumped);
    EXPECT_TRUE(wnd->IsTimerActive(CCalendarWnd::TIMERID_BUMPMONTH)) << "keeps stepping while held";

    const COleDateTime mar18(2026, 3, 18, 0, 0, 0);
    Move(wnd.get(), CellCentre(mar18), kLeft);
    EXPECT_FALSE(wnd->IsTimerActive(CCalendarWnd::TIMERID_BUMPMONTH));
    Release(wnd.get(), CellCentre(mar18));
    EXPECT_EQ(list[list.FindFirstOnDate(mar18)].m_DateTime, COleDateTime(2026, 3, 18, 14, 30, 0));
}

TEST_F(CalendarDragTest, TheBumpTimerStepsByItselfEveryEightHundredMilliseconds)
{
    StartOn(kFeb10);
    Move(wnd.get(), QPoint(360, 150), kLeft);
    ASSERT_TRUE(WaitUntil([this] { return wnd->DisplayedMonth() == 3; }, 3000));
    ASSERT_TRUE(WaitUntil([this] { return wnd->DisplayedMonth() == 4; }, 3000));
    Release(wnd.get(), QPoint(360, 150));
    EXPECT_FALSE(wnd->IsTimerActive(CCalendarWnd::TIMERID_BUMPMONTH));
    EXPECT_EQ(list.FindFirstOnDate(kFeb10), -1);
    // Saturday of the fourth row of April 2026 is the 25th.
    const int moved = list.FindFirstOnDate(COleDateTime(2026, 4, 25, 0, 0, 0));
    ASSERT_GE(moved, 0);
    EXPECT_EQ(list[moved].m_DateTime, COleDateTime(2026, 4, 25, 14, 30, 0));
}

TEST_F(CalendarDragTest, BumpsWrapFromDecember3000AndStopAtJanuary1984)
{
    list.RemoveAll();
    Fill({ MakeReminder(COleDateTime(3000, 12, 5, 7, 0, 0), "far") });
    selection.SetDate(COleDateTime(3000, 12, 5, 0, 0, 0));
    wnd->Refresh();
    StartOn(selection.Date());
    Move(wnd.get(), QPoint(355, 150), kLeft);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    EXPECT_EQ(selection.Date(), COleDateTime(1984, 1, 5, 0, 0, 0));
    Move(wnd.get(), QPoint(16, 150), kLeft);
    EXPECT_EQ(wnd->Drag().bumpDirection, 1) << "straight to the other edge keeps the old direction";
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    EXPECT_EQ(selection.Date(), COleDateTime(1984, 1, 5, 0, 0, 0)) << "and does not step";
    Move(wnd.get(), QPoint(150, 150), kLeft);
    EXPECT_FALSE(wnd->IsTimerActive(CCalendarWnd::TIMERID_BUMPMONTH));
    Move(wnd.get(), QPoint(16, 150), kLeft);
    EXPECT_EQ(wnd->Drag().bumpDirection, -1);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    EXPECT_EQ(selection.Date(), COleDateTime(1984, 12, 5, 0, 0, 0));
    // Dropped outside the days: the grid is refilled, nothing moves.
    Move(wnd.get(), QPoint(30, 30), kLeft);
    QSignalSpy changed(wnd.get(), &CCalendarWnd::listChanged);
    Release(wnd.get(), QPoint(30, 30));
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(list[0].m_DateTime, COleDateTime(3000, 12, 5, 7, 0, 0));
}

TEST_F(CalendarDragTest, ThirtyFirstOfMarchBumpsToTwentyEighthOfApril)
{
    list.RemoveAll();
    Fill({ MakeReminder(COleDateTime(2026, 3, 31, 0, 0, 0), "end") });
    selection.SetDate(COleDateTime(2026, 3, 31, 0, 0, 0));
    wnd->Refresh();
    StartOn(selection.Date());
    Move(wnd.get(), QPoint(355, 150), kLeft);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    EXPECT_EQ(selection.Date(), COleDateTime(2026, 4, 28, 0, 0, 0));
    EXPECT_EQ(wnd->Month().cells[wnd->Month().selectedCell].date, selection.Date());
    Release(wnd.get(), QPoint(355, 150));
}

TEST_F(CalendarDragTest, AWeeklyReminderBumpedBackToItsOwnDayShowsOnEveryWeekAgain)
{
    list.RemoveAll();
    Fill({ MakeReminder(COleDateTime(2026, 2, 3, 9, 0, 0), "tuesdays", RecurWeekly) });
    const COleDateTime feb3(2026, 2, 3, 0, 0, 0);
    StartOn(feb3);
    Move(wnd.get(), QPoint(355, 150), kLeft);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    Move(wnd.get(), QPoint(150, 150), kLeft);
    Move(wnd.get(), QPoint(16, 150), kLeft);
    wnd->OnTimer(CCalendarWnd::TIMERID_BUMPMONTH);
    ASSERT_EQ(wnd->DisplayedMonth(), 2);
    Move(wnd.get(), CellCentre(feb3), kLeft);
    Release(wnd.get(), CellCentre(feb3));
    EXPECT_EQ(list[0].m_DateTime, COleDateTime(2026, 2, 3, 9, 0, 0));
    for (int day : { 3, 10, 17, 24 })
        EXPECT_EQ(CellOf(COleDateTime(2026, 2, day, 0, 0, 0)).iconState[0], 1) << day;
}
