#pragma once

#include <QString>
#include <QStringList>

// Makes the desktop know the program. An installed program finds the
// system's desktop entry (the package's) naming it: the menu entry, the
// file types and the icons are the system's, and only the autostart entry
// is the user's, pointing at the program the system entry starts. A program
// run from its build folder writes them for the user: the reminder pack type
// ("*.rpk", "Reminder Pack"), a desktop entry that opens packs with the
// program, the program icon and an autostart entry, so the program runs at
// login as its close warning promises.
class CShellRegistration
{
public:
    static const QString kDesktopFile;  // kestrelmark.desktop

    struct Folders
    {
        QString m_DataHome;     // ~/.local/share
        QString m_ConfigHome;   // ~/.config
        QStringList m_DataDirs; // the system's: /usr/local/share, /usr/share
    };
    // From XDG_DATA_HOME, XDG_CONFIG_HOME and XDG_DATA_DIRS (or their defaults).
    static Folders UserFolders();

    // The files' contents, for the program at programPath.
    static QString MimePackageXml();
    static QString DesktopEntry(const QString &programPath);
    // The login start runs command (the program at programPath, or command
    // itself when programPath is empty); a session skips it once that
    // program is gone.
    static QString AutostartEntry(const QString &command, const QString &programPath = QString());
    // "TryExec=" and the program's absolute path, with its line end.
    static QString TryExecLine(const QString &programPath);
    // A path as a desktop entry's Exec line needs it.
    static QString QuoteExec(const QString &programPath);

    // The system desktop entry whose Exec line starts this program (the
    // first in the data folders' order), or empty.
    static QString SystemEntry(const Folders &folders, const QString &programPath);

    // Writes every file the program needs (replacing older ones) and updates
    // the desktop's databases when their tools are installed; with a system
    // entry only the autostart entry, removing what an earlier run from a
    // build folder wrote for the user. False when a file could not be written.
    static bool Register(const Folders &folders, const QString &programPath, bool runTools = true);
    // Whether the entries are there and name this program.
    static bool IsRegistered(const Folders &folders, const QString &programPath);
};
