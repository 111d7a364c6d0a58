#pragma once

#include "model/COleDateTime.h"
#include "sync/CSyncEngine.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

class COrvantis2Dlg;

// When the program syncs its reminders with the calendar account: soon
// after start, a few seconds after every saved change, every 15 minutes,
// after a resume and on "Sync now". Never while a sync runs, and not at all
// without an account. A server that cannot be reached only changes the
// status line and is tried again at the next occasion; a refused password
// is said once and automatic syncs wait until the account is entered again.
class CSyncController : public QObject
{
    Q_OBJECT
public:
    static constexpr int kStartDelayMs = 2000;
    static constexpr int kChangeDelayMs = 3000;
    static constexpr int kPeriodMs = 15 * 60 * 1000;

    static const QString kSection; // settings: Sync/Url, Sync/User

    struct Account
    {
        QString m_Url;
        QString m_User;
        bool IsSet() const { return !m_Url.isEmpty(); }
        QString Key() const { return m_User + QLatin1Char('@') + m_Url; }
    };

    explicit CSyncController(COrvantis2Dlg &dlg);

    Account account() const;
    // Stores the account (the password in the secret store) and syncs.
    // An empty address removes the account. done gets an error text.
    void setAccount(const Account &account, const QString &password, std::function<void(const QString &)> done);

    void syncNow();
    // The reminder file was saved.
    void listSaved();
    // The machine woke up or the clock jumped: the server may have moved on.
    void resumed();
    QString statusText() const { return m_status; }
    // The last sync's simplified, left-out and conflicting events; empty
    // when it had none.
    QString detailsText() const { return m_details; }
    QString statePath() const;

signals:
    void statusChanged(const QString &text);
    void detailsChanged(const QString &text);

private:
    void schedule(int delayMs);
    void start();
    void onFinished(const CSyncEngine::Outcome &outcome);
    void setStatus(const QString &text);

    COrvantis2Dlg &m_dlg;
    CSyncEngine m_engine;
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
