#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "l10n/CNotes.h"
#include "model/CIconFolderScan.h"
#include "model/CIconNameMap.h"
#include "model/CIconTable.h"
#include "model/CReminderList.h"
#include "storage/CKmPaths.h"
#include "storage/CReminderFileLock.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

class CmdAdd : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("add"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "add a reminder to a reminder file"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT\n"
            "           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]\n"
            "           [--icon NAME] [--sound PATH] [--private] [--data-dir DIR]\n"
            "Creates FILE when it does not exist. NAME is a built-in icon or an\n"
            "icon file imported from the icons folder of the data folder.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("at"), QStringLiteral("message"), QStringLiteral("recurrence"),
                                           QStringLiteral("notice"), QStringLiteral("icon"), QStringLiteral("sound"),
                                           QStringLiteral("data-dir") },
                                   { QStringLiteral("private") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "add takes one file")));
        if (!a.options.contains(QStringLiteral("at")) || !a.options.contains(QStringLiteral("message")))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "add needs --at and --message")));
        CReminder when;
        if (const QString error = CCliValues::ReadWhen(a.options, when); !error.isEmpty())
            return UsageError(error);
        if (a.options.contains(QStringLiteral("data-dir")))
            CKmPaths::SetDataFolder(a.options.value(QStringLiteral("data-dir")));
        const QString icon = a.options.value(QStringLiteral("icon"), CIconTable::Name(0));
        const QStringList icons = IconNames();
        if (!icons.contains(icon))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--icon: there is no icon named '%1'; the icons are: %2"))
                                  .arg(icon, icons.join(QStringLiteral(", "))));

        const QString path = a.positional[0];
        CReminderFileLock lock(path);
        if (const int rc = CCliReminderIO::Lock(path, lock))
            return rc;
        CReminderList list;
        if (QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::ReadList(path, list))
                return rc;
        list.AddReminder(when.m_DateTime, when.m_AdvanceNotice, icon,
                         a.options.value(QStringLiteral("message")), when.m_Recurrence, a.Has(QStringLiteral("private")),
                         a.options.value(QStringLiteral("sound")), false, CReminder::kDefaultDate);
        return CCliReminderIO::Write(path, list.Reminders());
    }

private:
    // The built-in icons, then those imported from the user's icons folder
    // (names compare exactly, as the program looks them up).
    static QStringList IconNames()
    {
        CIconNameMap names;
        names.RegisterBuiltinNames();
        QStringList all;
        for (int i = 0; i < CIconTable::kBuiltinCount; ++i)
            all << CIconTable::Name(i);
        return all + CIconFolderScan::Scan(CKmPaths::IconsFolder(), names);
    }
};

CmdAdd s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
