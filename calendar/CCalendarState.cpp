#include "calendar/CCalendarState.h"

#include "model/CReminderList.h"

COleDateTime g_SelectedDate = CReminderList::DateOnly(COleDateTime::GetCurrentTime());
int g_DisplayedMonth = g_SelectedDate.GetMonth();
int g_DisplayedYear = g_SelectedDate.GetYear();

void SetSelectedDay(const COleDateTime &dateTime)
{
    g_SelectedDate = CReminderList::DateOnly(dateTime);
}
