#pragma once

#include <QString>

// The program's folders. One per-user data folder plays two roles: it holds
// the reminder file, the legacy file and the weekly backup, and it is the
// folder that "icons\", "sounds\" and "bitmapcache\" names are relative to.
// It is created the first time it is asked for.
//
// Names stored in reminder files and packs use backslashes ("icons\sub\x.ico");
// they keep them everywhere and are mapped to the file system only when a
// file is opened (ResolveDataFile).
class CKmPaths
{
public:
    static const QString kOrganization; // "Quendrake Inc"
    static const QString kApplication;  // "Kestrelmark"

    // Sets the application's organisation and name, so that the standard
    // locations and QSettings agree with the data folder.
    static void SetApplicationIdentity();

    // The data folder, without a trailing separator; created on first use.
    // An override (command-line --data-dir, tests) replaces the standard
    // location; an empty text restores it.
    static QString DataFolder();
    static void SetDataFolder(const QString &folder);

    // Where the reminder file and its backup live: the data folder.
    static QString GetReminderFolder() { return DataFolder(); }

    static QString IconsFolder() { return DataFolder() + QStringLiteral("/icons"); }
    static QString SoundsFolder() { return DataFolder() + QStringLiteral("/sounds"); }
    static QString BitmapCacheFolder() { return DataFolder() + QStringLiteral("/bitmapcache"); }

    // "icons\sub\x.ico" -> "<data folder>/icons/sub/x.ico". The name is
    // taken as relative to the data folder whatever it holds; callers that
    // take names from outside check them first (CPackDataName).
    static QString ResolveDataFile(const QString &backslashName);
    static QString ResolveDataFile(const QString &folder, const QString &backslashName);

    // Backslashes to the file system's separator.
    static QString ToFileSystemName(const QString &backslashName);

    // The text after the last "/" or "\": the file name of a stored path.
    static QString FileNameOf(const QString &path);

    // A sound name as reminders store it: a full path, or a bare name
    // taken from the sounds folder.
    static QString ResolveSound(const QString &soundName);
    static QString ResolveSound(const QString &folder, const QString &soundName);
};
