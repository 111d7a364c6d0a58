// The calendar without a mouse: keys move and open the selected day, and a
// screen reader reads it as a table of named days.
#include "CalendarWndFixture.h"
#include "calendar/CCalendarAccessible.h"
#include "calendar/CCalendarKeys.h"

#include <QAccessible>
#include <QTest>

using namespace calendartest;

namespace {

COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

TEST(CalendarKeys, TargetsCrossMonthsAndKeepTheDayWherePossible)
{
    const COleDateTime today = Day(2026, 2, 14);
    struct Case
    {
        int key;
        COleDateTime from, to;
    } cases[] = {
        { Qt::Key_Left, Day(2026, 3, 1), Day(2026, 2, 28) },
        { Qt::Key_Right, Day(2026, 12, 31), Day(2027, 1, 1) },
        { Qt::Key_Up, Day(2026, 3, 4), Day(2026, 2, 25) },
        { Qt::Key_Down, Day(2026, 2, 25), Day(2026, 3, 4) },
        { Qt::Key_PageDown, Day(2026, 1, 31), Day(2026, 2, 28) },
        { Qt::Key_PageUp, Day(2024, 3, 30), Day(2024, 2, 29) },
        { Qt::Key_Home, Day(2030, 7, 7), today },
    };
    for (const Case &c : cases)
        EXPECT_EQ(CCalendarKeys::Target(c.key, c.from, today), c.to) << "key " << c.key;
    EXPECT_NE(CCalendarKeys::Target(Qt::Key_A, today, today).GetStatus(), COleDateTime::valid);
    EXPECT_NE(CCalendarKeys::Target(Qt::Key_Left, COleDateTime(0.0, COleDateTime::invalid), today).GetStatus(),
              COleDateTime::valid);
}

TEST(CalendarKeys, ADayReadsItsDateAndItsRemindersInTheOrderOfTheDay)
{
    CReminderList list;
    AddAll(list, { MakeReminder(COleDateTime(2026, 12, 10, 19, 30, 0), "Choir"),
                   MakeReminder(COleDateTime(2026, 12, 3, 9, 0, 0), "Dentist", RecurWeekly) });
    EXPECT_EQ(CCalendarKeys::DayName(Day(2026, 12, 10), list),
              QStringLiteral("Thursday 10 December 2026, 2 reminders: Dentist 09:00, Choir 19:30"));
    EXPECT_EQ(CCalendarKeys::DayName(Day(2026, 12, 11), list), QStringLiteral("Friday 11 December 2026"));
    EXPECT_EQ(CCalendarKeys::DayName(Day(2026, 12, 3), list), QStringLiteral("Thursday 3 December 2026, 1 reminder: Dentist 09:00"));
}

TEST_F(CalendarWndTest, ArrowsMoveTheSelectionIntoTheNextMonthAndHomeComesBack)
{
    QSignalSpy selected(&selection, &CDaySelection::dateChanged);
    QSignalSpy bumped(wnd.get(), &CCalendarWnd::monthBumped);
    wnd->setFocus();
    QTest::keyClick(wnd.get(), Qt::Key_Right);
    EXPECT_EQ(selection.Date(), Day(2026, 2, 15));
    EXPECT_EQ(wnd->Month().selectedCell, wnd->Month().FindCell(Day(2026, 2, 15)));
    EXPECT_EQ(bumped.count(), 0);
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(wnd.get(), Qt::Key_Down);
    EXPECT_EQ(selection.Date(), Day(2026, 3, 1));
    EXPECT_EQ(wnd->DisplayedMonth(), 3);
    ASSERT_EQ(bumped.count(), 1);
    EXPECT_EQ(bumped.at(0).at(1).toInt(), 2);
    EXPECT_EQ(wnd->Month().selectedCell, wnd->Month().FindCell(Day(2026, 3, 1)));
    QTest::keyClick(wnd.get(), Qt::Key_PageDown);
    EXPECT_EQ(selection.Date(), Day(2026, 4, 1));
    QTest::keyClick(wnd.get(), Qt::Key_Home);
    EXPECT_EQ(selection.Date(), Day(2026, 2, 14));
    EXPECT_EQ(wnd->DisplayedMonth(), 2);
    EXPECT_EQ(selected.count(), 5);
}

TEST_F(CalendarWndTest, ReturnOpensTheDayAsADoubleClickAndDeleteAsksForTheOneReminder)
{
    Fill({ MakeReminder(COleDateTime(2026, 2, 15, 9, 0, 0), "single"),
           MakeReminder(COleDateTime(2026, 2, 16, 9, 0, 0), "one"),
           MakeReminder(COleDateTime(2026, 2, 16, 10, 0, 0), "two") });
    QSignalSpy make(wnd.get(), &CCalendarWnd::newReminderRequested);
    QSignalSpy edit(wnd.get(), &CCalendarWnd::editReminderRequested);
    QSignalSpy dayList(wnd.get(), &CCalendarWnd::dayListRequested);
    QSignalSpy erase(wnd.get(), &CCalendarWnd::deleteReminderRequested);
    wnd->setFocus();
    QTest::keyClick(wnd.get(), Qt::Key_Return);
    EXPECT_EQ(make.count(), 1);
    QTest::keyClick(wnd.get(), Qt::Key_Right);
    QTest::keyClick(wnd.get(), Qt::Key_Space);
    ASSERT_EQ(edit.count(), 1);
    EXPECT_EQ(MessageOf(edit.at(0).at(0)), "single");
    QTest::keyClick(wnd.get(), Qt::Key_Delete);
    ASSERT_EQ(erase.count(), 1);
    EXPECT_EQ(MessageOf(erase.at(0).at(0)), "single");
    // Two on a day: the list chooses, for opening and for deleting.
    QTest::keyClick(wnd.get(), Qt::Key_Right);
    QTest::keyClick(wnd.get(), Qt::Key_Enter);
    QTest::keyClick(wnd.get(), Qt::Key_Delete);
    EXPECT_EQ(dayList.count(), 2);
    EXPECT_EQ(erase.count(), 1);
}

TEST_F(CalendarWndTest, AScreenReaderSeesATableOfNamedDaysAndTheSelectedOne)
{
    // Interfaces are made once per widget: the factory comes first.
    QAccessible::installFactory(&CCalendarAccessible::Create);
    TearDown();
    SetUp();
    Fill({ MakeReminder(COleDateTime(2026, 2, 20, 8, 5, 0), "Swim") });
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(wnd.get());
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface *grid = table->tableInterface();
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 6);
    EXPECT_EQ(grid->columnCount(), 7);
    // February 2026 starts on a Sunday: the 20th is in row 2, column 5.
    QAccessibleInterface *cell = grid->cellAt(2, 5);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Friday 20 February 2026, 1 reminder: Swim 08:05"));
    EXPECT_EQ(table->indexOfChild(cell), 19);
    QAccessibleInterface *today = grid->cellAt(1, 6);
    EXPECT_EQ(today->text(QAccessible::Name), QStringLiteral("Saturday 14 February 2026"));
    EXPECT_TRUE(today->state().selected);
    EXPECT_FALSE(cell->state().selected);
    EXPECT_TRUE(grid->cellAt(5, 0)->state().disabled) << "outside the month";

    wnd->setFocus();
    QTest::keyClick(wnd.get(), Qt::Key_Down);
    QTest::keyClick(wnd.get(), Qt::Key_Left);
    EXPECT_TRUE(cell->state().selected);
    ASSERT_EQ(grid->selectedCells().size(), 1);
    EXPECT_EQ(grid->selectedCells().at(0), cell);
    if (wnd->hasFocus())
        EXPECT_EQ(table->focusChild(), cell);
    // Its action opens the day.
    QSignalSpy edit(wnd.get(), &CCalendarWnd::editReminderRequested);
    cell->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(edit.count(), 1);
}

} // namespace
