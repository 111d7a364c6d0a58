#pragma once

#include "model/COleDateTime.h"

class CCommandTable;
class QWidget;

// What the main window's commands need of the window: a parent for their
// dialogs, the table they register in (and run one another through), the
// selected day, the views redrawn, and the window brought forward. The
// main window implements it; a test may implement it without a window.
class CCommandHost
{
public:
    virtual ~CCommandHost() = default;

    // The widget the commands' dialogs stand over; null where there is none.
    virtual QWidget *DialogParent() = 0;
    virtual CCommandTable &Commands() = 0;
    // The selected day, at 00:00.
    virtual COleDateTime SelectedDate() const = 0;
    virtual void GoToToday() = 0;
    // Everything shown again, after a change the list does not announce
    // (icons imported).
    virtual void RefreshAll() = 0;
    // The upcoming list again (the number of days it covers changed).
    virtual void RebuildUpcomingList() = 0;
    virtual void ShowAndRaise() = 0;
};
