#pragma once

#include "sync/CSyncIcs.h"
#include "sync/CSyncState.h"

#include <QHash>
#include <QString>
#include <vector>

// The three-way merge of one sync round, with the last synced state as the
// base: a change on one side goes to the other, a deletion on one side
// deletes on the other unless the other side changed it (a change is never
// lost to a deletion), edits of different fields on the two sides both
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
    };

    struct Counts
    {
        int m_Added = 0, m_Changed = 0, m_Deleted = 0, m_Acknowledged = 0;
    };

    // collection: the collection's path with a trailing "/", for new hrefs.
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

    Counts m_Received;
    int m_Conflicts = 0;
    QStringList m_Simplified; // "message: how"
    QStringList m_Skipped;    // "href: why"

private:
    void removeLocal(size_t index);
    void replaceLocal(size_t index, const CReminder &record);
    void addLocal(const CReminder &record);
    void noteSimplified(const CSyncEvent &event);
    void addNew(const CReminder &record, const QString &collection);
    // Sends wanted (the reminders at the given local places) as the event
    // of settled, the server holding serverHas, and updates the local
    // reminders to what the event then says.
    void upload(const CSyncEntry &settled, const std::vector<CReminder> &serverHas,
                const std::vector<CReminder> &wanted, const std::vector<size_t> &places, bool answerOnly);

    std::vector<bool> m_Gone;
};
