#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"

#include <QCoreApplication>

namespace {

int dumpReminderFile(const QString &path, QJsonObject &out)
{
    std::vector<CReminder> reminders;
    CReminderFileFormat::Format format = CReminderFileFormat::Current;
    if (const int rc = CCliReminderIO::Read(path, reminders, &format))
        return rc;
    out.insert(QStringLiteral("format"), format == CReminderFileFormat::Current ? QStringLiteral("km2")
                                                                                 : QStringLiteral("kmr"));
    out.insert(QStringLiteral("reminders"), CCliReminderIO::RemindersJson(reminders));
    return CCliCommand::kOk;
}

class CmdDump : public CCliCommand
{
public:
    CmdDump()
    {
        RegisterDumpReader(QStringLiteral(".km2"), dumpReminderFile);
        RegisterDumpReader(QStringLiteral(".kmr"), dumpReminderFile);
    }
    QString Name() const override { return QStringLiteral("dump"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "print a reminder file (or pack, or CSV) as JSON"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli","Usage: kestrelmark-cli dump FILE\n"
                              "Prints {\"format\": ..., \"reminders\": [...]} for FILE, chosen by its extension.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, {}, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "dump takes one file")));
        const QString path = a.positional[0];
        DumpReader reader = FindDumpReader(path);
        if (!reader)
            reader = dumpReminderFile; // anything else is read as a reminder file
        QJsonObject out;
        if (const int rc = reader(path, out))
            return rc;
        PrintJson(out);
        return kOk;
    }
};

CmdDump s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
