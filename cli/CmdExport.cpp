#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "storage/CKmPaths.h"
#include "storage/CReminderExchange.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

class CmdExport : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("export"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "export reminders as a reminder pack, Outlook CSV or iCalendar file"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli export FILE OUT.rpk|OUT.csv|OUT.ics [--select 0,2,5] [--data-dir DIR]\n"
            "Writes the reminders of FILE (all, or those at the given indexes in date order) as a\n"
            "reminder pack with the icon and sound files they use (taken from DIR, by default the\n"
            "per-user data folder), as an Outlook calendar file, or as an iCalendar file.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("select"), QStringLiteral("data-dir") }, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 2)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "export takes a reminder file and an output file")));
        const QString out = a.positional[1];
        const CReminderExchange::FileKind kind = CReminderExchange::KindOf(out);
        if (kind != CReminderExchange::Pack && kind != CReminderExchange::CalendarCsv
            && kind != CReminderExchange::ICalendar)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "the output file must end in .rpk, .csv or .ics")));
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;

        CReminderPack::Selection selection(static_cast<size_t>(list.GetSize()), 0);
        if (a.options.contains(QStringLiteral("select"))) {
            for (const QString &part : a.options.value(QStringLiteral("select")).split(QLatin1Char(','))) {
                bool ok = false;
                const int index = part.trimmed().toInt(&ok);
                if (!ok || index < 0 || index >= list.GetSize())
                    return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--select: '%1' is not an index of the file's %2 reminders"))
                                          .arg(part).arg(list.GetSize()));
                selection[static_cast<size_t>(index)] = 1;
            }
        } else {
            selection.assign(selection.size(), 1);
        }
        int count = 0;
        for (quint8 s : selection)
            count += s == 1;
        if (count == 0)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "no reminders to export")));

        if (a.options.contains(QStringLiteral("data-dir")))
            CKmPaths::SetDataFolder(a.options.value(QStringLiteral("data-dir")));
        const CReminderExchange::Outcome written = CReminderExchange::ExportFile(list, out, selection, CKmPaths::DataFolder());
        Tell(written.m_Message);
        if (!written.m_Ok)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot write %1")).arg(out));
        PrintJson(QJsonObject { { QStringLiteral("file"), out },
                                { QStringLiteral("format"), out.right(3).toLower() },
                                { QStringLiteral("exported"), count } });
        return kOk;
    }
};

CmdExport s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
