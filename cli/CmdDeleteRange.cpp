#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "storage/CReminderFileLock.h"
#include "model/CReminderList.h"
#include "storage/CRangeDelete.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

class CmdDeleteRange : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("delete-range"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "delete the reminders of a range of days"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli delete-range FILE --from YYYY-MM-DD --to YYYY-MM-DD [--all-kinds]\n"
            "Deletes the one-time reminders (all kinds with --all-kinds) whose own date and time lie\n"
            "from the first day through the end of the last day.");
    }
    int Run(const QStringList &args) override
    {
        RangeArgs range;
        if (const int rc = ParseFileAndRange(args, { QStringLiteral("all-kinds") }, range))
            return rc;
        const ParsedArgs &a = range.args;
        const COleDateTime &from = range.from, &to = range.to;
        CReminderFileLock lock(a.positional[0]);
        if (const int rc = CCliReminderIO::Lock(a.positional[0], lock))
            return rc;
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;
        const std::vector<CReminder> before = list.Reminders();
        const int deleted = CRangeDelete::DeleteRange(list, from, to, !a.Has(QStringLiteral("all-kinds")));
        if (deleted > 0)
            if (const int rc = CCliReminderIO::Write(a.positional[0], before, list.Reminders()))
                return rc;
        PrintJson(QJsonObject { { QStringLiteral("deleted"), deleted }, { QStringLiteral("remaining"), list.GetSize() } });
        return kOk;
    }
};

CmdDeleteRange s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
