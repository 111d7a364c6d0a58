#pragma once

#include <QString>

// Makes the desktop know the program, per user: the reminder pack type
// ("*.rpk", "Reminder Pack"), a desktop entry that opens packs with the
// program, the program icon and an autostart entry, so the program runs
// at login as its close warning promises.
class CShellRegistration
{
public:
    static const QString kMimeType;     // application/x-kestrelmark-pack
    static const QString kDesktopFile;  // kestrelmark.desktop

    struct Folders
    {
        QString m_DataHome;   // ~/.local/share
        QString m_ConfigHome; // ~/.config
    };
    // From XDG_DATA_HOME and XDG_CONFIG_HOME (or their defaults).
    static Folders UserFolders();

    // The files' contents, for the program at programPath.
    static QString MimePackageXml();
    static QString DesktopEntry(const QString &programPath);
    static QString AutostartEntry(const QString &programPath);
    // A path as a desktop entry's Exec line needs it.
    static QString QuoteExec(const QString &programPath);

    // Writes every file (replacing older ones) and updates the desktop's
    // databases when their tools are installed. False when a file could not
    // be written.
    static bool Register(const Folders &folders, const QString &programPath, bool runTools = true);
    // Whether the entries are there and name this program.
    static bool IsRegistered(const Folders &folders, const QString &programPath);
};
