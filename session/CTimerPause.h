#pragma once

#include "session/CReminderSession.h"

// Keeps the reminder-check timer stopped for the life of the object, so no
// due pass starts while a dialog or command runs.
//     CTimerPause pause(session);
//     dialog.exec();
class CTimerPause
{
public:
    explicit CTimerPause(CReminderSession &session) : m_session(session) { m_session.StopTimer(); }
    ~CTimerPause() { m_session.StartTimer(); }
    CTimerPause(const CTimerPause &) = delete;
    CTimerPause &operator=(const CTimerPause &) = delete;

private:
    CReminderSession &m_session;
};
