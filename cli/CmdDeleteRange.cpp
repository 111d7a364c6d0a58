#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "model/CReminderList.h"
#include "storage/CRangeDelete.h"

#include <QJsonObject>

namespace {

class CmdDeleteRange : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("delete-range"); }
    QString Summary() const override { return QStringLiteral("delete the reminders of a range of days"); }
    QString Usage() const override
    {
        return QStringLiteral(
            "Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]\n"
            "Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie\n"
            "from the first day through the end of the last day.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("from"), QStringLiteral("to") }, { QStringLiteral("all-kinds") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1 || !a.options.contains(QStringLiteral("from")) || !a.options.contains(QStringLiteral("to")))
            return UsageError(QStringLiteral("delete-range takes one file, --from and --to"));
        COleDateTime from, to;
        if (!CCliValues::ParseDate(a.options.value(QStringLiteral("from")), from)
            || !CCliValues::ParseDate(a.options.value(QStringLiteral("to")), to))
            return UsageError(QStringLiteral("--from and --to must be possible dates (YYYY-MM-DD)"));
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;
        const int deleted = CRangeDelete::DeleteRange(list, from, to, !a.Has(QStringLiteral("all-kinds")));
        if (deleted > 0)
            if (const int rc = CCliReminderIO::Write(a.positional[0], list.Reminders()))
                return rc;
        PrintJson(QJsonObject { { QStringLiteral("deleted"), deleted }, { QStringLiteral("remaining"), list.GetSize() } });
        return kOk;
    }
};

CmdDeleteRange s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
