#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "model/CReminderList.h"
#include "storage/CPrintSelection.h"

#include <QJsonObject>

namespace {

class CmdOccurrences : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("occurrences"); }
    QString Summary() const override { return QStringLiteral("list every occurrence in a range of days, as printed"); }
    QString Usage() const override
    {
        return QStringLiteral(
            "Usage: kestrelmark-cli occurrences FILE --from YYYY-MM-DD --to YYYY-MM-DD\n"
            "Prints the print selection of the days from --from through --to: one entry per\n"
            "occurrence (at most 20 a day), each dated on its day at the reminder's own time.");
    }
    int Run(const QStringList &args) override
    {
        RangeArgs range;
        if (const int rc = ParseFileAndRange(args, {}, range))
            return rc;
        const ParsedArgs &a = range.args;
        const COleDateTime &from = range.from, &to = range.to;
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;
        const std::unique_ptr<CReminderArray> array = CPrintSelection::ForDays(list, from, to);
        PrintJson(QJsonObject { { QStringLiteral("from"), a.options.value(QStringLiteral("from")) },
                                { QStringLiteral("to"), a.options.value(QStringLiteral("to")) },
                                { QStringLiteral("occurrences"), CCliReminderIO::RemindersJson(*array) } });
        return kOk;
    }
};

CmdOccurrences s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
