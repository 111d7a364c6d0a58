#include "storage/CWeeklyBackup.h"

#include "model/COleDateTimeSpan.h"
#include "model/CMessageSink.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderStore.h"
#include "storage/CSettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

const QString CWeeklyBackup::kNoBackupFoundMessage = QStringLiteral(
    "Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week "
    "when the program starts.");
const QString CWeeklyBackup::kRecoveryCompleteMessage = QStringLiteral("Recovery complete.");
const QString CWeeklyBackup::kBackupUnreadableMessage = QStringLiteral(
    "Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your "
    "reminders are as they were.");

QString CWeeklyBackup::FormatStamp(const COleDateTime &when)
{
    COleDateTime::Parts p;
    if (!when.GetParts(p))
        return QString();
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute, p.second);
}

bool CWeeklyBackup::ParseStamp(const QString &text, COleDateTime &when)
{
    const QString t = text.trimmed();
    const QDateTime iso = QDateTime::fromString(t, Qt::ISODate);
    if (iso.isValid()) {
        when = COleDateTime::FromQDateTime(iso);
        return when.GetStatus() == COleDateTime::valid;
    }
    COleDateTime local;
    if (!local.ParseDateTime(t))
        return false;
    when = local;
    return true;
}

CWeeklyBackup::CheckResult CWeeklyBackup::BackUp(const CReminderList &list, const COleDateTime &now)
{
    Trace("Backing up reminders...\n");
    QByteArray bytes;
    QString error;
    if (CReminderStore::ToBytes(list.Reminders(), bytes, error)
        && m_store.WriteQuietly(bytes, CReminderStore::kBackupBase, error)) {
        m_failing = false;
        m_settings.SetLastBackupDate(FormatStamp(now));
        return BackedUp;
    }
    // The date stays, so the next check tries again.
    const QString text = QStringLiteral("Sorry, the weekly backup of your reminders could not be written to %1: %2. "
                                        "Your reminders themselves are not affected; the backup will be tried again.")
                             .arg(QDir::toNativeSeparators(m_store.BasePath(CReminderStore::kBackupBase))
                                      + QStringLiteral(".km2"),
                                  error);
    qWarning("%s", qPrintable(text));
    if (!m_failing) {
        m_failing = true;
        CMessageBox::Show(text, CMessageSink::Ok, CMessageSink::Warning);
    }
    return BackupFailed;
}

bool CWeeklyBackup::KeepForMissingFile()
{
    if (!m_store.Exists(CReminderStore::kBackupBase))
        return false;
    m_keep = true;
    const CReminderStore::ReadOutcome backup = m_store.Read(CReminderStore::kBackupBase);
    if (backup.m_Result != CReminderStore::Loaded && backup.m_Result != CReminderStore::LoadedLegacy) {
        Trace("The reminder file is missing, and its backup cannot be read.\n");
        return true;
    }
    QString when = LastBackupText();
    if (m_settings.LastBackupDate() == CSettingsStore::kNoBackup)
        when = COleDateTime::FromQDateTime(QFileInfo(backup.m_Path).lastModified()).Format();
    const qsizetype count = qsizetype(backup.m_Records.size());
    CMessageBox::Show(QStringLiteral("Your reminder file is missing; your last backup from %1 has %2. Use Recover to "
                                     "restore it.")
                          .arg(when, count == 1 ? QStringLiteral("1 reminder") : QStringLiteral("%1 reminders").arg(count)),
                      CMessageSink::Ok, CMessageSink::Warning);
    return true;
}

CWeeklyBackup::CheckResult CWeeklyBackup::CheckWeeklyBackup(const CReminderList &list, const COleDateTime &now)
{
    if (m_keep) {
        Trace("The backup is the only copy of a missing reminder file: kept as it is.\n");
        return NotDue;
    }
    const QString value = m_settings.LastBackupDate();
    if (value == CSettingsStore::kNoBackup) {
        Trace("No stored backup date!\n");
        return BackUp(list, now);
    }
    COleDateTime last;
    if (!ParseStamp(value, last)) {
        Trace(QStringLiteral("Unreadable backup date '") + value + QStringLiteral("'.\n"));
        return BackUp(list, now);
    }
    const double days = (now - last).GetTotalDays();
    if (days >= kIntervalDays) {
        Trace(QStringLiteral("Last weekly backup on ") + value + QStringLiteral(".\n"));
        return BackUp(list, now);
    }
    if (days < -kIntervalDays) {
        Trace(QStringLiteral("Backup date ") + value + QStringLiteral(" lies in the future.\n"));
        return BackUp(list, now);
    }
    return NotDue;
}

QString CWeeklyBackup::LastBackupText() const
{
    const QString value = m_settings.LastBackupDate();
    COleDateTime when;
    if (value != CSettingsStore::kNoBackup && ParseStamp(value, when))
        return when.Format();
    return value;
}

CWeeklyBackup::RecoverResult CWeeklyBackup::Recover(CReminderList &list, bool confirmed)
{
    if (!m_store.Exists(CReminderStore::kBackupBase)) {
        Trace("No backup file to recover from.\n");
        CMessageBox::Show(kNoBackupFoundMessage, CMessageSink::Ok, CMessageSink::Warning);
        return NoBackup;
    }
    if (!confirmed) {
        const QString when = LastBackupText();
        if (CMessageBox::Show(QStringLiteral("Are YOU ABSOLUTELY SURE that want to recover your reminder database "
                                             "from the the last backup of ")
                                  + when + QLatin1Char('?'),
                              CMessageSink::YesNo, CMessageSink::Question)
            != CMessageSink::IdYes)
            return Declined;
        if (CMessageBox::Show(QStringLiteral("Any reminders created since ") + when
                                  + QStringLiteral("  will be PERMANENTLY LOST.  Proceed?"),
                              CMessageSink::YesNo, CMessageSink::Question)
            != CMessageSink::IdYes)
            return Declined;
    }
    // All or nothing: a backup that cannot be read completely leaves the
    // list as it is.
    CReminderStore::ReadOutcome outcome = m_store.Read(CReminderStore::kBackupBase);
    switch (outcome.m_Result) {
    case CReminderStore::Loaded:
    case CReminderStore::LoadedLegacy:
        break;
    case CReminderStore::NotFound:
        CMessageBox::Show(kNoBackupFoundMessage, CMessageSink::Ok, CMessageSink::Warning);
        return NoBackup;
    case CReminderStore::OutOfMemory:
        CMessageBox::Show(CReminderStore::kLoadMemoryMessage, CMessageSink::Ok, CMessageSink::Error);
        return BackupUnreadable;
    case CReminderStore::Corrupt:
    case CReminderStore::Unreadable:
        CMessageBox::Show(kBackupUnreadableMessage, CMessageSink::Ok, CMessageSink::Error);
        return BackupUnreadable;
    }
    list.Assign(std::move(outcome.m_Records));
    m_keep = false; // the list is the backup's now
    CMessageBox::Show(kRecoveryCompleteMessage, CMessageSink::Ok, CMessageSink::Information);
    return Recovered;
}
