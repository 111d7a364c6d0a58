#pragma once

#include "model/CReminder.h"
#include "model/CUserMessage.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class CReminderList;
class QFile;
class QIODevice;

// The reminder file between runs: reads it into the list at start-up and
// on recovery, and writes the whole list back. The current form is
// "<base>.km2"; a legacy "<base>.kmr" is read when no current file exists,
// and never written. Every problem the user must know of comes back as a
// CUserMessage for the caller to tell; the rest are trace lines.
//
// A save writes a new file beside the old one, flushes it to disk and then
// replaces the old file in one step, so the old file stays complete until
// the new one is.
class CReminderStore
{
public:
    // Files are read whole before they are parsed; a larger one is left
    // alone as one that cannot be read.
    static constexpr qint64 kMaxInMemoryBytes = qint64(256) << 20;

    static const QString kReminderBase; // "Kestrelmark"
    static const QString kBackupBase;   // "KestrelmarkBackup"

    static const QString kCorruptMessage;
    static const QString kLoadMemoryMessage;
    static const QString kWriteErrorMessage;
    static const QString kSaveMemoryMessage;

    // Unreadable: the file is there but could not be opened or read (not
    // the same as missing: it must never be written over).
    enum LoadResult { Loaded, LoadedLegacy, NotFound, Corrupt, OutOfMemory, Unreadable };
    enum SaveResult { Saved, OpenFailed, WriteFailed };

    // What a read found, before anything is done to a list.
    struct ReadOutcome
    {
        LoadResult m_Result = NotFound;
        QString m_Path;                  // the file that was read
        std::vector<CReminder> m_Records; // complete, or those before the error
        int m_IdsGiven = 0;              // records that had no id of their own (or another's)
        bool m_CountKnown = false;       // the count was read and is plausible
        quint32 m_Count = 0;
        QString m_Error;                 // why the file could not be read
        QByteArray m_Bytes;              // the file as read
        QString m_CorruptCopy;           // where the load kept a copy of a damaged file
        CUserMessage m_Message;          // what the user is to be told of a failed load
    };

    // An empty folder means the data folder (CKmPaths) at every call.
    explicit CReminderStore(const QString &folder = QString());

    QString GetReminderFolder() const;
    // Folder + separator + base name, without extension.
    QString BasePath(const QString &baseName) const;
    // A current or legacy file of that base name exists.
    bool Exists(const QString &baseName) const;

    // Replaces the list's contents with the file's. No file: the list stays
    // as it was. A damaged file: the corrupt-file message (in tell, when
    // given, as every failure's); when its count
    // could be read (and could be true) the list holds the records read
    // intact, otherwise the list stays as it was; a copy of the damaged file is kept beside it so that
    // the next save does not destroy the only copy. The list is left in
    // date order with its indexes built in every case.
    LoadResult LoadReminders(CReminderList &list, const QString &baseName = kReminderBase,
                             CUserMessage *tell = nullptr);
    // The same for what Read found: the records move into the list; the
    // bytes stay in outcome, and so does the message.
    static LoadResult LoadInto(CReminderList &list, ReadOutcome &outcome);

    // Reads without touching any list and without messages.
    ReadOutcome Read(const QString &baseName) const;
    // Only the file's bytes: Loaded with m_Bytes, or why there are none.
    ReadOutcome ReadFile(const QString &baseName) const;
    // The same for one file: NotFound, or m_Path set and Loaded with
    // m_Bytes, or Unreadable/OutOfMemory with the reason in m_Error.
    static void ReadPath(const QString &path, ReadOutcome &outcome);
    // Opens one reminder file for reading as every reader does: Loaded
    // when it is a regular file of at most kMaxInMemoryBytes; NotFound;
    // Unreadable (a FIFO, a folder, too large, ...) with the reason.
    static LoadResult OpenFile(QFile &file, const QString &path, QString &error);
    // The whole of an open file of this size (at most kMaxInMemoryBytes)
    // in one read, into a buffer of exactly that size; false, with the
    // file's error, when it cannot be read. Throws std::bad_alloc.
    static bool ReadWhole(QFile &file, qint64 size, QByteArray &bytes);
    // Reads the records of outcome.m_Bytes into outcome.m_Records and sets
    // m_Result (and the count) by what was found; a damaged file's reason
    // goes into m_Error.
    static void Parse(ReadOutcome &outcome);

    // Writes the whole list as "<base>.km2". A failed open tells "Error
    // opening <path>"; a failed write tells the write-error (or memory)
    // message and leaves the old file intact. Trying again is the caller's.
    SaveResult SaveReminders(const CReminderList &list, const QString &baseName = kReminderBase,
                             CUserMessage *tell = nullptr);
    SaveResult SaveReminders(const std::vector<CReminder> &reminders, const QString &baseName = kReminderBase,
                             CUserMessage *tell = nullptr);

    // The file's bytes for these reminders; false (with the reason) when
    // there is not enough memory. sizeHint: the size they are likely to take.
    static bool ToBytes(const std::vector<CReminder> &reminders, QByteArray &bytes, QString &error,
                        qsizetype sizeHint = 0);
    // One attempt at writing bytes as "<base>.km2", without messages: false
    // with the reason in error, the old file left whole.
    bool WriteQuietly(const QByteArray &bytes, const QString &baseName, QString &error);

    // "Sorry, ..." for a reminder file that is there but cannot be read.
    static QString UnreadableMessage(const QString &path, const QString &reason);
    // Keeps a copy of a damaged file beside it; the copy's path, or empty.
    static QString KeepCorruptCopy(const QString &path);

    // Tests put a device between the archive and the file, e.g. one that
    // fails after so many bytes.
    using WriteFilter = std::function<std::unique_ptr<QIODevice>(QIODevice &file)>;
    void SetWriteFilter(WriteFilter filter) { m_writeFilter = std::move(filter); }

    // Where a damaged file is copied before it can be overwritten.
    static QString CorruptCopyPath(const QString &path);

private:
    // Keeps a copy of a damaged file and puts the message in outcome.
    static void DescribeLoadFailure(ReadOutcome &outcome);

    QString m_folder;
    WriteFilter m_writeFilter;
};
