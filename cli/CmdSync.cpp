#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "sync/CSyncEngine.h"
#include "sync/CSyncState.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <cstdio>

namespace {

class CmdSync : public CCliCommand
{
public:
    QString Name() const override { return QStringLiteral("sync"); }
    QString Summary() const override { return QStringLiteral("sync a reminder file with a CalDAV calendar, both ways"); }
    QString Usage() const override
    {
        return QStringLiteral(
            "Usage: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]\n"
            "Brings FILE and the calendar at URL (the calendar collection, or the server, whose\n"
            "calendar is then found through the user's principal) to the same reminders: what\n"
            "changed on one side goes to the other; a reminder changed on both sides is kept in\n"
            "both versions. What was last synced is kept in FILE's folder as <name>Sync.json.\n"
            "The password is the first line of F. Prints a JSON report of what went each way.\n"
            "Exit codes: 0 synced, 2 unreadable FILE or state, 3 the sync failed (the report says\n"
            "why; what was settled is kept), 4 the server refused the user name or password.");
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("url"), QStringLiteral("user"), QStringLiteral("password-file"),
                                           QStringLiteral("timeout") }, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(QStringLiteral("sync takes one reminder file"));
        for (const char *required : { "url", "user", "password-file" })
            if (!a.options.contains(QString::fromLatin1(required)))
                return UsageError(QStringLiteral("sync needs --%1").arg(QString::fromLatin1(required)));
        const QUrl url(a.options.value(QStringLiteral("url")), QUrl::StrictMode);
        if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            return UsageError(QStringLiteral("--url must be an http or https address"));
        int timeout = 60;
        if (a.options.contains(QStringLiteral("timeout"))) {
            bool ok = false;
            timeout = a.options.value(QStringLiteral("timeout")).toInt(&ok);
            if (!ok || timeout < 1 || timeout > 3600)
                return UsageError(QStringLiteral("--timeout takes 1 to 3600 seconds"));
        }
        QFile passwordFile(a.options.value(QStringLiteral("password-file")));
        if (!passwordFile.open(QIODevice::ReadOnly))
            return InputError(QStringLiteral("cannot read the password file %1").arg(passwordFile.fileName()));
        const QString password = QString::fromUtf8(passwordFile.readLine(4096)).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));

        const QString path = a.positional[0];
        std::vector<CReminder> local;
        if (QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::Read(path, local))
                return rc;
        const QString statePath = CSyncState::PathFor(path);
        CSyncState state;
        QString error;
        if (state.load(statePath, error) == CSyncState::Damaged)
            return InputError(QStringLiteral("%1 (move it away to sync afresh)").arg(error));

        CSyncEngine engine;
        engine.client().setTimeoutMs(timeout * 1000);
        CSyncEngine::Outcome outcome;
        QEventLoop loop;
        QObject::connect(&engine, &CSyncEngine::finished, &loop, [&](const CSyncEngine::Outcome &o) {
            outcome = o;
            loop.quit();
        });
        engine.start(url, a.options.value(QStringLiteral("user")), password, local, state);
        if (engine.running())
            loop.exec();

        // The reminder file first: a state that ran ahead of it would read
        // the missing reminders as deleted here.
        if (outcome.LocalChanged() || !QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::Write(path, outcome.m_Local))
                return rc;
        if (!outcome.m_State.save(statePath, error))
            return InputError(error);
        PrintJson(outcome.ToJson());
        if (outcome.m_Status == CSyncEngine::Outcome::AuthFailed)
            return 4;
        return outcome.m_Status == CSyncEngine::Outcome::Done ? kOk : 3;
    }
};

CmdSync s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
