#pragma once

#include <QString>

class COrvantis2Dlg;
class QUrl;

// The commands that belong to the main window itself: about, help, the
// interface sounds, going to today, deleting the context reminder, new
// reminder on the context reminder's day, recovery from the weekly
// backup, and the keyboard shortcuts of the window-menu entries. The
// editor's and the sharing commands are installed from their own files.
class CMainCommands
{
public:
    static void Install(COrvantis2Dlg &dlg);
    // Keyboard shortcuts on the main window for the window-menu entries.
    static void InstallShortcuts(COrvantis2Dlg &dlg);

    static void About(COrvantis2Dlg &dlg);
    static void Help(COrvantis2Dlg &dlg);
    static void ToggleSounds(COrvantis2Dlg &dlg);
    static void DeleteContextReminder(COrvantis2Dlg &dlg);
    static void Recover(COrvantis2Dlg &dlg);

    // How URLs are opened (the manual); tests replace it.
    using UrlOpener = bool (*)(const QUrl &url);
    static void SetUrlOpener(UrlOpener opener);
    static bool OpenUrl(const QUrl &url);
};
