#pragma once

#include <QString>
#include <functional>

#include "app/CCommandScope.h"

class QUrl;

// The commands that belong to the main window itself: about, help, the
// interface sounds, going to today, deleting the context reminder, new
// reminder on the context reminder's day, recovery from the weekly
// backup, and the keyboard shortcuts of the window-menu entries. The
// editor's and the sharing commands are installed from their own files.
class CMainCommands
{
public:
    // Every command of the window, its editor's and sharing ones included,
    // and the keyboard shortcuts of the window-menu entries.
    static void Install(const CCommandScope &s);
    static void InstallShortcuts(CCommandHost &host);

    static void About(const CCommandScope &s);
    static void Help(const CCommandScope &s);
    static void ToggleSounds(const CCommandScope &s);
    static void DeleteContextReminder(const CCommandScope &s);
    // Where the context reminder is in the list now; -1, with a trace
    // line, when there is none or it has been deleted meanwhile.
    static int FindContextReminder(const CCommandScope &s);
    static void Recover(const CCommandScope &s);

    // How URLs are opened (the manual): done is told, now or later,
    // whether a program showed it. The desktop's xdg-open unless replaced.
    using UrlOpener = void (*)(const QUrl &url, std::function<void(bool)> done);
    static void SetUrlOpener(UrlOpener opener);
    static void OpenUrl(const QUrl &url, std::function<void(bool)> done);
    // What the user is told when the manual could not be shown.
    static QString ManualMessage(const QString &path, bool exists);
};
