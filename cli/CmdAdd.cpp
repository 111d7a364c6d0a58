#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "media/CIconTable.h"
#include "model/CReminderList.h"
#include "storage/CReminderFileLock.h"

#include <QFileInfo>

namespace {

class CmdAdd : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("add"); }
    QString Summary() const override { return QStringLiteral("add a reminder to a reminder file"); }
    QString Usage() const override
    {
        return QStringLiteral(
            "Usage: kestrelmark-cli add FILE --at YYYY-MM-DDTHH:MM[:SS] --message TEXT\n"
            "           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]\n"
            "           [--icon NAME] [--sound PATH] [--private]\n"
            "Creates FILE when it does not exist.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("at"), QStringLiteral("message"), QStringLiteral("recurrence"),
                                           QStringLiteral("notice"), QStringLiteral("icon"), QStringLiteral("sound") },
                                   { QStringLiteral("private") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(QStringLiteral("add takes one file"));
        if (!a.options.contains(QStringLiteral("at")) || !a.options.contains(QStringLiteral("message")))
            return UsageError(QStringLiteral("add needs --at and --message"));
        COleDateTime at;
        if (!CCliValues::ParseDateTime(a.options.value(QStringLiteral("at")), at))
            return UsageError(QStringLiteral("--at: '%1' is not a possible date and time (YYYY-MM-DDTHH:MM[:SS])")
                                  .arg(a.options.value(QStringLiteral("at"))));
        int recurrence = RecurOneTime;
        if (a.options.contains(QStringLiteral("recurrence"))) {
            recurrence = CCliValues::ParseRecurrence(a.options.value(QStringLiteral("recurrence")));
            if (recurrence < 0)
                return UsageError(QStringLiteral("--recurrence must be one-time, annual, monthly or weekly"));
        }
        COleDateTimeSpan notice(0.0);
        if (a.options.contains(QStringLiteral("notice"))
            && !CCliValues::ParseSpan(a.options.value(QStringLiteral("notice")), notice))
            return UsageError(QStringLiteral("--notice must look like 2d3h30m"));

        const QString path = a.positional[0];
        CReminderFileLock lock(path);
        if (const int rc = CCliReminderIO::Lock(path, lock))
            return rc;
        CReminderList list;
        if (QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::ReadList(path, list))
                return rc;
        list.AddReminder(at, notice, a.options.value(QStringLiteral("icon"), CIconTable::Name(0)),
                         a.options.value(QStringLiteral("message")), recurrence, a.Has(QStringLiteral("private")),
                         a.options.value(QStringLiteral("sound")), false, CReminder::kDefaultDate);
        return CCliReminderIO::Write(path, list.Reminders());
    }
};

CmdAdd s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
