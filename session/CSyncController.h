#pragma once

#include "model/CUserMessage.h"
#include "sync/CSyncEngine.h"
#include "sync/CSyncRunLock.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

class CReminderList;
class CSettingsStore;

// When the program syncs its reminders with the calendar account: soon
// after start, a few seconds after every saved change, every 15 minutes,
// after a resume and on "Sync now". Never while a sync runs, here or in
// another process (the sync's lock is held from reading the state to
// writing it back; one held elsewhere is never waited for on this thread,
// the sync is tried again shortly), and not at all without an account.
// A sync that fails before it settled anything writes nothing. A server that cannot be reached only changes the
// status line and is tried again at the next occasion; a refused password
// is said once (syncFailed) and automatic syncs wait until the account is
// entered again. The password comes from the store the program sets; the
// list changed by a sync is handed to a save that must succeed before the
// sync's state is written.
class CSyncController : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 2000;
    static constexpr int kChangeDelayMs = 3000;
    static constexpr int kPeriodMs = 15 * 60 * 1000;
    static constexpr int kBusyRetryMs = 30000; // another process syncs the file
    static constexpr int kApplyRetryMs = 1000;  // while the list may not change

    static const QString kSection; // settings: Sync/Url, Sync/User

    struct Account
    {
        QString m_Url;
        QString m_User;
        bool IsSet() const { return !m_Url.isEmpty(); }
        QString Key() const { return m_User + QLatin1Char('@') + m_Url; }
    };

    // The password store: both answer on the event loop with an error
    // text that is empty on success.
    struct PasswordStore
    {
        std::function<void(const QString &key, std::function<void(const QString &password, const QString &error)>)> m_Read;
        std::function<void(const QString &key, const QString &password, std::function<void(const QString &error)>)> m_Write;
    };

    // applied: the list was changed by a sync; true once it is on disk.
    CSyncController(CReminderList &list, CSettingsStore &settings, QString statePath, std::function<bool()> applied,
                    QObject *parent = nullptr);

    void SetPasswordStore(PasswordStore store) { m_passwords = std::move(store); }
    // A sync's result that changes the list waits while this says no (a
    // dialog holds positions in the list); the sync counts as running.
    void SetMayApply(std::function<bool()> mayApply) { m_mayApply = std::move(mayApply); }
    // The program runs: the first sync soon, then every period.
    void start();

    Account account() const;
    // Stores the account (the password in the password store) and syncs.
    // An empty address removes the account. done gets an error text.
    void setAccount(const Account &account, const QString &password, std::function<void(const QString &)> done);

    void syncNow();
    // The reminder file was saved.
    void listSaved();
    // The machine woke up or the clock jumped: the server may have moved on.
    void resumed();
    bool running() const { return m_engine.running() || m_starting || m_unapplied.has_value(); }
    QString statusText() const { return m_status; }
    // The last sync's simplified, left-out and conflicting events; empty
    // when it had none.
    QString detailsText() const { return m_details; }
    QString statePath() const { return m_statePath; }

signals:
    void statusChanged(const QString &text);
    void detailsChanged(const QString &text);
    // A sync ended; done: it went through (else the status says why).
    void finished(bool done);
    // What the user must be told at once (the server refused the password).
    void syncFailed(const CUserMessage &message);

private:
    void schedule(int delayMs);
    void begin();
    void onFinished(const CSyncEngine::Outcome &outcome);
    void setStatus(const QString &text);

    CReminderList &m_list;
    CSettingsStore &m_settings;
    QString m_statePath;
    std::function<bool()> m_applied;
    PasswordStore m_passwords;
    std::function<bool()> m_mayApply;
    std::optional<CSyncEngine::Outcome> m_unapplied; // a result that waits to change the list
    QTimer m_applyRetry;
    CSyncEngine m_engine;
    std::unique_ptr<CSyncRunLock> m_runLock; // while a sync runs
    QTimer m_soon;
    QTimer m_period;
    bool m_applying = false;
    bool m_starting = false; // reading the password
    bool m_again = false;
    bool m_authRefused = false;
    QString m_status;
    QString m_lastSuccess;
    QString m_details;
};
