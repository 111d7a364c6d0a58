#pragma once

#include "sync/CCalDavClient.h"
#include "sync/CSyncPlan.h"
#include "sync/CSyncState.h"

#include <QJsonObject>
#include <QObject>
#include <QUrl>
#include <vector>

struct CDavResource;

// One sync of a reminder list with a calendar collection, run on the event
// loop: find the collection, learn what changed there (the sync-collection
// report where the server offers it, else every ETag), fetch those events,
// merge, and carry out the plan several requests at a time. A conflict (412)
// starts another round, which fetches and merges again. Whatever fails,
// the outcome holds everything that was settled, so a sync cut off halfway
// loses nothing: what did not happen is simply done again next time.
class CSyncEngine : public QObject
{
    Q_OBJECT
public:
    static constexpr int kMaxRounds = 3;
    static constexpr int kMultigetBatch = 100;
    // An event larger than this is left out (and said); a fetch asks for
    // about this much at a time, where the server says how large they are.
    static constexpr qint64 kMaxEventBytes = qint64(4) << 20;
    static constexpr qint64 kMaxBatchBytes = qint64(16) << 20;
    // Uploads and deletions under way at once.
    static constexpr int kParallelOps = 6;

    struct Outcome
    {
        enum Status { Done, Failed, AuthFailed };
        Status m_Status = Done;
        QString m_Error;
        std::vector<CReminder> m_Local;   // the list to keep
        std::vector<CReminder> m_Removed; // taken out of the given list
        std::vector<CReminder> m_Added;   // put into it
        CSyncState m_State;
        QString m_Collection;             // the full address used
        CSyncPlan::Counts m_Sent, m_Received;
        int m_Conflicts = 0;
        QStringList m_Simplified, m_Skipped;
        QStringList m_KeptHere; // changes the server's events did not take, each with why
        QStringList m_Ignored; // hrefs outside the collection, never touched

        bool LocalChanged() const { return !m_Removed.empty() || !m_Added.empty(); }
        // Something to keep: the sync went through, or it settled part of
        // its work before it failed. A sync that failed before that leaves
        // the reminder file and the state as they were, even missing.
        bool Settled() const;
        // Brings a list that may have moved on since the sync started up to
        // date: takes out exactly the records the sync replaced and puts in
        // what it brought, so an edit made meanwhile stays (and goes up
        // next time). Records are matched by content, as the state pairs
        // them with events: an addition the list already holds as often as
        // the sync's own list does is not made again, so applying it twice
        // changes nothing.
        void ApplyTo(std::vector<CReminder> &list) const;
        QJsonObject ToJson() const;
        // What the user may want to look at after a sync, as a list: the
        // events simplified or left out, and those changed on both sides.
        // Empty when there is nothing to say.
        QString Details() const;
    };

    explicit CSyncEngine(QObject *parent = nullptr);

    CCalDavClient &client() { return m_client; }

    // account: the collection's address or the server's; the state is the
    // one saved after the last sync (reset here when the account changed).
    void start(const QUrl &account, const QString &user, const QString &password,
               const std::vector<CReminder> &local, const CSyncState &state);
    bool running() const { return m_running; }

signals:
    void finished(const CSyncEngine::Outcome &outcome);

private:
    void discover(const QUrl &url, int step);
    void findCalendarIn(const QUrl &home);
    void listChanges();
    void listAll();
    void fetch();
    void fetchNext();
    void skipTooLarge(const QString &href, qint64 bytes);
    void merge();
    void runOps();
    void startOp(const CSyncPlan::Op &op);
    void fail(const CDavReply &reply, const QString &what);
    void fail(const QString &error);
    void finish();
    QUrl at(const QString &path) const;
    void accept(CSyncPlan &plan);
    // True for a listed resource of the collection on its server; any
    // other is noted as ignored.
    bool isOurs(const CDavResource &r, const QString &self);
    void ignore(const QString &href);
    static QString collectionPath(const QUrl &url);

    CCalDavClient m_client { nullptr };
    bool m_running = false;
    QUrl m_account;
    QString m_user;
    QUrl m_collection;
    Outcome m_out;
    std::vector<CReminder> m_given;
    CSyncPlan::Remote m_remote;
    QString m_newToken;
    std::vector<CSyncPlan::Op> m_ops;
    size_t m_nextOp = 0;
    int m_inFlight = 0;
    QHash<QString, qint64> m_lengths;  // href -> size the server gave
    std::vector<QStringList> m_batches; // still to fetch, the next last
    bool m_conflict = false;
    bool m_listingIncomplete = false;
    int m_round = 0;
};

Q_DECLARE_METATYPE(CSyncEngine::Outcome)
