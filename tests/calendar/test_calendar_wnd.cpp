#include "CalendarWndFixture.h"
#include "calendar/CTipWnd.h"
#include "model/CTrace.h"

#include <QMenu>

using namespace calendartest;

namespace {
const COleDateTime kFeb20(2026, 2, 20, 0, 0, 0);
} // namespace

TEST_F(CalendarWndTest, ClickSelectsTheDayOnceAndPlaysTheClick)
{
    QSignalSpy selected(&selection, &CDaySelection::dateChanged);
    QSignalSpy click(wnd.get(), &CCalendarWnd::clickSound);
    Press(wnd.get(), CellCentre(kFeb20));
    Release(wnd.get(), CellCentre(kFeb20));
    EXPECT_EQ(selection.Date(), kFeb20);
    EXPECT_EQ(wnd->Month().selectedCell, 19);
    EXPECT_EQ(wnd->Month().cells[19].highlight, 2);
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(click.count(), 1);

    Press(wnd.get(), CellCentre(kFeb20) + QPoint(3, 3));
    Release(wnd.get(), CellCentre(kFeb20) + QPoint(3, 3));
    EXPECT_EQ(selected.count(), 1) << "the same day again is no change";

    // Cells of the last row lie outside February 2026.
    Press(wnd.get(), QPoint(100, 280));
    EXPECT_EQ(selection.Date(), kFeb20);
    EXPECT_EQ(selected.count(), 1);
}

TEST_F(CalendarWndTest, DoubleClickMakesOpensOrListsByTheDaysCount)
{
    std::vector<CReminder> rs { MakeReminder(COleDateTime(2026, 2, 3, 9, 0, 0), "single") };
    for (int i = 0; i < 3; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 4, 9 + i, 0, 0), QString("three %1").arg(i)));
    for (int i = 0; i < 7; ++i)
        rs.push_back(MakeReminder(COleDateTime(2026, 2, 5, 9 + i, 0, 0), QString("seven %1").arg(i)));
    Fill(rs);
    QSignalSpy make(wnd.get(), &CCalendarWnd::newReminderRequested);
    QSignalSpy edit(wnd.get(), &CCalendarWnd::editReminderRequested);
    QSignalSpy dayList(wnd.get(), &CCalendarWnd::dayListRequested);

    DoubleClick(wnd.get(), CellCentre(COleDateTime(2026, 2, 2, 0, 0, 0)));
    EXPECT_EQ(make.count(), 1);
    EXPECT_EQ(selection.Date(), COleDateTime(2026, 2, 2, 0, 0, 0));

    // One reminder: wherever the click falls in the cell.
    const QRect single = CellOf(COleDateTime(2026, 2, 3, 0, 0, 0)).rect;
    DoubleClick(wnd.get(), single.bottomRight() - QPoint(1, 1));
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(MessageOf(edit.at(0).at(0)), "single");

    const COleDateTime feb4(2026, 2, 4, 0, 0, 0);
    DoubleClick(wnd.get(), IconCentre(feb4, 2));
    ASSERT_EQ(edit.count(), 2);
    EXPECT_EQ(MessageOf(edit.at(1).at(0)), list[CellOf(feb4).reminderIndex[2]].m_Message);
    DoubleClick(wnd.get(), CellOf(feb4).rect.bottomLeft() + QPoint(2, -2));
    EXPECT_EQ(edit.count(), 2) << "between icons nothing opens";

    DoubleClick(wnd.get(), IconCentre(COleDateTime(2026, 2, 5, 0, 0, 0), 0));
    EXPECT_EQ(dayList.count(), 1);
    EXPECT_EQ(edit.count(), 2);
    EXPECT_EQ(make.count(), 1);
}

TEST_F(CalendarWndTest, RightClickOpensTheReminderMenuOverAnIconAndTheGeneralOneElsewhere)
{
    Fill({ MakeReminder(COleDateTime(2026, 2, 10, 14, 30, 0), "Dentist") });
    QSignalSpy context(wnd.get(), &CCalendarWnd::contextChanged);
    QSignalSpy command(wnd.get(), &CCalendarWnd::commandRequested);
    QSignalSpy selected(&selection, &CDaySelection::dateChanged);

    Press(wnd.get(), IconCentre(kFeb10), Qt::RightButton);
    // The menu acts on the day clicked: it is selected first.
    EXPECT_EQ(selection.Date(), kFeb10);
    EXPECT_EQ(selected.count(), 1);
    ASSERT_EQ(context.count(), 1);
    EXPECT_EQ(MessageOf(context.at(0).at(0)), "Dentist");
    EXPECT_EQ(context.at(0).at(1).toInt(), 9);
    EXPECT_EQ(context.at(0).at(2).toInt(), 0);
    EXPECT_EQ(wnd->ContextReminder(), list[0].Id());
    QMenu *menu = wnd->findChild<QMenu *>("menu525");
    ASSERT_NE(menu, nullptr);
    ASSERT_GE(menu->actions().size(), 2);
    EXPECT_EQ(menu->actions().at(0)->text(), "&Delete this reminder...");
    menu->actions().at(1)->trigger();
    ASSERT_EQ(command.count(), 1);
    EXPECT_EQ(command.at(0).at(0).toInt(), 32777);
    menu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    Press(wnd.get(), CellCentre(kFeb20), Qt::RightButton);
    EXPECT_EQ(wnd->ContextReminder(), 0u);
    EXPECT_EQ(wnd->ContextCell(), -1);
    QMenu *general = wnd->findChild<QMenu *>("menu526");
    ASSERT_NE(general, nullptr);
    EXPECT_EQ(general->actions().at(0)->data().toInt(), 32780);
    EXPECT_EQ(selection.Date(), kFeb20);
    EXPECT_EQ(selected.count(), 2);
    general->close();
}

TEST_F(CalendarWndTest, HoverHighlightsOneCellAndLeavingClearsIt)
{
    Move(wnd.get(), CellCentre(kFeb20));
    EXPECT_EQ(wnd->Month().hoverCell, 19);
    EXPECT_EQ(wnd->Month().cells[19].highlight, 1);
    Move(wnd.get(), CellCentre(COleDateTime(2026, 2, 14, 0, 0, 0)));
    EXPECT_EQ(wnd->Month().cells[19].highlight, 0);
    EXPECT_EQ(wnd->Month().cells[13].highlight, 1);
    Move(wnd.get(), QPoint(-1, -1));
    EXPECT_EQ(wnd->Month().hoverCell, -1);
    EXPECT_EQ(wnd->Month().cells[13].highlight, 2) << "the selected day keeps its mark";
}

TEST_F(CalendarWndTest, RestingOnAnIconShowsItsTipOnceUntilTheMouseLeavesIt)
{
    Fill({ MakeReminder(COleDateTime(2026, 2, 10, 14, 30, 0), "Dentist at the corner") });
    const QPoint icon = IconCentre(kFeb10);
    Move(wnd.get(), icon);
    EXPECT_TRUE(wnd->IsTimerActive(CCalendarWnd::TIMERID_PAUSE));
    ASSERT_TRUE(WaitUntil([&] { return wnd->TipWindow() != nullptr; }, 2000));
    EXPECT_TRUE(wnd->TipWindow()->Text().startsWith("Dentist at the corner ("));
    EXPECT_TRUE(wnd->IsTimerActive(CCalendarWnd::TIMERID_TIMEOUT));
    const QRect iconRect = CellOf(kFeb10).iconRects[0];
    EXPECT_EQ(wnd->TipWindow()->pos(),
              wnd->mapToGlobal(QPoint(iconRect.left() + 16, iconRect.top() - 20)));

    Move(wnd.get(), icon + QPoint(2, 0));
    EXPECT_NE(wnd->TipWindow(), nullptr) << "moving on the same icon keeps the tip";
    wnd->OnTimer(CCalendarWnd::TIMERID_TIMEOUT);
    EXPECT_EQ(wnd->TipWindow(), nullptr);
    Move(wnd.get(), icon);
    EXPECT_FALSE(wnd->IsTimerActive(CCalendarWnd::TIMERID_PAUSE)) << "shown once per visit";

    Move(wnd.get(), CellCentre(kFeb20));
    Move(wnd.get(), icon);
    EXPECT_TRUE(wnd->IsTimerActive(CCalendarWnd::TIMERID_PAUSE));
    wnd->OnTimer(CCalendarWnd::TIMERID_PAUSE);
    ASSERT_NE(wnd->TipWindow(), nullptr);
    Move(wnd.get(), CellCentre(kFeb20));
    EXPECT_EQ(wnd->TipWindow(), nullptr) << "leaving the icon hides the tip";

    Move(wnd.get(), icon);
    wnd->OnTimer(CCalendarWnd::TIMERID_PAUSE);
    ASSERT_NE(wnd->TipWindow(), nullptr);
    Press(wnd.get(), icon);
    EXPECT_EQ(wnd->TipWindow(), nullptr) << "a click hides the tip";
    Release(wnd.get(), icon);
}

TEST_F(CalendarWndTest, ATipIsNotBuiltFromACellThatWasRefilledMeanwhile)
{
    Fill({ MakeReminder(COleDateTime(2026, 2, 10, 0, 0, 0), "gone soon") });
    Move(wnd.get(), IconCentre(kFeb10));
    list.RemoveAll();
    wnd->Refresh();
    wnd->OnTimer(CCalendarWnd::TIMERID_PAUSE);
    EXPECT_EQ(wnd->TipWindow(), nullptr);
    wnd->OnTimer(12345); // an unknown timer is only traced
}

namespace {
int s_paintedLines = 0;
void countPainted(const QString &line) { s_paintedLines += line == QStringLiteral("Calendar painted.\n"); }
} // namespace

// Start-up is timed to this line: it comes with the first paint of the
// month, and only then.
TEST_F(CalendarWndTest, TracesTheFirstPaintOnce)
{
    s_paintedLines = 0;
    SetTraceHook(countPainted);
    wnd->grab();
    EXPECT_EQ(s_paintedLines, 1);
    wnd->grab();
    Fill({ MakeReminder(kFeb20, QStringLiteral("later")) });
    wnd->grab();
    SetTraceHook(nullptr);
    EXPECT_EQ(s_paintedLines, 1);
}

TEST_F(CalendarWndTest, EachCalendarMovesOnlyItsOwnSelection)
{
    CDaySelection other;
    other.SetDate(COleDateTime(2026, 2, 14, 17, 45, 0));
    EXPECT_EQ(other.Date(), COleDateTime(2026, 2, 14, 0, 0, 0)) << "a selection holds days, not times";
    CCalendarWnd second(list, other, &art);
    second.resize(372, 295);
    second.Layout();
    second.Refresh();
    QSignalSpy otherMoved(&other, &CDaySelection::dateChanged);

    Press(wnd.get(), CellCentre(kFeb20));
    Release(wnd.get(), CellCentre(kFeb20));
    EXPECT_EQ(selection.Date(), kFeb20);
    EXPECT_EQ(other.Date(), COleDateTime(2026, 2, 14, 0, 0, 0));
    EXPECT_EQ(otherMoved.count(), 0);

    second.MoveSelection(COleDateTime(2026, 3, 2, 8, 0, 0));
    ASSERT_EQ(otherMoved.count(), 1);
    EXPECT_EQ(otherMoved[0][0].value<COleDateTime>(), COleDateTime(2026, 3, 2, 0, 0, 0));
    EXPECT_EQ(second.DisplayedMonth(), 3);
    EXPECT_EQ(wnd->DisplayedMonth(), 2) << "the first calendar stays on its month";
}
