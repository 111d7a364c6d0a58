#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "storage/CKmPaths.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"
#include "storage/CReminderTombstones.h"
#include "storage/CSettingsStore.h"
#include "storage/CWeeklyBackup.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

class CmdRecover : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("recover"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "replace the reminders with the weekly backup"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli recover --yes [--data-dir DIR]\n"
            "Replaces DIR/Kestrelmark.km2 with the contents of the weekly backup. Reminders made\n"
            "since the backup are lost, so --yes is required. Without a readable backup nothing\n"
            "changes and the exit code is 2.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("data-dir") }, { QStringLiteral("yes") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (!a.positional.isEmpty())
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "recover takes no file; see --data-dir")));
        if (!a.Has(QStringLiteral("yes")))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "recover replaces your reminders with the backup; confirm with --yes")));
        if (a.options.contains(QStringLiteral("data-dir")))
            CKmPaths::SetDataFolder(a.options.value(QStringLiteral("data-dir")));

        CReminderStore store;
        CSettingsStore settings;
        CWeeklyBackup backup(store, settings);
        const QString file = store.BasePath(CReminderStore::kReminderBase) + QStringLiteral(".km2");
        CReminderFileLock lock(file);
        if (const int rc = CCliReminderIO::Lock(file, lock))
            return rc;
        // The file the backup replaces: one that cannot be read is never
        // replaced, and a damaged one only once a copy of it is kept.
        const CReminderStore::ReadOutcome current = store.Read(CReminderStore::kReminderBase);
        if (current.m_Result == CReminderStore::Unreadable || current.m_Result == CReminderStore::OutOfMemory)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot read %1: %2; move it away to recover, nothing changed"))
                                  .arg(current.m_Path, current.m_Error));
        CReminderList list;
        CUserMessage told;
        const CWeeklyBackup::RecoverResult result = backup.Recover(list, &told);
        Tell(told);
        told = {};
        if (result == CWeeklyBackup::NoBackup)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no backup in %1")).arg(store.GetReminderFolder()));
        if (result != CWeeklyBackup::Recovered)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the backup in %1 cannot be read; nothing changed")).arg(store.GetReminderFolder()));
        if (current.m_Result == CReminderStore::Corrupt && !current.m_Bytes.isEmpty()
            && CReminderStore::KeepCorruptCopy(current.m_Path).isEmpty())
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 is damaged and no copy of it could be kept; nothing changed"))
                                  .arg(current.m_Path));
        // The running program would write this at its next save; here it is now.
        const CReminderStore::SaveResult saved = store.SaveReminders(list, CReminderStore::kReminderBase, &told);
        Tell(told);
        if (saved != CReminderStore::Saved)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write the reminder file in %1")).arg(store.GetReminderFolder()));
        // Put back on purpose: what was deleted since the backup is no
        // longer deleted.
        QString error;
        if (!CReminderTombstones::Update(file, [&](CReminderTombstones &t) { t.Forget(list.Reminders()); }, error))
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1: %2")).arg(CReminderTombstones::PathFor(file), error));
        PrintJson(QJsonObject { { QStringLiteral("result"), QStringLiteral("recovered") },
                                { QStringLiteral("reminders"), list.GetSize() },
                                { QStringLiteral("backupDate"), settings.LastBackupDate() } });
        return kOk;
    }
};

CmdRecover s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
