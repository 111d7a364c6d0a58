#pragma once

#include <QString>
#include <functional>

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

    // How URLs are opened (the manual): done is told, now or later,
    // whether a program showed it. The desktop's xdg-open unless replaced.
    using UrlOpener = void (*)(const QUrl &url, std::function<void(bool)> done);
    static void SetUrlOpener(UrlOpener opener);
    static void OpenUrl(const QUrl &url, std::function<void(bool)> done);
    // What the user is told when the manual could not be shown.
    static QString ManualMessage(const QString &path, bool exists);
};
