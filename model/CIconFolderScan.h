#pragma once

#include <QString>
#include <QStringList>

class CIconNameMap;

// Finds the icon files of the user's icons folder by name, with nothing but
// a file listing: the desktop program imports what it finds, the
// command-line tool only checks names against it. Names are paths relative
// to the folder with backslashes ("birthdays\cake.ico").
class CIconFolderScan
{
public:
    // Folders nested deeper than this are not searched (and links to folders
    // never are), so a looping folder tree cannot hold the scan.
    static constexpr int kMaxFolderDepth = 16;

    // The relative names of the icon files below folder that names does not
    // hold, in the order they are found: each folder's files by name, then
    // its subfolders.
    static QStringList Scan(const QString &folder, const CIconNameMap &names);
    // Whether a file name names an icon file: ".ico" in any letter case.
    static bool IsIconFileName(const QString &name);
    // A name as a path below the icons folder, with the system's separator.
    static QString ToFileName(const QString &name);

private:
    static void ScanFolder(const QString &base, const QString &relative, int depth, const CIconNameMap &names,
                           QStringList &found);
};
