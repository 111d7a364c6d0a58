#pragma once

#include "model/COleDateTime.h"

#include <QRect>

// One day cell of the month grid: which day it shows, where it lies and
// which reminder icons it carries. Only the first six of the twenty slots
// are ever filled; the rest mirror the list's day result size.
struct CCalendarCell
{
    static constexpr int kSlots = 20;
    static constexpr int kMaxIcons = 6;
    static constexpr quint32 kTodayFlag = 1u;

    int day = 0;          // 1..31, 0 outside the displayed month
    COleDateTime date;    // the day at 00:00, set for days of the month
    QRect rect;           // client coordinates
    int iconNumbers[kSlots] = {};
    int iconState[kSlots] = {}; // 1 shown, -1 left out while being dragged
    QRect iconRects[kMaxIcons];
    int reminderIndex[kSlots] = {};
    int iconCount = 0;    // 0..6
    int highlight = 0;    // 0 normal, 1 under the mouse, 2 selected
    quint32 flags = 0;    // kTodayFlag

    bool IsToday() const { return (flags & kTodayFlag) != 0; }
    bool InMonth() const { return day != 0; }
};
