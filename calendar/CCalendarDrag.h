#pragma once

#include "model/CReminder.h"

#include <QPoint>
#include <QRect>
#include <QSize>

class CReminderList;

// The state of dragging a reminder's icon to another day, and the rules
// that decide when a drag starts, when the month steps at an edge and what
// a drop does, kept apart from the window so that tests can drive them.
class CCalendarDrag
{
public:
    static constexpr int kFirstYear = 1984;
    static constexpr int kLastYear = 3000;
    static constexpr int kEdgeInset = 16; // the pointer stays this far inside

    enum DropAction { DropNothing, DropRefresh, DropMove };

    // A press must move more than one pixel in x or y to start a drag.
    static bool MovedPastThreshold(const QPoint &down, const QPoint &p);
    // Where the drag image lies for pointer p: 46 x 46 from p - (16, 16).
    static QRect ImageRect(const QPoint &p);
    // -1 when the image touches the left or top edge band, 1 the right or
    // bottom one, else 0.
    static int BumpDirection(const QRect &imageRect, const QSize &client);
    // The pointer clamped to the client area shrunk by kEdgeInset.
    static QPoint ClampToGrid(const QPoint &p, const QSize &client);

    // One month step from year / month0 (0..11) by direction: the years
    // wrap from 3000 forward to 1984 and stop at 1984 going back. The new
    // selected day keeps selected's day where that date exists, else 28.
    struct Step
    {
        int year = kFirstYear;
        int month0 = 0;
        COleDateTime selected;
    };
    static Step BumpMonth(const COleDateTime &selected, int year, int month0, int direction);

    // Moves the reminder at index to cellDate: every field of dragged is
    // kept, the date changes and the time of day stays. The list is
    // re-sorted at that one place and its indexes rebuilt. Returns the new
    // index, or -1 (nothing changed) when index is not in the list.
    static int MoveReminder(CReminderList &list, int index, const CReminder &dragged,
                            const COleDateTime &cellDate);

    // What a release over cell k (date cellDate; k < 0 outside the days of
    // the month) does with the current drag.
    DropAction DecideDrop(int k, const COleDateTime &cellDate) const;

    // Back to idle, armed for the next press.
    void Reset();

    bool dragging = false;
    bool dragArmed = true;
    int dragIcon = 0;
    CReminder dragReminder;
    int dragReminderIndex = -1;
    int dragSourceCell = -1;
    int dragSourceIcon = -1;
    int bumpDirection = 0;
    QRect lastDragRect;
    bool bumped = false;
    QPoint downPoint;
};
