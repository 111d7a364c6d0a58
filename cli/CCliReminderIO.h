#pragma once

#include "model/CReminder.h"
#include "storage/CReminderFileFormat.h"

#include <QJsonArray>
#include <QJsonObject>
#include <vector>

class CReminderFileLock;
class CRecordDayList;
class CReminderList;

// Reading, writing and printing reminder files for the commands.
class CCliReminderIO
{
public:
    // Reads a reminder file; on failure writes one line to stderr and
    // returns the exit code (2), else 0.
    static int Read(const QString &path, std::vector<CReminder> &out, CReminderFileFormat::Format *format = nullptr);
    // Reads into the list, in date order, with the indexes built.
    static int ReadList(const QString &path, CReminderList &list);
    // Reads the file's records that can fall on a day from first up to
    // end, for listing alone (see CRecordDayList).
    static int ReadDayList(const QString &path, CRecordDayList &list, const COleDateTime &first,
                           const COleDateTime &end);
    // Writes a current reminder file, replacing the old one only once the
    // new one is complete.
    static int Write(const QString &path, const std::vector<CReminder> &reminders);
    // The same after a change that deleted some of before: their deletion
    // is remembered beside the file first, so that no merge brings them back.
    static int Write(const QString &path, const std::vector<CReminder> &before, const std::vector<CReminder> &reminders);
    // Takes the file's lock (waiting up to kLockTimeoutMs) for a whole
    // read-modify-write; on failure one line on stderr and 2.
    static int Lock(const QString &path, CReminderFileLock &lock);
    static constexpr int kLockTimeoutMs = 10000;

    static QJsonObject DateJson(const COleDateTime &dt);
    static QJsonObject SpanJson(const COleDateTimeSpan &span);
    static QJsonObject ReminderJson(const CReminder &r);
    static QJsonArray RemindersJson(const std::vector<CReminder> &reminders);
};
