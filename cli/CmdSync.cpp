#include "cli/CCliCommand.h"
#include "cli/CCliReminderIO.h"
#include "l10n/CNotes.h"
#include "storage/CReminderFileLock.h"
#include "sync/CSyncEngine.h"
#include "sync/CSyncRunLock.h"
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
    static constexpr int kBusyWaitMs = 30000;

    QString Name() const override { return QStringLiteral("sync"); }
    QString Summary() const override { return QCoreApplication::translate("kestrelmark-cli", "sync a reminder file with a CalDAV calendar, both ways"); }
    QString Usage() const override
    {
        return QCoreApplication::translate("kestrelmark-cli",
            "Usage: kestrelmark-cli sync FILE --url URL --user NAME --password-file F [--timeout SECONDS]\n"
            "Brings FILE and the calendar at URL (the calendar collection, or the server, whose\n"
            "calendar is then found through the user's principal) to the same reminders: what\n"
            "changed on one side goes to the other; a reminder changed on both sides is kept in\n"
            "both versions. What was last synced is kept in FILE's folder as <name>Sync.json.\n"
            "The password is the first line of F; it goes to URL's own scheme, host and port\n"
            "only (a redirect elsewhere fails the sync), and an http:// URL is warned of on\n"
            "stderr, as it carries the password unencrypted. One sync of FILE runs at a time: a\n"
            "second waits up to %1 seconds for the first. Prints a JSON report of what went each\n"
            "way. A sync that fails before it settled anything writes nothing.\n"
            "Exit codes: 0 synced, 2 unreadable FILE or state, 3 the sync failed (the report says\n"
            "why; what was settled is kept) or another sync of FILE is still running, 4 the server\n"
            "refused the user name or password.").arg(kBusyWaitMs / 1000);
    }
    int Run(const QStringList &args) override
    {
        const ParsedArgs a = Parse(args, { QStringLiteral("url"), QStringLiteral("user"), QStringLiteral("password-file"),
                                           QStringLiteral("timeout") }, {});
        if (!a.error.isEmpty())
            return UsageError(a.error);
        if (a.positional.size() != 1)
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "sync takes one reminder file")));
        for (const char *required : { "url", "user", "password-file" })
            if (!a.options.contains(QString::fromLatin1(required)))
                return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "sync needs --%1")).arg(QString::fromLatin1(required)));
        const QUrl url(a.options.value(QStringLiteral("url")), QUrl::StrictMode);
        if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
            return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--url must be an http or https address")));
        int timeout = 60;
        if (a.options.contains(QStringLiteral("timeout"))) {
            bool ok = false;
            timeout = a.options.value(QStringLiteral("timeout")).toInt(&ok);
            if (!ok || timeout < 1 || timeout > 3600)
                return UsageError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "--timeout takes 1 to 3600 seconds")));
        }
        QFile passwordFile(a.options.value(QStringLiteral("password-file")));
        if (!passwordFile.open(QIODevice::ReadOnly))
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "cannot read the password file %1")).arg(passwordFile.fileName()));
        const QString password = QString::fromUtf8(passwordFile.readLine(4096)).remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));

        if (url.scheme() == QLatin1String("http") && !password.isEmpty())
            std::fprintf(stderr, "kestrelmark-cli: %s\n",
                         qPrintable(QCoreApplication::translate("kestrelmark-cli",
                                                                "warning: %1 is not encrypted: the password and the reminders travel "
                                                                "readable to anyone on the network; use https:// where the server offers it")
                                        .arg(url.toDisplayString(QUrl::RemoveUserInfo))));

        // The whole run under the sync's lock, from reading the file and
        // the state to writing the state back.
        const QString path = a.positional[0];
        const QString statePath = CSyncState::PathFor(path);
        CSyncRunLock running(statePath);
        if (!running.Acquire(kBusyWaitMs)) {
            if (!running.Busy())
                return InputError(running.Error());
            std::fprintf(stderr, "kestrelmark-cli: %s: %s\n", qPrintable(path), qPrintable(CNotes::Shown(running.Error())));
            PrintJson(QJsonObject { { QStringLiteral("status"), QStringLiteral("failed") },
                                    { QStringLiteral("error"), running.Error() } });
            return 3;
        }
        std::vector<CReminder> local;
        if (QFileInfo::exists(path))
            if (const int rc = CCliReminderIO::Read(path, local))
                return rc;
        CSyncState state;
        QString error;
        if (state.load(statePath, error) == CSyncState::Damaged)
            return InputError(CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1 (move it away to sync afresh)")).arg(error));

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

        if (outcome.Settled()) {
            // The reminder file first: a state that ran ahead of it would
            // read the missing reminders as deleted here. The file is read
            // again under its lock, as another writer may have changed it
            // meanwhile.
            if (outcome.LocalChanged() || !QFileInfo::exists(path)) {
                CReminderFileLock lock(path);
                if (const int rc = CCliReminderIO::Lock(path, lock))
                    return rc;
                std::vector<CReminder> current;
                if (QFileInfo::exists(path))
                    if (const int rc = CCliReminderIO::Read(path, current))
                        return rc;
                const std::vector<CReminder> before = current;
                outcome.ApplyTo(current);
                if (const int rc = CCliReminderIO::Write(path, before, current))
                    return rc;
            }
            if (!outcome.m_State.save(statePath, error))
                return InputError(error);
        }
        PrintJson(outcome.ToJson());
        if (outcome.m_Status == CSyncEngine::Outcome::AuthFailed)
            return 4;
        return outcome.m_Status == CSyncEngine::Outcome::Done ? kOk : 3;
    }
};

CmdSync s_command;
CCliCommand::Registrar s_registrar(&s_command);

} // namespace
