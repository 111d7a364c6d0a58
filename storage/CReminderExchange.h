#pragma once

#include "model/CUserMessage.h"
#include "storage/CReminderPack.h"

#include <QString>

class CReminderList;

// The export and import operations behind "Export reminders...", "Import
// reminders...", dropped files and shell open requests: the file kind goes
// by the last four characters of the name in lower case (".rpk" a reminder
// pack, ".csv" an Outlook calendar file, ".ics" an iCalendar file). Each
// returns what the user is to be told; telling it, and the dialogs around
// these, are the caller's.
class CReminderExchange
{
public:
    enum FileKind { Pack, CalendarCsv, ICalendar, IconFile, Other };
    struct Outcome
    {
        bool m_Ok = false;
        CUserMessage m_Message; // empty when there is nothing to tell
    };
    static FileKind KindOf(const QString &path);

    // Writes the selection to path as a pack or a calendar file. Other
    // extensions write nothing and succeed. A file that cannot be written
    // fails with "Sorry, there was an error opening <path> for writing.";
    // a half-written file never replaces an old one.
    static Outcome ExportFile(const CReminderList &list, const QString &path, const CReminderPack::Selection &selection,
                           const QString &dataFolder);
    // A pack whatever the name's extension (the temporary file of a mail).
    static Outcome ExportPackFile(const CReminderList &list, const QString &path,
                               const CReminderPack::Selection &selection, const QString &dataFolder);

    // Reads a pack or a calendar file into the list. A complete import
    // succeeds with a message for the information icon; every failure
    // carries a sentence naming the file. The list's indexes are rebuilt. report (optional) receives what a pack brought.
    // progress, when given, hears how far the file has been read.
    static Outcome ImportFile(CReminderList &list, const QString &path, const QString &dataFolder,
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

private:
    static Outcome Failed(const CUserMessage &message);
};
