#include "session/CSyncController.h"

#include "l10n/CNotes.h"
#include "model/CReminderList.h"
#include "storage/CSettingsStore.h"

#include <QFile>
#include <QLocale>

const QString CSyncController::kSection = QStringLiteral("Sync");

CSyncController::CSyncController(CReminderList &list, CSettingsStore &settings, QString statePath,
                                 std::function<bool()> applied, QObject *parent)
    : QObject(parent), m_list(list), m_settings(settings), m_statePath(std::move(statePath)), m_applied(std::move(applied))
{
    m_engine.setParent(this);
    m_soon.setSingleShot(true);
    connect(&m_soon, &QTimer::timeout, this, &CSyncController::begin);
    m_period.setInterval(kPeriodMs);
    connect(&m_period, &QTimer::timeout, this, &CSyncController::begin);
    connect(&m_engine, &CSyncEngine::finished, this, &CSyncController::onFinished);
    m_applyRetry.setSingleShot(true);
    m_applyRetry.setInterval(kApplyRetryMs);
    connect(&m_applyRetry, &QTimer::timeout, this, [this] {
        CSyncEngine::Outcome outcome = std::move(*m_unapplied);
        m_unapplied.reset();
        onFinished(outcome);
    });
}

void CSyncController::start()
{
    if (account().IsSet()) {
        setStatus(tr("Not synced yet"));
        schedule(kStartDelayMs);
    }
    m_period.start();
}

CSyncController::Account CSyncController::account() const
{
    return { m_settings.GetProfileString(kSection, QStringLiteral("Url"), QString()).trimmed(),
             m_settings.GetProfileString(kSection, QStringLiteral("User"), QString()) };
}

void CSyncController::setAccount(const Account &a, const QString &password, std::function<void(const QString &)> done)
{
    m_settings.WriteProfileString(kSection, QStringLiteral("Url"), a.m_Url.trimmed());
    m_settings.WriteProfileString(kSection, QStringLiteral("User"), a.m_User);
    m_settings.Sync();
    m_authRefused = false;
    if (!a.IsSet()) {
        setStatus(QString());
        done(QString());
        return;
    }
    if (!m_passwords.m_Write) {
        done(tr("no password store"));
        return;
    }
    m_passwords.m_Write(a.Key(), password, [this, done](const QString &error) {
        if (!error.isEmpty()) {
            setStatus(tr("The password could not be kept: %1").arg(error));
            done(error);
            return;
        }
        done(QString());
        schedule(0);
    });
}

void CSyncController::syncNow()
{
    m_authRefused = false;
    schedule(0);
}

void CSyncController::listSaved()
{
    if (!m_applying)
        schedule(kChangeDelayMs);
}

void CSyncController::schedule(int delayMs)
{
    if (!account().IsSet() || m_authRefused)
        return;
    if (running()) {
        m_again = true;
        return;
    }
    m_soon.start(delayMs);
}

void CSyncController::resumed()
{
    // The network needs a moment after waking.
    schedule(kStartDelayMs);
}

void CSyncController::begin()
{
    const Account a = account();
    if (!a.IsSet() || m_authRefused || running())
        return;
    if (!m_passwords.m_Read) {
        setStatus(tr("Not synced: no password store"));
        return;
    }
    m_starting = true;
    m_passwords.m_Read(a.Key(), [this, a](const QString &password, const QString &error) {
        m_starting = false;
        if (!error.isEmpty()) {
            setStatus(tr("Not synced: the password could not be read (%1)").arg(error));
            m_again = false;
            return;
        }
        if (m_engine.running())
            return;
        auto lock = std::make_unique<CSyncRunLock>(m_statePath);
        if (!lock->Acquire(0)) {
            setStatus(tr("Not synced: %1").arg(CNotes::Shown(lock->Error())));
            if (lock->Busy())
                schedule(kBusyRetryMs);
            return;
        }
        m_runLock = std::move(lock);
        CSyncState state;
        QString stateError;
        if (state.load(m_statePath, stateError) == CSyncState::Damaged) {
            // Kept for inspection; a fresh sync pairs reminders by content.
            QFile::rename(m_statePath, m_statePath + QStringLiteral(".damaged"));
            state = CSyncState();
        }
        setStatus(tr("Syncing..."));
        m_engine.start(QUrl(a.m_Url), a.m_User, password, m_list.Reminders(), state);
    });
}

void CSyncController::onFinished(const CSyncEngine::Outcome &outcome)
{
    if (outcome.Settled() && outcome.LocalChanged() && m_mayApply && !m_mayApply()) {
        // Held under the sync's lock until the list may change.
        m_unapplied = outcome;
        m_applyRetry.start();
        return;
    }
    QString error;
    if (outcome.Settled()) {
        bool saved = true;
        if (outcome.LocalChanged()) {
            std::vector<CReminder> list = m_list.Reminders();
            outcome.ApplyTo(list);
            m_list.Assign(std::move(list));
            m_applying = true;
            saved = m_applied();
            m_applying = false;
        }
        // The state only after the reminders it describes are on disk.
        if (saved && !outcome.m_State.save(m_statePath, error))
            setStatus(tr("Not synced: %1").arg(CNotes::Shown(error)));
    }
    m_runLock.reset();

    if (outcome.m_Status == CSyncEngine::Outcome::Done && outcome.Details() != m_details) {
        m_details = outcome.Details();
        emit detailsChanged(m_details);
    }
    // The locale's date and clock; the plain form without a locale.
    const QLocale locale;
    const QDateTime at = QDateTime::currentDateTime();
    const QString now = locale.language() == QLocale::C ? at.toString(QStringLiteral("d MMM yyyy HH:mm"))
                                                         : locale.toString(at, QLocale::ShortFormat);
    switch (outcome.m_Status) {
    case CSyncEngine::Outcome::Done:
        m_lastSuccess = now;
        if (error.isEmpty())
            setStatus(tr("Last synced %1").arg(now));
        break;
    case CSyncEngine::Outcome::AuthFailed:
        m_authRefused = true;
        setStatus(tr("Not synced: the server refused the user name or password"));
        emit syncFailed(CUserMessage::Warning(tr("The calendar server refused the user name or password. "
                                                 "Enter them again under Options to sync your reminders.")));
        break;
    case CSyncEngine::Outcome::Failed:
        setStatus(tr("Not synced at %1: %2%3")
                      .arg(now, CNotes::Shown(outcome.m_Error),
                           m_lastSuccess.isEmpty() ? QString() : tr(" (last synced %1)").arg(m_lastSuccess)));
        break;
    }
    if (m_again) {
        m_again = false;
        schedule(kChangeDelayMs);
    }
    emit finished(outcome.m_Status == CSyncEngine::Outcome::Done);
}

void CSyncController::setStatus(const QString &text)
{
    if (text == m_status)
        return;
    m_status = text;
    emit statusChanged(text);
}
