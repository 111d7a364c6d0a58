#pragma once

#include <QString>
#include <QStringList>

class CReminder;

// Icon and sound names of reminders that come from someone else's file (a
// reminder pack, an iCalendar or an Outlook calendar file) are names below
// the data folder's icons and sounds folders and nothing else, so that no
// later pack can carry a file from elsewhere. Sounds arrive as bare file
// names, found in the sounds folder; an icon name that would lead out of
// the icons folder is cut to its file name the same way.
class CImportedNames
{
public:
    static constexpr int kMaxDirectories = 21;
    static constexpr int kMaxComponentBytes = 255;

    // The pieces of a name below a folder, "\" or "/" between them
    // ("sub\x.ico"); false, with a reason, for an empty or absolute name,
    // "." or "..", too many folders or a piece no file system can hold.
    static bool Split(const QString &name, QStringList *pieces = nullptr, QString *reason = nullptr);

    // Reduces the names of an arriving reminder; true when one changed.
    static bool Reduce(CReminder &r);
};
