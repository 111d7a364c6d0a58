#pragma once

#include "model/COleDateTime.h"
#include "model/CUserMessage.h"

#include <QString>
#include <QStringList>

class CReminderList;
class CReminderStore;
class CSettingsStore;

// Once a week the reminders are written to "KestrelmarkBackup.km2" beside
// the reminder file, and the user can put the list back to that backup.
// The date of the last backup is kept in Backup/LastBackupDate, written in
// ISO 8601 so that a change of locale cannot make it unreadable. What the
// user is to hear comes back in tell (when given); asking is the caller's.
class CWeeklyBackup
{
public:
    static constexpr double kIntervalDays = 7.0;
    static const QString kNoBackupFoundMessage;
    static const QString kRecoveryCompleteMessage;
    static const QString kBackupUnreadableMessage;

    enum CheckResult { NotDue, BackedUp, BackupFailed };
    enum RecoverResult { Recovered, NoBackup, BackupUnreadable };

    CWeeklyBackup(CReminderStore &store, CSettingsStore &settings) : m_store(store), m_settings(settings) {}

    // At start-up after the reminder file has been read, and at every
    // change of day: backs the list up when no backup is recorded, when
    // the record cannot be read, when it lies more than a week ahead (a
    // clock that was wrong), or when a week has passed since it.
    CheckResult CheckWeeklyBackup(const CReminderList &list, const COleDateTime &now, CUserMessage *tell = nullptr);
    // Writes the backup and records now; an empty list never replaces a
    // backup that holds reminders (or cannot be read). A failure names its
    // cause, in tell once per streak of failures and in the log every time.
    CheckResult BackUp(const CReminderList &list, const COleDateTime &now, CUserMessage *tell = nullptr);

    // The reminder file was missing at start-up: the backup, if there is
    // one, is the user's last copy. Tells so (with its date and count) and
    // keeps it from being written over until the list is recovered from
    // it. False when there is no backup.
    bool KeepForMissingFile(CUserMessage *tell = nullptr);

    bool HasBackup() const;
    // The two questions the recovery command asks before Recover, with the
    // backup's date.
    QStringList RecoveryQuestions() const;
    // Replaces the list with the backup's contents and tells "Recovery
    // complete.". Without a backup file, or with one that cannot be read
    // completely, the list is not touched. The caller refreshes its views
    // and schedules a save after Recovered.
    RecoverResult Recover(CReminderList &list, CUserMessage *tell = nullptr);

    // The recorded date as the questions show it: in the user's locale
    // when it can be read, otherwise the stored text as it stands.
    QString LastBackupText() const;

    static QString FormatStamp(const COleDateTime &when);
    // ISO first, then the user's locale form; false when neither reads.
    static bool ParseStamp(const QString &text, COleDateTime &when);

private:
    // The backup holds reminders, or cannot be read to see it holds none.
    bool BackupHoldsMore() const;

    CReminderStore &m_store;
    CSettingsStore &m_settings;
    bool m_keep = false;    // the backup is the only copy: never written over
    bool m_failing = false; // within a streak of failed backups
};
