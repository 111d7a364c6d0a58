#include "calendar/CDaySelection.h"

#include "model/CReminderList.h"

CDaySelection::CDaySelection(QObject *parent)
    : QObject(parent), m_date(CReminderList::DateOnly(COleDateTime::GetCurrentTime()))
{
}

void CDaySelection::SetDate(const COleDateTime &dateTime)
{
    const COleDateTime day = CReminderList::DateOnly(dateTime);
    if (day == m_date)
        return;
    m_date = day;
    emit dateChanged(m_date);
}
