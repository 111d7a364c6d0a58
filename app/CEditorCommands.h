#pragma once

#include "dialogs/CEditorContext.h"

#include <QString>

#include "app/CCommandScope.h"

// Registers the commands of the reminder editor, the reminders-of-the-day
// list and the options in the main window's command table: new reminder
// (1009, 32780), the day list (1061), edit the context reminder (32777,
// 32779) and options (144).
void InstallEditorCommands(const CCommandScope &s);

class CEditorCommands
{
public:
    static void NewReminder(const CCommandScope &s);
    static void DayList(const CCommandScope &s);
    static void EditContextReminder(const CCommandScope &s);
    static void Options(const CCommandScope &s);

    // What the dialogs need, from the application object and the window.
    static CEditorContext MakeContext(const CCommandScope &s, CEditorIcons &icons);

    // The login start: the autostart entry under configHome/autostart. Off
    // keeps the file, marked hidden, so that the program's own check that
    // its desktop entries exist does not turn it back on.
    static bool IsAutostartOn(const QString &configHome);
    static bool SetAutostart(const QString &configHome, const QString &programPath, bool on);
    static QString AutostartFile(const QString &configHome);
};
