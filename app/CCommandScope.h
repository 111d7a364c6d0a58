#pragma once

class COrvantis2App;
class COrvantis2Dlg;
class CReminderSession;

// What a command of the main window works on: the application's shared
// values (settings, icons, the context reminder), the reminder session
// (the list; a change is announced through it and the views follow), and
// the window the command shows its dialogs over.
struct CCommandScope
{
    COrvantis2App &m_App;
    CReminderSession &m_Session;
    COrvantis2Dlg &m_Window;
};
