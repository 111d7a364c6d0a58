#pragma once

#include "app/COrvantis2Dlg.h"

// Keeps the reminder-check timer stopped for the life of the object, so no
// due pass starts while a dialog or command of the main window runs.
//     CTimerPause pause(dlg);
//     dialog.exec();
class CTimerPause
{
public:
    explicit CTimerPause(COrvantis2Dlg &dlg) : m_dlg(dlg) { m_dlg.StopTimer(); }
    ~CTimerPause() { m_dlg.StartTimer(); }
    CTimerPause(const CTimerPause &) = delete;
    CTimerPause &operator=(const CTimerPause &) = delete;

private:
    COrvantis2Dlg &m_dlg;
};
