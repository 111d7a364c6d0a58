#pragma once

#include "dialogs/CEditorContext.h"

#include <QString>

class COrvantis2Dlg;

// Registers the commands of the reminder editor, the reminders-of-the-day
// list and the options in the main window's command table: new reminder
// (1009, 32780), the day list (1061), edit the context reminder (32777,
// 32779) and options (144).
void InstallEditorCommands(COrvantis2Dlg &dlg);

class CEditorCommands
{
public:
    static void NewReminder(COrvantis2Dlg &dlg);
    static void DayList(COrvantis2Dlg &dlg);
    static void EditContextReminder(COrvantis2Dlg &dlg);
    static void Options(COrvantis2Dlg &dlg);

    // What the dialogs need, from the application object and the window.
    static CEditorContext MakeContext(COrvantis2Dlg &dlg, CEditorIcons &icons);

    // The login start: the autostart entry under configHome/autostart. Off
    // keeps the file, marked hidden, so that the program's own check that
    // its desktop entries exist does not turn it back on.
    static bool IsAutostartOn(const QString &configHome);
    static bool SetAutostart(const QString &configHome, const QString &programPath, bool on);
    static QString AutostartFile(const QString &configHome);
};
