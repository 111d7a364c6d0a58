#pragma once

#include "model/COleDateTime.h"

// The calendar's program-wide state, shared with the main window: the
// selected day (always at 00:00; the calendar shows its month, the New
// command uses it) and the month and year the calendar last filled.
extern COleDateTime g_SelectedDate;
extern int g_DisplayedMonth; // 1..12
extern int g_DisplayedYear;

// Sets g_SelectedDate to the day of dateTime at 00:00.
void SetSelectedDay(const COleDateTime &dateTime);
