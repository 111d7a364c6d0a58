#pragma once

#include "model/CReminder.h"

// A reminder of this date, kind, message and icon name, the rest left as a
// new reminder has it.
inline CReminder MakeDatedReminder(const COleDateTime &when, int recurrence, const QString &message,
                                   const QString &icon = QString())
{
    CReminder r;
    r.m_DateTime = when;
    r.m_Recurrence = static_cast<quint16>(recurrence);
    r.m_Message = message;
    r.m_IconName = icon;
    return r;
}
