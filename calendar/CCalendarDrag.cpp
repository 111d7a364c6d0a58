#include "calendar/CCalendarDrag.h"

#include "model/CReminderList.h"

#include <algorithm>
#include <cstdlib>

bool CCalendarDrag::MovedPastThreshold(const QPoint &down, const QPoint &p)
{
    return std::abs(p.x() - down.x()) > 1 || std::abs(p.y() - down.y()) > 1;
}

QRect CCalendarDrag::ImageRect(const QPoint &p)
{
    return QRect(QPoint(p.x() - 16, p.y() - 16), QPoint(p.x() + 30 - 1, p.y() + 30 - 1));
}

int CCalendarDrag::BumpDirection(const QRect &imageRect, const QSize &client)
{
    const int left = imageRect.left();
    const int top = imageRect.top();
    if (left <= 2 || top <= 2)
        return -1;
    if (client.width() - left - 32 <= 2 || client.height() - top - 32 <= 2)
        return 1;
    return 0;
}

QPoint CCalendarDrag::ClampToGrid(const QPoint &p, const QSize &client)
{
    const int right = std::max(kEdgeInset, client.width() - kEdgeInset - 1);
    const int bottom = std::max(kEdgeInset, client.height() - kEdgeInset - 1);
    return QPoint(std::clamp(p.x(), kEdgeInset, right), std::clamp(p.y(), kEdgeInset, bottom));
}

CCalendarDrag::Step CCalendarDrag::BumpMonth(const COleDateTime &selected, int year, int month0, int direction)
{
    int m = month0 + direction;
    if (m < 0) {
        m = 11;
        year = std::max(kFirstYear, year - 1);
    } else if (m > 11) {
        m = 0;
        if (++year > kLastYear)
            year = kFirstYear;
    }
    Step step;
    step.year = year;
    step.month0 = m;
    step.selected = COleDateTime(year, m + 1, selected.GetDay(), 0, 0, 0);
    if (step.selected.GetStatus() != COleDateTime::valid)
        step.selected = COleDateTime(year, m + 1, 28, 0, 0, 0);
    return step;
}

int CCalendarDrag::MoveReminder(CReminderList &list, int index, const CReminder &dragged,
                                const COleDateTime &cellDate)
{
    COleDateTime::Parts day;
    COleDateTime::Parts time;
    if (index < 0 || index >= list.GetSize() || !cellDate.GetParts(day) || !dragged.m_DateTime.GetParts(time))
        return -1;
    const COleDateTime moved(day.year, day.month, day.day, time.hour, time.minute, time.second);
    if (moved.GetStatus() != COleDateTime::valid)
        return -1;
    // The copy carries every field, including the re-show interval and the
    // reserved values that files from older versions hold.
    CReminder reminder = dragged;
    reminder.m_DateTime = moved;
    list.Delete(index);
    const int at = list.InsertSorted(reminder);
    list.RebuildIndexes();
    return at;
}

CCalendarDrag::DropAction CCalendarDrag::DecideDrop(int k, const COleDateTime &cellDate) const
{
    if (bumped) {
        if (k < 0)
            return DropRefresh;
        if (CReminderList::DateOnly(dragReminder.m_DateTime) == cellDate)
            return DropRefresh;
        return DropMove;
    }
    if (k >= 0 && k != dragSourceCell)
        return DropMove;
    return DropNothing;
}

void CCalendarDrag::Reset()
{
    dragging = false;
    dragArmed = true;
    bumpDirection = 0;
}
