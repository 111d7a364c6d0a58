#pragma once

#include "model/COleDateTime.h"

#include <QString>

// Arithmetic of the main window's day selectors and today display.
class CSelectedDay
{
public:
    // The same day in month (1..12) of the same year, lowered one day at a
    // time until it exists (31 January to 28 or 29 February).
    static COleDateTime StepMonth(const COleDateTime &day, int month);
    // The same month and day in year; 29 February in a common year becomes
    // 28 February.
    static COleDateTime StepYear(const COleDateTime &day, int year);
    // Both days fall on the same calendar date.
    static bool SameDay(const COleDateTime &a, const COleDateTime &b);

    // "Sunday".."Saturday", "<error>" when the weekday cannot be had.
    static QString WeekdayName(const COleDateTime &when);
    // The weekday, a line break and the date of when.
    static QString TodayText(const COleDateTime &when);
    static QString MonthName(int month);
};
