#include "calendar/CCalendarMonth.h"

#include "calendar/CCalendarIcons.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"

void CCalendarMonth::Layout(const QRect &client)
{
    const int width = client.width();
    const int height = client.height();
    const int w = width / kColumns;
    const int h = height / kRows;
    const int x0 = client.left() + (width - kColumns * w) / 2;
    const int y0 = client.top() + (height - kRows * h) / 2;
    for (int k = 0; k < kCells; ++k) {
        CCalendarCell &cell = cells[k];
        cell.rect = QRect(x0 + (k % kColumns) * w, y0 + (k / kColumns) * h, w, h);
        cell.iconCount = 0;
        cell.highlight = 0;
    }
    hoverCell = -1;
    selectedCell = -1;
    layoutDone = true;
}

static void placeIcon(CCalendarCell &cell, int slot, int dayCount)
{
    const QPoint at = cell.rect.topLeft();
    if (dayCount == 1) {
        cell.iconRects[0] = QRect(at.x() + 8, at.y() + 11, 32, 32);
        return;
    }
    const int column = slot % 3;
    const int row = slot / 3;
    cell.iconRects[slot] = QRect(at.x() + 2 + 17 * column, at.y() + 11 + 17 * row, 16, 16);
}

int CCalendarMonth::iconNumber(const CCalendarIcons &icons, const QString &name)
{
    if (icons.Generation() != m_iconGeneration) {
        m_iconNumbers.clear();
        m_iconGeneration = icons.Generation();
    }
    auto found = m_iconNumbers.constFind(name);
    if (found == m_iconNumbers.cend())
        found = m_iconNumbers.insert(name, icons.Lookup(name));
    return *found;
}

int CCalendarMonth::FirstDayOfWeek(const QLocale &locale)
{
    if (locale.language() == QLocale::C)
        return 1;
    // Qt counts from Monday = 1 to Sunday = 7.
    return locale.firstDayOfWeek() % 7 + 1;
}

bool CCalendarMonth::FillMonth(int month, int year, CReminderList &list, const CCalendarIcons &icons,
                               const COleDateTime &now, const COleDateTime &selected, int hiddenIndex)
{
    if (month > 31) {
        Trace("Bad Month!\n");
        return false;
    }
    const COleDateTime first(year, month, 1, 0, 0, 0);
    for (CCalendarCell &cell : cells) {
        cell.day = 0;
        cell.iconCount = 0;
        cell.highlight = 0;
        cell.flags = 0;
    }
    // A selection from another month would otherwise paint a stale cell.
    selectedCell = -1;
    hoverCell = -1;
    if (first.GetStatus() != COleDateTime::valid)
        return true;

    const COleDateTime today = CReminderList::DateOnly(now);
    COleDateTime date = first;
    const int column = (first.GetDayOfWeek() - firstDayOfWeek + kColumns) % kColumns;
    for (int k = column, d = 1; k < kCells && date.GetMonth() == month; ++k, ++d) {
        CCalendarCell &cell = cells[k];
        if (date == today)
            cell.flags |= CCalendarCell::kTodayFlag;
        if (date == selected)
            selectedCell = k;
        cell.day = d;
        cell.date = date;

        const int n = list.GetRemindersOnDay(date);
        for (int i = 0; i < n; ++i) {
            const int index = list.GetDayResult(i);
            CReminder &r = list[index];
            r.m_IconNumber = static_cast<quint16>(iconNumber(icons, r.m_IconName));
            if (cell.iconCount < CCalendarCell::kMaxIcons) {
                cell.iconNumbers[cell.iconCount] = r.m_IconNumber;
                cell.iconState[cell.iconCount] = 1;
                ++cell.iconCount;
            }
            if (i < CCalendarCell::kMaxIcons) {
                cell.reminderIndex[i] = index;
                if (index == hiddenIndex)
                    cell.iconState[i] = -1;
                placeIcon(cell, i, n);
            }
        }
        date = COleDateTime(date.GetValue() + 1.0, date.GetStatus());
    }
    return true;
}

int CCalendarMonth::FindCell(const COleDateTime &date) const
{
    for (int k = 0; k < kCells; ++k)
        if (cells[k].date == date && cells[k].day != 0)
            return k;
    return -1;
}

int CCalendarMonth::HitTestCell(const QPoint &p) const
{
    for (int k = 0; k < kCells; ++k)
        if (cells[k].day != 0 && cells[k].rect.contains(p))
            return k;
    return -1;
}

int CCalendarMonth::HitTestIcon(const QPoint &p, int cell) const
{
    if (!IsValidCell(cell))
        return -1;
    const CCalendarCell &c = cells[cell];
    for (int i = 0; i < c.iconCount; ++i)
        if (c.iconRects[i].contains(p))
            return i;
    return -1;
}

int CCalendarMonth::BackgroundStateOf(int k) const
{
    const CCalendarCell &cell = cells[k];
    if (cell.day == 0)
        return StateOutside;
    if (k == selectedCell)
        return StateSelected;
    if (cell.highlight == 1)
        return StateHover;
    return StateNormal;
}
