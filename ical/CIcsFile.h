#pragma once

#include "ical/CIcsReader.h"

#include <QString>
#include <functional>
#include <vector>

class CReminderList;

// iCalendar files for the export and import commands: writing a selection,
// and merging a file into the reminder list the way the other imports do
// (a reminder already in the list is skipped), with a report for the user.
class CIcsFile
{
public:
    static const QString kImportedMessage;

    enum Result { Imported, CannotOpen, Refused };
    struct ImportReport
    {
        Result m_Result = Imported;
        int m_Read = 0;       // reminders the file gave
        int m_Added = 0;
        int m_Duplicates = 0; // already in the list
        int m_Simplified = 0; // events and to-dos
        int m_LeftOut = 0;    // events and to-dos
        QStringList m_Notes;
        QString m_Error;      // why a file was refused or could not be opened
    };

    // False when the file cannot be written; an old file is then kept.
    static bool Write(const std::vector<CReminder> &reminders, const QString &path);

    // Nothing changes unless the file is read; the list's indexes are left
    // to the caller.
    // Hears how far a file has been read, on the calling thread.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // With a progress, the file is read on another thread while the
    // calling one hears how far it has come (so a window can stay drawn);
    // the list is changed on the calling thread only.
    static ImportReport Import(CReminderList &list, const QString &path,
                               const QDateTime &now = QDateTime::currentDateTimeUtc(), const Progress &progress = {});
    static ImportReport Merge(CReminderList &list, const CIcsReadResult &read);

    // The sentence the user sees after an import of path.
    static QString Message(const ImportReport &report, const QString &path);
};
