#pragma once

#include "storage/CReminderPack.h"

#include <QString>
#include <QStringList>

class CReminderList;
class QIODevice;

// Reminders as Outlook calendar appointments in its 22-column "Windows
// CSV" file. Export writes the selected reminders; import maps the columns
// Subject, Start Date, Start Time, Description and Private (found by name
// in the header, in any order and letter case, also under the names the
// German, French, Spanish, Italian, Portuguese, Polish and Dutch Outlook
// give them) onto new reminders and adds those the list lacks.
// Export writes the icon's name as the Subject, so on import a Subject that
// names an icon sets the icon; any other is the appointment's title and
// becomes the message's first line, above the Description.
class CCalendarCsv
{
public:
    static const QStringList kHeaders; // the 22 export columns
    static const QString kImportedMessage;

    enum ImportResult { Imported, CannotOpen, Empty, NotCalendar };
    struct ImportReport
    {
        ImportResult m_Result = Imported;
        int m_Records = 0;
        int m_Added = 0;
        int m_Skipped = 0; // already in the list
        int m_Undated = 0; // inserted with an invalid date
        // The numeric date form the file was read in ("M/d/yyyy"), empty
        // when none was found; ambiguous when its dates fit day-first and
        // month-first alike and were read in the user's locale's order.
        QString m_DateForm;
        bool m_AmbiguousDates = false;
    };

    // False when the file cannot be written.
    static bool ExportCSV(const CReminderList &list, const QString &path, const CReminderPack::Selection &selection);

    // Reads the file and merges it. A file without any of the calendar
    // columns is NotCalendar and changes nothing. kImportedMessage is what
    // the user is told of a success.
    static ImportResult ImportCSV(CReminderList &list, const QString &path, ImportReport *report = nullptr,
                                  const CReminderPack::Progress &progress = {});
    // The same over an open device.
    static ImportReport ImportDevice(CReminderList &list, QIODevice &device,
                                     const CReminderPack::Progress &progress = {});

    // What the user is told of an import: kImportedMessage, and how the
    // dates were read when the file left that open.
    static QString Message(const ImportReport &report);

    // The column an import header names, lower-cased and trimmed:
    // "subject", "start date", "start time", "description", "private",
    // or empty for one the import ignores.
    static QString ColumnKey(const QString &header);

    // Text of a date-time as the file holds it (the user's locale form).
    static QString FormatValue(const COleDateTime &value);
    static bool IsTrue(const QString &field);
};
