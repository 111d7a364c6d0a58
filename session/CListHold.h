#pragma once

#include "session/CReminderSession.h"

// Keeps outside changes (another process's, a sync's) from moving the
// reminders for the life of the object, for a dialog or command that holds
// positions in the list. Due passes and the answers to alerts go on; they
// change only shown states, which move nothing.
//     CListHold hold(session);
//     dayList.exec();
class CListHold
{
public:
    explicit CListHold(CReminderSession &session) : m_session(session) { m_session.HoldList(); }
    ~CListHold() { m_session.ReleaseList(); }
    CListHold(const CListHold &) = delete;
    CListHold &operator=(const CListHold &) = delete;

private:
    CReminderSession &m_session;
};
