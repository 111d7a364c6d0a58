#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "l10n/CNotes.h"
#include "model/CReminderList.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

class CmdDay : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("day"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "list the reminders that fall on a day"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli","Usage: kestrelmark-cli day FILE --date YYYY-MM-DD\n"
                              "Prints the indexes (in date order) of the day's reminders, as the calendar shows them.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("date") }, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1 || !a.options.contains(QStringLiteral("date")))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "day takes one file and --date")));
        COleDateTime day;
        if (!CCliValues::ParseDate(a.options.value(QStringLiteral("date")), day))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--date: '%1' is not a possible date (YYYY-MM-DD)"))
                                  .arg(a.options.value(QStringLiteral("date"))));
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;
        QJsonArray indexes;
        const int count = list.GetRemindersOnDay(day);
        for (int i = 0; i < count; ++i)
            indexes.append(list.GetDayResult(i));
        PrintJson(indexes);
        return kOk;
    }
};

CmdDay s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
