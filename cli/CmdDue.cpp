#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"
#include "storage/CReminderFileLock.h"
#include "cli/CCliValues.h"
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"

#include <QCoreApplication>
#include <QJsonArray>

namespace {

// Records the alerts instead of showing them, and answers each with OK at once.
class RecordingPresenter : public CAlertPresenter
{
public:
    explicit RecordingPresenter(CReminderCheck &check) : m_check(check) {}
    void Present(const CAlertRequest &alert) override
    {
        m_alerts.append(QJsonObject {
            { QStringLiteral("index"), m_check.List().IndexOf(alert.m_ReminderId) },
            { QStringLiteral("text"), alert.m_Message },
            { QStringLiteral("iconName"), alert.m_IconName },
            { QStringLiteral("iconNumber"), alert.m_IconNumber },
            { QStringLiteral("sound"), alert.m_SoundFileName },
        });
        m_check.Answer(alert.m_ReminderId, CAlertAnswer {});
    }
    QJsonArray m_alerts;

private:
    CReminderCheck &m_check;
};

class CmdDue : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("due"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "run one due-reminder pass at a given time"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli","Usage: kestrelmark-cli due FILE --at YYYY-MM-DDTHH:MM:SS [--save]\n"
                              "Prints the alerts the pass would show, in order; --save writes the shown flags back.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("at") }, { QStringLiteral("save") });
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1 || !a.options.contains(QStringLiteral("at")))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "due takes one file and --at")));
        COleDateTime now;
        if (!CCliValues::ParseDateTime(a.options.value(QStringLiteral("at")), now))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--at: '%1' is not a possible date and time (YYYY-MM-DDTHH:MM:SS)"))
                                  .arg(a.options.value(QStringLiteral("at"))));
        CReminderFileLock lock(a.positional[0]);
        if (a.Has(QStringLiteral("save")))
            if (const int rc = CCliReminderIO::Lock(a.positional[0], lock))
                return rc;
        CReminderList list;
        if (const int rc = CCliReminderIO::ReadList(a.positional[0], list))
            return rc;
        CReminderCheck check(list);
        RecordingPresenter presenter(check);
        check.SetPresenter(&presenter);
        check.CheckReminders(1, now);
        if (a.Has(QStringLiteral("save")))
            if (const int rc = CCliReminderIO::Write(a.positional[0], list.Reminders()))
                return rc;
        PrintJson(presenter.m_alerts);
        return kOk;
    }
};

CmdDue s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
