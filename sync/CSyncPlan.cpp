#include "sync/CSyncPlan.h"

#include <QSet>
#include <QUrl>

namespace {

// The later of two answered alerts wins on both sides.
CReminder withLaterAcknowledgement(CReminder record, const CReminder &other)
{
    const COleDateTime mine = CSyncState::Acknowledged(record);
    const COleDateTime theirs = CSyncState::Acknowledged(other);
    if (theirs.GetStatus() == COleDateTime::valid
        && (mine.GetStatus() != COleDateTime::valid || theirs > mine)) {
        record.m_Shown = true;
        record.m_LastShown = theirs;
    }
    return record;
}

bool acknowledgedLater(const CReminder &a, const CReminder &b)
{
    const COleDateTime x = CSyncState::Acknowledged(a);
    const COleDateTime y = CSyncState::Acknowledged(b);
    return x.GetStatus() == COleDateTime::valid
        && (y.GetStatus() != COleDateTime::valid || x.Linear() - y.Linear() > 1.0 / 86400.0);
}

QString hrefFor(const QString &collection, const QString &uid)
{
    QString name = uid;
    for (QChar &c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('-') && c != QLatin1Char('_')
            && c != QLatin1Char('.') && c != QLatin1Char('@'))
            c = QLatin1Char('_');
    return collection + name + QStringLiteral(".ics");
}

} // namespace

void CSyncPlan::removeLocal(size_t index)
{
    m_Removed.push_back(m_Local[index]);
    m_Gone[index] = true;
}

void CSyncPlan::replaceLocal(size_t index, const CReminder &record)
{
    if (CSyncState::SameRecord(m_Local[index], record))
        return;
    m_Removed.push_back(m_Local[index]);
    m_Added.push_back(record);
    m_Local[index] = record;
}

void CSyncPlan::addLocal(const CReminder &record)
{
    m_Added.push_back(record);
    m_Local.push_back(record);
    m_Gone.push_back(false);
}

void CSyncPlan::noteSimplified(const CSyncEvent &event)
{
    if (event.m_Simplified)
        m_Simplified << QStringLiteral("%1: %2").arg(event.m_Reminder.GetFlatMessage(), event.m_SimplifiedHow);
}

void CSyncPlan::build(const std::vector<CReminder> &local, const CSyncState &state, const Remote &remote,
                      const QString &collection)
{
    m_Local = local;
    m_Gone.assign(local.size(), false);
    const size_t localCount = local.size();
    constexpr size_t kNone = size_t(-1);

    // Pair each synced entry with the reminder it became here: unchanged
    // first, then one edited in its wording or in its time.
    std::vector<size_t> pairOf(state.m_Entries.size(), kNone);
    std::vector<bool> paired(localCount, false);
    auto pairPass = [&](auto same) {
        for (size_t e = 0; e < state.m_Entries.size(); ++e) {
            if (pairOf[e] != kNone)
                continue;
            for (size_t i = 0; i < localCount; ++i)
                if (!paired[i] && same(state.m_Entries[e].m_Base, local[i])) {
                    pairOf[e] = i;
                    paired[i] = true;
                    break;
                }
        }
    };
    pairPass([](const CReminder &b, const CReminder &l) { return CSyncState::SameContent(b, l); });
    pairPass([](const CReminder &b, const CReminder &l) {
        return b.m_Message == l.m_Message && b.m_Recurrence == l.m_Recurrence;
    });
    pairPass([](const CReminder &b, const CReminder &l) {
        return b.m_DateTime == l.m_DateTime && b.m_Recurrence == l.m_Recurrence;
    });

    QSet<QString> knownHrefs;
    for (size_t e = 0; e < state.m_Entries.size(); ++e) {
        const CSyncEntry &entry = state.m_Entries[e];
        knownHrefs.insert(entry.m_Href);
        const size_t li = pairOf[e];
        const bool localGone = li == kNone;
        const bool localChanged = !localGone && !CSyncState::SameContent(entry.m_Base, local[li]);
        const bool remoteGone = !remote.m_ETags.contains(entry.m_Href);
        const bool remoteChanged = !remoteGone && remote.m_ETags.value(entry.m_Href) != entry.m_ETag;

        if (remoteChanged && !remote.m_Fetched.contains(entry.m_Href)) {
            // Changed there but unreadable or not fetched: leave both sides
            // alone and try again next time.
            m_Skipped << QStringLiteral("%1: %2").arg(entry.m_Href,
                                                      remote.m_Unreadable.value(entry.m_Href, QStringLiteral("not fetched")));
            m_Entries.push_back(entry);
            continue;
        }
        const auto found = remote.m_Fetched.constFind(entry.m_Href);
        const CSyncEvent *fetched = remoteChanged && found != remote.m_Fetched.cend() ? &found.value() : nullptr;
        const bool contentChangedThere = fetched && !CSyncState::SameContent(entry.m_Base, fetched->m_Reminder);

        if (localGone) {
            if (remoteGone)
                continue;
            if (contentChangedThere) {
                addLocal(fetched->m_Reminder);
                ++m_Received.m_Added;
                noteSimplified(*fetched);
                m_Entries.push_back({ entry.m_Uid, entry.m_Href, remote.m_ETags.value(entry.m_Href),
                                      fetched->m_Reminder, fetched->m_Simplified });
                continue;
            }
            Op op;
            op.m_Kind = Op::Delete;
            op.m_Uid = entry.m_Uid;
            op.m_Href = entry.m_Href;
            op.m_IfMatch = remote.m_ETags.value(entry.m_Href);
            m_Ops.push_back(op);
            m_Entries.push_back(entry); // dropped when the deletion succeeds
            continue;
        }

        const CReminder &mine = local[li];
        if (remoteGone) {
            if (localChanged) {
                Op op;
                op.m_Uid = entry.m_Uid;
                op.m_Href = entry.m_Href;
                op.m_Record = mine;
                m_Ops.push_back(op);
            } else {
                removeLocal(li);
                ++m_Received.m_Deleted;
            }
            continue;
        }

        CSyncEntry settled = entry;
        CReminder theirs = fetched ? fetched->m_Reminder : entry.m_Base;
        if (fetched) {
            settled.m_ETag = remote.m_ETags.value(entry.m_Href);
            settled.m_Base = fetched->m_Reminder;
            settled.m_Simplified = fetched->m_Simplified;
        }
        if (localChanged && contentChangedThere && !CSyncState::SameContent(mine, theirs)) {
            // Changed differently on both sides: both versions stay. The
            // server's keeps the UID, this one goes up as a new event.
            ++m_Conflicts;
            replaceLocal(li, withLaterAcknowledgement(theirs, entry.m_Base));
            addLocal(mine);
            ++m_Received.m_Changed;
            noteSimplified(*fetched);
            m_Entries.push_back(settled);
            Op op;
            op.m_Uid = CSyncIcs::NewUid();
            op.m_Href = hrefFor(collection, op.m_Uid);
            op.m_Record = mine;
            m_Ops.push_back(op);
            continue;
        }
        if (localChanged && !(contentChangedThere && CSyncState::SameContent(mine, theirs))) {
            Op op;
            op.m_Uid = entry.m_Uid;
            op.m_Href = entry.m_Href;
            op.m_IfMatch = settled.m_ETag;
            op.m_Record = withLaterAcknowledgement(mine, theirs);
            if (!CSyncState::SameRecord(op.m_Record, mine))
                replaceLocal(li, op.m_Record);
            m_Entries.push_back(settled); // replaced when the upload succeeds
            m_Ops.push_back(op);
            continue;
        }
        // Same content on both sides now; only the shown state may differ.
        CReminder merged = withLaterAcknowledgement(contentChangedThere ? theirs : mine, mine);
        merged = withLaterAcknowledgement(merged, theirs);
        if (contentChangedThere) {
            ++m_Received.m_Changed;
            noteSimplified(*fetched);
        }
        replaceLocal(li, merged);
        m_Entries.push_back(settled);
        if (acknowledgedLater(merged, theirs) && !settled.m_Simplified) {
            Op op;
            op.m_Uid = entry.m_Uid;
            op.m_Href = entry.m_Href;
            op.m_IfMatch = settled.m_ETag;
            op.m_Record = merged;
            op.m_Local = false;
            m_Ops.push_back(op);
        }
    }

    // Events new on the server: one that matches a reminder new here is the
    // same reminder (an upload whose answer was lost, or a first sync).
    QStringList newHrefs;
    for (auto it = remote.m_ETags.cbegin(); it != remote.m_ETags.cend(); ++it)
        if (!knownHrefs.contains(it.key()))
            newHrefs << it.key();
    newHrefs.sort();
    for (const QString &href : newHrefs) {
        if (!remote.m_Fetched.contains(href)) {
            m_Skipped << QStringLiteral("%1: %2").arg(href, remote.m_Unreadable.value(href, QStringLiteral("not fetched")));
            continue;
        }
        const CSyncEvent event = remote.m_Fetched.value(href);
        size_t match = kNone;
        for (size_t i = 0; i < localCount; ++i)
            if (!paired[i] && CSyncState::SameContent(local[i], event.m_Reminder)) {
                match = i;
                break;
            }
        m_Entries.push_back({ event.m_Uid, href, remote.m_ETags.value(href), event.m_Reminder, event.m_Simplified });
        if (match != kNone) {
            paired[match] = true;
            replaceLocal(match, withLaterAcknowledgement(local[match], event.m_Reminder));
            continue;
        }
        addLocal(event.m_Reminder);
        ++m_Received.m_Added;
        noteSimplified(event);
    }

    // Reminders new here.
    for (size_t i = 0; i < localCount; ++i) {
        if (paired[i])
            continue;
        Op op;
        op.m_Uid = CSyncIcs::NewUid();
        op.m_Href = hrefFor(collection, op.m_Uid);
        op.m_Record = local[i];
        m_Ops.push_back(op);
    }

    std::vector<CReminder> kept;
    kept.reserve(m_Local.size());
    for (size_t i = 0; i < m_Local.size(); ++i)
        if (!m_Gone[i])
            kept.push_back(m_Local[i]);
    m_Local = std::move(kept);
}
