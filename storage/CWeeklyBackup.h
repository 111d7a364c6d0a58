#pragma once

#include "model/COleDateTime.h"

#include <QString>

class CReminderList;
class CReminderStore;
class CSettingsStore;

// Once a week the reminders are written to "KestrelmarkBackup.km2" beside
// the reminder file, and the user can put the list back to that backup.
// The date of the last backup is kept in Backup/LastBackupDate, written in
// ISO 8601 so that a change of locale cannot make it unreadable.
class CWeeklyBackup
{
public:
    static constexpr double kIntervalDays = 7.0;
    static const QString kNoBackupFoundMessage;
    static const QString kRecoveryCompleteMessage;
    static const QString kBackupUnreadableMessage;

    enum CheckResult { NotDue, BackedUp, BackupFailed };
    enum RecoverResult { Recovered, Declined, NoBackup, BackupUnreadable };

    CWeeklyBackup(CReminderStore &store, CSettingsStore &settings) : m_store(store), m_settings(settings) {}

    // At start-up after the reminder file has been read, and at every
    // change of day: backs the list up when no backup is recorded, when
    // the record cannot be read, when it lies more than a week ahead (a
    // clock that was wrong), or when a week has passed since it.
    CheckResult CheckWeeklyBackup(const CReminderList &list, const COleDateTime &now);
    // Writes the backup and records now. A failure names its cause, in a
    // box once per streak of failures and in the log every time.
    CheckResult BackUp(const CReminderList &list, const COleDateTime &now);

    // The reminder file was missing at start-up: the backup, if there is
    // one, is the user's last copy. Says so (with its date and count) and
    // keeps it from being written over until the list is recovered from
    // it. False when there is no backup.
    bool KeepForMissingFile();

    // The recovery command. Asks the two questions (unless confirmed is
    // already true), then replaces the list with the backup's contents and
    // reports "Recovery complete.". Without a backup file, or with one that
    // cannot be read completely, the user is told and the list is not
    // touched. The caller refreshes its views and schedules a save after
    // Recovered.
    RecoverResult Recover(CReminderList &list, bool confirmed = false);

    // The recorded date as the questions show it: in the user's locale
    // when it can be read, otherwise the stored text as it stands.
    QString LastBackupText() const;

    static QString FormatStamp(const COleDateTime &when);
    // ISO first, then the user's locale form; false when neither reads.
    static bool ParseStamp(const QString &text, COleDateTime &when);

private:
    CReminderStore &m_store;
    CSettingsStore &m_settings;
    bool m_keep = false;    // the backup is the only copy: never written over
    bool m_failing = false; // within a streak of failed backups
};
