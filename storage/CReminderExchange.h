#pragma once

#include "storage/CReminderPack.h"

#include <QString>

class CReminderList;

// The export and import operations behind "Export reminders...", "Import
// reminders...", dropped files and shell open requests: the file kind goes
// by the last four characters of the name in lower case (".rpk" a reminder
// pack, ".csv" an Outlook calendar file, ".ics" an iCalendar file). The messages for the user go
// through CMessageBox; the dialogs around these are the caller's.
class CReminderExchange
{
public:
    enum FileKind { Pack, CalendarCsv, ICalendar, IconFile, Other };
    static FileKind KindOf(const QString &path);

    // Writes the selection to path as a pack or a calendar file. Other
    // extensions write nothing and return true. A file that cannot be
    // written shows "Sorry, there was an error opening <path> for writing."
    // and returns false; a half-written file never replaces an old one.
    static bool ExportFile(const CReminderList &list, const QString &path, const CReminderPack::Selection &selection,
                           const QString &dataFolder);
    // A pack whatever the name's extension (the temporary file of a mail).
    static bool ExportPackFile(const CReminderList &list, const QString &path,
                               const CReminderPack::Selection &selection, const QString &dataFolder);

    // Reads a pack or a calendar file into the list. True after a complete
    // import, which is reported with the information icon; every failure
    // is reported in a sentence naming the file. The list's indexes are
    // rebuilt. report (optional) receives what a pack brought.
    // progress, when given, hears how far the file has been read.
    static bool ImportFile(CReminderList &list, const QString &path, const QString &dataFolder,
                           CReminderPack::ImportReport *report = nullptr,
                           const CReminderPack::Progress &progress = {});

    // The title under which a mailed pack is attached: not empty and none
    // of . : ; ' \ / ".
    static bool IsValidPackTitle(const QString &title);

    static const QString kPackImportedMessage;
    static const QString kTitleMessage;
    static const QString kMailUnsupportedMessage;
    static const QString kMailFailedMessage;
    static QString OpenForWritingMessage(const QString &path);
    static QString CannotOpenMessage(const QString &path);
    static QString NotAPackMessage(const QString &path);
    static QString DamagedPackMessage(const QString &path);
    static QString UnsupportedFileMessage(const QString &path);
};
