#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"
#include "storage/CReminderFileLock.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

class CmdCopy : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("copy"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "copy a reminder file into a current (.km2) one"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli","Usage: kestrelmark-cli copy IN OUT\n"
                              "Reads IN (.km2 or legacy .kmr) and writes all its reminders to OUT.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, {}, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 2)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "copy takes IN and OUT")));
        // Onto a file that exists: another writer may be using it.
        CReminderFileLock lock(a.positional[1]);
        if (QFileInfo::exists(a.positional[1]))
            if (const int rc = CCliReminderIO::Lock(a.positional[1], lock))
                return rc;
        std::vector<CReminder> reminders;
        if (const int rc = CCliReminderIO::Read(a.positional[0], reminders))
            return rc;
        return CCliReminderIO::Write(a.positional[1], reminders);
    }
};

CmdCopy s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
