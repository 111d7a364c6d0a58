#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "storage/CKmPaths.h"
#include "storage/CReminderFileLock.h"
#include "storage/CReminderStore.h"
#include "storage/CSettingsStore.h"
#include "storage/CWeeklyBackup.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

class CmdBackup : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("backup"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "run the weekly backup of the data folder's reminders"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli backup [--data-dir DIR] [--force] [--now YYYY-MM-DDTHH:MM[:SS]]\n"
            "Backs up DIR/Kestrelmark.km2 to DIR/KestrelmarkBackup.km2 when the last backup\n"
            "recorded in the user's settings is a week old (or none is), as the program does at\n"
            "start-up; --force backs up in any case.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("data-dir"), QStringLiteral("now") }, { QStringLiteral("force") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (!a.positional.isEmpty())
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "backup takes no file; see --data-dir")));
        COleDateTime now = COleDateTime::GetCurrentTime();
        if (a.options.contains(QStringLiteral("now")) && !CCliValues::ParseDateTime(a.options.value(QStringLiteral("now")), now))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--now must be a possible date and time (YYYY-MM-DDTHH:MM[:SS])")));
        if (a.options.contains(QStringLiteral("data-dir")))
            CKmPaths::SetDataFolder(a.options.value(QStringLiteral("data-dir")));

        CReminderStore store;
        const QString file = store.BasePath(CReminderStore::kReminderBase) + QStringLiteral(".km2");
        CReminderFileLock lock(file);
        if (const int rc = CCliReminderIO::Lock(file, lock))
            return rc;
        CReminderList list;
        CUserMessage told;
        const CReminderStore::LoadResult loaded = store.LoadReminders(list, CReminderStore::kReminderBase, &told);
        Tell(told);
        told = {};
        if (loaded == CReminderStore::Corrupt || loaded == CReminderStore::OutOfMemory || loaded == CReminderStore::Unreadable)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the reminder file in %1 cannot be read; no backup made")).arg(store.GetReminderFolder()));
        CSettingsStore settings;
        CWeeklyBackup backup(store, settings);
        const CWeeklyBackup::CheckResult result =
            a.Has(QStringLiteral("force")) ? backup.BackUp(list, now, &told) : backup.CheckWeeklyBackup(list, now, &told);
        Tell(told);
        static const char *const names[] = { "not-due", "backed-up", "failed" };
        PrintJson(QJsonObject { { QStringLiteral("result"), QString::fromLatin1(names[result]) },
                                { QStringLiteral("reminders"), list.GetSize() },
                                { QStringLiteral("lastBackupDate"), settings.LastBackupDate() },
                                { QStringLiteral("backupFile"), store.BasePath(CReminderStore::kBackupBase) + QStringLiteral(".km2") } });
        return result == CWeeklyBackup::BackupFailed ? kBadInput : kOk;
    }
};

CmdBackup s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
