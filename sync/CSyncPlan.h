#pragma once

#include "sync/CSyncIcs.h"
#include "sync/CSyncState.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <vector>

// The three-way merge of one sync round, with the last synced state as the
// base, each event paired with the reminders it maps to by their ids: a
// change on one side goes to the other, a deletion on one side deletes on
// the other whatever the other side did (a deleted reminder never comes
// back), edits of different fields on the two sides both
// stay, and only a field changed differently on both sides keeps the
// reminder in both versions (the file merge's rule, CReminderMerge). An
// event another program wrote is patched, never written anew. Pure: it
// decides, the engine carries it out.
class CSyncPlan
{
public:
    // The server's side of the round.
    struct Remote
    {
        QHash<QString, QByteArray> m_ETags;      // every event resource: href -> etag
        QHash<QString, CSyncEvent> m_Fetched;    // href -> event, for the changed and new ones
        QHash<QString, QString> m_Unreadable;    // href -> why
    };

    struct Op
    {
        enum Kind { Put, Delete };
        enum Count { Added, Changed, Acknowledged };
        Kind m_Kind = Put;
        Count m_Count = Added; // how the report counts a Put
        QString m_Uid;
        QString m_Href;
        QByteArray m_IfMatch;              // empty: create only
        QByteArray m_Body;                 // what goes up (Put)
        std::vector<CReminder> m_Records;  // what the event then maps to (Put)
        QByteArray m_Text;                 // the text to keep: another program's event
        // A meeting someone else organises: the server schedules nothing
        // for this request (Schedule-Reply: F, RFC 6638).
        bool m_NotOrganizer = false;
    };

    struct Counts
    {
        int m_Added = 0, m_Changed = 0, m_Deleted = 0, m_Acknowledged = 0;
    };

    // collection: the collection's path with a trailing "/", for new hrefs.
    // An entry of the state outside it is dropped, never touched: its
    // reminders here go up as new ones.
    void build(const std::vector<CReminder> &local, const CSyncState &state, const Remote &remote,
               const QString &collection);

    // The local list after the round (order as given, additions at the end).
    std::vector<CReminder> m_Local;
    // Records taken out of the given list and records put in, for a caller
    // whose list may have moved on meanwhile.
    std::vector<CReminder> m_Removed;
    std::vector<CReminder> m_Added;
    // The state as far as no request is needed; entries of Ops are updated
    // when they succeed.
    std::vector<CSyncEntry> m_Entries;
    std::vector<Op> m_Ops;

    // The account's own addresses, to tell meetings the user organises.
    QStringList m_OwnAddresses;

    Counts m_Received;
    int m_Conflicts = 0;
    QStringList m_Simplified; // "message: how"
    QStringList m_Skipped;    // "href: why"
    QStringList m_KeptHere;   // changes the server's event did not take: "message: what; why"
    QStringList m_Ignored;    // hrefs of the state outside the collection

private:
    static constexpr size_t kNone = size_t(-1);
    // One synced event as the two sides have it now.
    struct Sides
    {
        std::vector<CReminder> m_Base;  // of the reminders still here
        std::vector<CReminder> m_Mine;  // what they became here
        std::vector<size_t> m_Places;   // where they are in the local list
        bool m_PartlyGone = false;      // some of its reminders deleted here
        bool m_LocalChanged = false;
        const CSyncEvent *m_Fetched = nullptr; // the server's, when it changed
        bool m_ChangedThere = false;
        CSyncEntry m_Settled;           // the entry once the two agree
    };

    // The steps of build: pair the synced reminders with the local ones
    // (for each entry, the local place of each base reminder, or kNone),
    // settle each synced event, take the events new on the server, and
    // drop what was deleted.
    std::vector<std::vector<size_t>> pairWithBase(const std::vector<CReminder> &local,
                                                  std::vector<CSyncEntry> &entries);
    // The server's events with the ids of the reminders they are here.
    static Remote identify(const Remote &given, const std::vector<CSyncEntry> &entries);
    void settleSynced(const CSyncEntry &entry, const std::vector<size_t> &pairs, const std::vector<CReminder> &local,
                      const Remote &remote, const QString &collection);
    void settleGoneHere(const CSyncEntry &entry, const Sides &s, const Remote &remote);
    void settleOnBothSides(const CSyncEntry &entry, const Sides &s, const QString &collection);
    void keepBothVersions(const Sides &s, const std::vector<CReminder> &theirs, const QString &collection);
    void takeNewEvents(const std::vector<CReminder> &local, const Remote &remote, const QSet<QString> &knownHrefs);
    void dropGone();

    void removeLocal(size_t index);
    void replaceLocal(size_t index, const CReminder &record);
    // Returns the record as added: with an id no other local reminder has.
    CReminder addLocal(const CReminder &record);
    quint64 freeId(quint64 id);
    void noteSimplified(const CSyncEvent &event);
    void addNew(const CReminder &record, const QString &collection, qint64 length = 0);
    // Sends wanted (the reminders at the given local places) as the event
    // of settled, the server holding serverHas, and updates the local
    // reminders to what the event then says.
    void upload(const CSyncEntry &settled, const std::vector<CReminder> &serverHas,
                const std::vector<CReminder> &wanted, const std::vector<size_t> &places, bool answerOnly);

    std::vector<bool> m_Gone;
    std::vector<bool> m_Paired; // local reminders that belong to an event
    QSet<quint64> m_Ids;        // of the local reminders
};
