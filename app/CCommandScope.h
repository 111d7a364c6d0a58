#pragma once

class CCommandHost;
class COrvantis2App;
class CReminderSession;

// What a command of the main window works on: the application's shared
// values (settings, icons, the context reminder), the reminder session
// (the list; a change is announced through it and the views follow), and
// the window, through the little of it commands need.
struct CCommandScope
{
    COrvantis2App &m_App;
    CReminderSession &m_Session;
    CCommandHost &m_Host;
};
