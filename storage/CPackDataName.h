#pragma once

#include <QString>

// The destination names of the data files a reminder pack carries:
// "icons\" or "sounds\" followed by a relative path with backslashes.
// Packs come by mail from other people, so a name is accepted only when it
// stays inside one of those two folders and every piece of it is a name
// the file system can hold (CImportedNames::Split).
class CPackDataName
{
public:
    // True for an acceptable name; relative is then the name with the file
    // system's separators ("icons/sub/x.ico").
    static bool Check(const QString &name, QString *relative = nullptr, QString *reason = nullptr);

    // "icons\" + an icon name, "sounds\" + a file name; "/" in the icon name
    // becomes "\" as the files hold it.
    static QString ForIcon(const QString &iconName);
    static QString ForSound(const QString &fileName);
};
