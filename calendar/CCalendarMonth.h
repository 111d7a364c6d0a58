#pragma once

#include "calendar/CCalendarCell.h"

#include <QHash>
#include <QLocale>
#include <QPoint>
#include <QRect>
#include <array>

class CCalendarIcons;
class CReminderList;

// The month grid as plain data: 42 cells, 6 rows of 7 columns, from the
// first day of the week (Sunday unless set); how a month is poured into them and which cell or icon lies under
// a point. The calendar window only paints this and forwards input to it.
class CCalendarMonth
{
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kCells = kColumns * kRows;

    // Background picture states of a cell.
    enum BackgroundState { StateNormal = 0, StateHover = 1, StateSelected = 2, StateOutside = 3 };

    // The weekday of the first column for locale, 1 = Sunday to 7 = Saturday
    // as COleDateTime counts; Sunday for the C locale, as before there were
    // locales.
    static int FirstDayOfWeek(const QLocale &locale);
    // The weekday (1 = Sunday to 7 = Saturday) of column 0 to 6.
    int WeekdayOfColumn(int column) const { return (firstDayOfWeek - 1 + column) % kColumns + 1; }
    // The cell of the same row whose place in the cell pictures (drawn from
    // Sunday, the weekend shaded) has cell k's weekday.
    int ArtworkCell(int k) const { return k - k % kColumns + WeekdayOfColumn(k % kColumns) - 1; }

    // Cell rectangles from the client area, the grid centred in it.
    void Layout(const QRect &client);

    // Pours month/year into the cells: day numbers from the cell of the
    // 1st's weekday, today's flag, the selected cell, and up to six icons a
    // day from the list's day query, the reminder at hiddenIndex (one being
    // dragged) in its slot but hidden. Each reminder's icon number is that
    // of its icon's name, looked up once for each name while the icons stay
    // the same. False (cells untouched) for a month number above 31; any
    // other impossible month leaves every cell empty.
    bool FillMonth(int month, int year, CReminderList &list, const CCalendarIcons &icons,
                   const COleDateTime &now, const COleDateTime &selected, int hiddenIndex = -1);

    // First cell (from 0) whose date equals date by value and status, or -1.
    int FindCell(const COleDateTime &date) const;
    void FindSelectedCell(const COleDateTime &selected) { selectedCell = FindCell(selected); }

    // First day cell of the month containing p, or -1.
    int HitTestCell(const QPoint &p) const;
    // First shown icon slot of cell containing p, or -1 (also for cell < 0).
    int HitTestIcon(const QPoint &p, int cell) const;

    int BackgroundStateOf(int k) const;
    bool IsValidCell(int k) const { return k >= 0 && k < kCells; }
    QSize CellSize() const { return cells[0].rect.size(); }

    std::array<CCalendarCell, kCells> cells;
    bool layoutDone = false;
    int hoverCell = -1;
    int firstDayOfWeek = 1;
    int selectedCell = -1;

private:
    int iconNumber(const CCalendarIcons &icons, const QString &name);

    QHash<QString, int> m_iconNumbers; // by name, for the icons of m_iconGeneration
    int m_iconGeneration = -1;
};
