#include "storage/CWeeklyBackup.h"

#include "l10n/KmTranslate.h"
#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "model/CTrace.h"
#include "storage/CReminderStore.h"
#include "storage/CSettingsStore.h"

#include <QDateTime>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

const QString CWeeklyBackup::kNoBackupFoundMessage = QStringLiteral(QT_TRANSLATE_NOOP("CWeeklyBackup",
    "Sorry, no backup of your reminders was found, so nothing was recovered.  A backup is made once a week "
    "when the program starts."));
const QString CWeeklyBackup::kRecoveryCompleteMessage = QStringLiteral(QT_TRANSLATE_NOOP("CWeeklyBackup","Recovery complete."));
const QString CWeeklyBackup::kBackupUnreadableMessage = QStringLiteral(QT_TRANSLATE_NOOP("CWeeklyBackup",
    "Sorry, the backup of your reminders is damaged and cannot be read, so nothing was recovered.  Your "
    "reminders are as they were."));

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

CWeeklyBackup::CheckResult CWeeklyBackup::BackUp(const CReminderList &list, const COleDateTime &now, CUserMessage *tell)
{
    if (list.GetSize() == 0 && BackupHoldsMore()) {
        // A list with no reminders is what a damaged or emptied file
        // leaves: it never takes the place of the user's last good copy.
        Trace("No reminders to back up: the backup is kept as it is.\n");
        return NotDue;
    }
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
    const QString file = QDir::toNativeSeparators(m_store.BasePath(CReminderStore::kBackupBase)) + QStringLiteral(".km2");
    //: %1 is the backup file, %2 why it could not be written.
    const char *const sentence = QT_TRANSLATE_NOOP("CWeeklyBackup",
                                                   "Sorry, the weekly backup of your reminders could not be written to %1: %2. "
                                                   "Your reminders themselves are not affected; the backup will be tried again.");
    const QString text = QCoreApplication::translate("CWeeklyBackup", sentence).arg(file, error);
    qWarning("%s", qPrintable(QString::fromLatin1(sentence).arg(file, error)));
    if (!m_failing) {
        m_failing = true;
        if (tell)
            *tell = CUserMessage::Warning(text);
    }
    return BackupFailed;
}

bool CWeeklyBackup::KeepForMissingFile(CUserMessage *tell)
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
    if (tell)
        *tell = CUserMessage::Warning(
            //: %1 is the date of the backup, %2 how many reminders it has ("1 reminder", "5 reminders").
            QCoreApplication::translate("CWeeklyBackup", "Your reminder file is missing; your last backup from %1 has %2. Use Recover to "
                           "restore it.")
                .arg(when, count == 1 ? QCoreApplication::translate("CWeeklyBackup", "1 reminder")
                                      : QCoreApplication::translate("CWeeklyBackup", "%n reminders", nullptr, int(count))));
    return true;
}

CWeeklyBackup::CheckResult CWeeklyBackup::CheckWeeklyBackup(const CReminderList &list, const COleDateTime &now,
                                                            CUserMessage *tell)
{
    if (m_keep) {
        Trace("The backup is the only copy of a missing reminder file: kept as it is.\n");
        return NotDue;
    }
    const QString value = m_settings.LastBackupDate();
    if (value == CSettingsStore::kNoBackup) {
        Trace("No stored backup date!\n");
        return BackUp(list, now, tell);
    }
    COleDateTime last;
    if (!ParseStamp(value, last)) {
        Trace(QStringLiteral("Unreadable backup date '") + value + QStringLiteral("'.\n"));
        return BackUp(list, now, tell);
    }
    const double days = (now - last).GetTotalDays();
    if (days >= kIntervalDays) {
        Trace(QStringLiteral("Last weekly backup on ") + value + QStringLiteral(".\n"));
        return BackUp(list, now, tell);
    }
    if (days < -kIntervalDays) {
        Trace(QStringLiteral("Backup date ") + value + QStringLiteral(" lies in the future.\n"));
        return BackUp(list, now, tell);
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

bool CWeeklyBackup::BackupHoldsMore() const
{
    if (!HasBackup())
        return false;
    const CReminderStore::ReadOutcome backup = m_store.Read(CReminderStore::kBackupBase);
    const bool empty = (backup.m_Result == CReminderStore::Loaded || backup.m_Result == CReminderStore::LoadedLegacy)
        && backup.m_Records.empty();
    return !empty && backup.m_Result != CReminderStore::NotFound;
}

bool CWeeklyBackup::HasBackup() const { return m_store.Exists(CReminderStore::kBackupBase); }

QStringList CWeeklyBackup::RecoveryQuestions() const
{
    const QString when = LastBackupText();
    //: %1 is the date of the last backup.
    return { QCoreApplication::translate("CWeeklyBackup", "Are you sure you want to recover your reminder database from the last backup of %1?").arg(when),
             //: %1 is the date of the last backup.
             QCoreApplication::translate("CWeeklyBackup", "Any reminders created since %1  will be PERMANENTLY LOST.  Proceed?").arg(when) };
}

CWeeklyBackup::RecoverResult CWeeklyBackup::Recover(CReminderList &list, CUserMessage *tell)
{
    const auto told = [tell](RecoverResult result, const CUserMessage &message) {
        if (tell)
            *tell = message;
        return result;
    };
    if (!HasBackup()) {
        Trace("No backup file to recover from.\n");
        return told(NoBackup, CUserMessage::Warning(KmTranslate("CWeeklyBackup", kNoBackupFoundMessage)));
    }
    // All or nothing: a backup that cannot be read completely leaves the
    // list as it is.
    CReminderStore::ReadOutcome outcome = m_store.Read(CReminderStore::kBackupBase);
    switch (outcome.m_Result) {
    case CReminderStore::Loaded:
    case CReminderStore::LoadedLegacy:
        break;
    case CReminderStore::NotFound:
        return told(NoBackup, CUserMessage::Warning(KmTranslate("CWeeklyBackup", kNoBackupFoundMessage)));
    case CReminderStore::OutOfMemory:
        return told(BackupUnreadable, CUserMessage::Error(KmTranslate("CReminderStore", CReminderStore::kLoadMemoryMessage)));
    case CReminderStore::Corrupt:
    case CReminderStore::Unreadable:
        return told(BackupUnreadable, CUserMessage::Error(KmTranslate("CWeeklyBackup", kBackupUnreadableMessage)));
    }
    list.Assign(std::move(outcome.m_Records));
    m_keep = false; // the list is the backup's now
    return told(Recovered, CUserMessage::Info(KmTranslate("CWeeklyBackup", kRecoveryCompleteMessage)));
}
