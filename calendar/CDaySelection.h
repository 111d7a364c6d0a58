#pragma once

#include "model/COleDateTime.h"

#include <QObject>

// The selected day of the main window, always at 00:00: the calendar shows
// its month, the New command makes reminders on it, the selectors and the
// upcoming list follow it. The window owns one and hands it to the calendar.
class CDaySelection : public QObject
{
    Q_OBJECT
public:
    // Starts on today.
    explicit CDaySelection(QObject *parent = nullptr);

    const COleDateTime &Date() const { return m_date; }
    // The day of dateTime at 00:00; dateChanged when that is another day.
    void SetDate(const COleDateTime &dateTime);

signals:
    void dateChanged(const COleDateTime &day);

private:
    COleDateTime m_date;
};
