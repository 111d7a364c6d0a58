#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "cli/CCliValues.h"
#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "storage/CReminderFileLock.h"

#include <QCoreApplication>
#include <QJsonObject>

namespace {

// Edits one reminder in place, as the editor of the window does: it keeps
// its id, and its alert counts as never shown.
class CmdEdit : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("edit"); }
    QString Summary() const override
    {
        return QCoreApplication::translate("kestrelmark-cli", "change one reminder of a reminder file");
    }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli edit FILE --id ID [--at YYYY-MM-DDTHH:MM[:SS]] [--message TEXT]\n"
            "           [--recurrence one-time|annual|monthly|weekly] [--notice 2d3h30m]\n"
            "           [--sound PATH] [--private yes|no]\n"
            "ID is the reminder's id as dump shows it. What is not given stays as it is;\n"
            "the alert then counts as not yet shown, as after an edit in the window.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("id"), QStringLiteral("at"), QStringLiteral("message"),
                                           QStringLiteral("recurrence"), QStringLiteral("notice"), QStringLiteral("sound"),
                                           QStringLiteral("private") },
                                   {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "edit takes one file")));
        bool ok = false;
        const quint64 id = a.options.value(QStringLiteral("id")).toULongLong(&ok);
        if (!ok || id == 0)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "edit needs --id, a reminder's id as dump shows it")));
        CReminder change;
        if (const QString error = CCliValues::ReadWhen(a.options, change); !error.isEmpty())
            return UsageError(error);
        const QString privateText = a.options.value(QStringLiteral("private"));
        if (a.options.contains(QStringLiteral("private")) && privateText != QLatin1String("yes")
            && privateText != QLatin1String("no"))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--private must be yes or no")));

        const QString path = a.positional[0];
        CReminderFileLock lock(path);
        if (const int rc = CCliReminderIO::Lock(path, lock))
            return rc;
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(path, list))
            return rc;
        CReminder *r = list.Find(id);
        if (!r)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 holds no reminder with the id %2; nothing written")).arg(path).arg(id));
        if (a.options.contains(QStringLiteral("at")))
            r->m_DateTime = change.m_DateTime;
        if (a.options.contains(QStringLiteral("message")))
            r->m_Message = a.options.value(QStringLiteral("message"));
        if (a.options.contains(QStringLiteral("recurrence")))
            r->m_Recurrence = change.m_Recurrence;
        if (a.options.contains(QStringLiteral("notice")))
            r->m_AdvanceNotice = change.m_AdvanceNotice;
        if (a.options.contains(QStringLiteral("sound")))
            r->m_SoundFileName = a.options.value(QStringLiteral("sound"));
        if (a.options.contains(QStringLiteral("private")))
            r->m_Private = privateText == QLatin1String("yes");
        r->ResetShown();
        const QJsonObject edited = CCliReminderIO::ReminderJson(*r);
        list.Sort();
        if (const int rc = CCliReminderIO::Write(path, list.Reminders()))
            return rc;
        PrintJson(edited);
        return kOk;
    }
};

CmdEdit s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
