#include "sync/CSyncPlan.h"

#include "ical/CIcsFields.h"
#include "l10n/CNotes.h"
#include "model/CReminderIds.h"
#include "model/CSnooze.h"
#include "storage/CReminderMerge.h"
#include "sync/CDavMultiStatus.h"

#include <QSet>
#include <algorithm>
#include <QUrl>

namespace {

// When the alert was last answered: acknowledged, or snoozed.
COleDateTime answeredAt(const CReminder &r)
{
    const COleDateTime acknowledged = CSyncState::Acknowledged(r);
    if (acknowledged.GetStatus() == COleDateTime::valid || !CSnooze::IsSnoozed(r))
        return acknowledged;
    return r.m_LastShown;
}

// An answer belongs to one occurrence and one notice: it is another
// version's only while the time, the repeat and the notice are the same.
bool sameOccasion(const CReminder &a, const CReminder &b)
{
    return a.m_DateTime == b.m_DateTime && a.m_Recurrence == b.m_Recurrence
        && CIcsFields::NoticeMinutes(a.m_AdvanceNotice) == CIcsFields::NoticeMinutes(b.m_AdvanceNotice);
}

// The later answer to the alert wins on both sides; a snooze is an answer
// too, so an older acknowledgement does not end it. An answer to what was
// moved since is no answer to where it is now.
CReminder withLaterAnswer(CReminder record, const CReminder &other)
{
    if (!sameOccasion(record, other))
        return record;
    const COleDateTime mine = answeredAt(record);
    const COleDateTime theirs = answeredAt(other);
    if (theirs.GetStatus() == COleDateTime::valid && (mine.GetStatus() != COleDateTime::valid || theirs > mine)) {
        record.m_Shown = other.m_Shown;
        record.m_LastShown = other.m_LastShown;
        record.m_ReshowInterval = other.m_ReshowInterval;
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

void CSyncPlan::replaceLocal(size_t index, const CReminder &given)
{
    // Whatever the event says, it is the same reminder here.
    CReminder record = given;
    record.SetId(m_Local[index].Id());
    if (CReminder::SameRecord(m_Local[index], record))
        return;
    m_Removed.push_back(m_Local[index]);
    m_Added.push_back(record);
    m_Local[index] = record;
}

quint64 CSyncPlan::freeId(quint64 id)
{
    while (id == 0 || m_Ids.contains(id))
        id = CReminderIds::New();
    m_Ids.insert(id);
    return id;
}

CReminder CSyncPlan::addLocal(const CReminder &given)
{
    CReminder record = given;
    record.SetId(freeId(given.Id()));
    m_Added.push_back(record);
    m_Local.push_back(record);
    m_Gone.push_back(false);
    return record;
}

void CSyncPlan::noteSimplified(const CSyncEvent &event)
{
    if (event.m_Simplified && !event.m_Reminders.empty())
        m_Simplified << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(event.m_Reminders.front().GetFlatMessage(), event.m_SimplifiedHow);
}

void CSyncPlan::addNew(const CReminder &record, const QString &collection, qint64 length)
{
    Op op;
    op.m_Uid = CSyncIcs::NewUid();
    op.m_Href = hrefFor(collection, op.m_Uid);
    op.m_Body = CSyncIcs::Write(record, op.m_Uid, length);
    op.m_Records = { record };
    m_Ops.push_back(op);
}

void CSyncPlan::upload(const CSyncEntry &settled, const std::vector<CReminder> &serverHas,
                       const std::vector<CReminder> &wanted, const std::vector<size_t> &places, bool answerOnly)
{
    m_Entries.push_back(settled); // replaced when the upload succeeds
    Op op;
    op.m_Uid = settled.m_Uid;
    op.m_Href = settled.m_Href;
    op.m_IfMatch = settled.m_ETag;
    op.m_Count = answerOnly ? Op::Acknowledged : settled.m_ETag.isEmpty() ? Op::Added : Op::Changed;
    if (settled.m_Text.isEmpty()) {
        op.m_Body = CSyncIcs::Write(wanted.front(), settled.m_Uid);
        op.m_Records = { wanted.front() };
        m_Ops.push_back(op);
        return;
    }
    const CSyncPatch patch = CSyncIcs::Patch(settled.m_Text, serverHas, wanted, m_OwnAddresses);
    m_KeptHere += patch.m_KeptHere;
    QString error = patch.m_Error;
    op.m_Body = patch.m_Text;
    op.m_NotOrganizer = patch.m_NotOrganizer;
    CSyncEvent after;
    if (op.m_Body.isEmpty() || !CSyncIcs::Read(op.m_Body, after, error)) {
        m_Skipped << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(settled.m_Href, error);
        return;
    }
    if (op.m_Body == settled.m_Text)
        return; // nothing the event can hold changed (a snooze stays here)
    op.m_Text = op.m_Body;
    if (!patch.m_Edited)
        op.m_Count = Op::Acknowledged;
    // The event's own say after the patch: a daily rule's new title on
    // every weekday, with this computer's shown state. Here the changes the
    // event did not take stay as they were made.
    op.m_Records = after.m_Reminders;
    if (op.m_Records.size() == wanted.size()) {
        for (size_t k = 0; k < wanted.size(); ++k) {
            op.m_Records[k].SetId(wanted[k].Id());
            op.m_Records[k].m_Shown = wanted[k].m_Shown;
            op.m_Records[k].m_LastShown = wanted[k].m_LastShown;
            op.m_Records[k].m_ReshowInterval = wanted[k].m_ReshowInterval;
            CReminder here = op.m_Records[k];
            if (patch.m_StartKept)
                here.m_DateTime = wanted[k].m_DateTime;
            if (patch.m_MessageKept)
                here.m_Message = wanted[k].m_Message;
            if (patch.m_NoticeKept)
                here.m_AdvanceNotice = wanted[k].m_AdvanceNotice;
            if (patch.m_RepeatKept)
                here.m_Recurrence = wanted[k].m_Recurrence;
            if (patch.m_PrivacyKept)
                here.m_Private = wanted[k].m_Private;
            replaceLocal(places[k], here);
        }
    } else {
        for (size_t place : places)
            removeLocal(place);
        for (CReminder &r : op.m_Records)
            r = addLocal(r);
    }
    m_Ops.push_back(op);
}

namespace {

bool sameContent(const std::vector<CReminder> &a, const std::vector<CReminder> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!CReminder::SameContent(a[i], b[i]))
            return false;
    return true;
}

} // namespace

void CSyncPlan::build(const std::vector<CReminder> &local, const CSyncState &state, const Remote &given,
                      const QString &collection)
{
    m_Local = local;
    m_Gone.assign(local.size(), false);
    m_Ids.clear();
    for (const CReminder &r : local)
        m_Ids.insert(r.Id());
    std::vector<CSyncEntry> entries;
    for (const CSyncEntry &e : state.m_Entries)
        if (CDavMultiStatus::IsBelow(e.m_Href, collection))
            entries.push_back(e);
        else
            m_Ignored << e.m_Href;
    const std::vector<std::vector<size_t>> pairs = pairWithBase(local, entries);
    const Remote remote = identify(given, entries);
    QSet<QString> knownHrefs;
    for (size_t e = 0; e < entries.size(); ++e) {
        knownHrefs.insert(entries[e].m_Href);
        settleSynced(entries[e], pairs[e], local, remote, collection);
    }
    takeNewEvents(local, remote, knownHrefs);
    // Reminders new here.
    for (size_t i = 0; i < local.size(); ++i)
        if (!m_Paired[i])
            addNew(local[i], collection);
    dropGone();
}

std::vector<std::vector<size_t>> CSyncPlan::pairWithBase(const std::vector<CReminder> &local,
                                                         std::vector<CSyncEntry> &entries)
{
    // Each reminder of each synced event is the local reminder with its id.
    std::vector<std::vector<size_t>> pairOf(entries.size());
    m_Paired.assign(local.size(), false);
    QHash<quint64, size_t> placeOf;
    placeOf.reserve(qsizetype(local.size()));
    for (size_t i = 0; i < local.size(); ++i)
        placeOf.insert(local[i].Id(), i);
    for (size_t e = 0; e < entries.size(); ++e) {
        pairOf[e].assign(entries[e].m_Base.size(), kNone);
        for (size_t k = 0; k < entries[e].m_Base.size(); ++k) {
            const auto at = placeOf.constFind(entries[e].m_Base[k].Id());
            if (entries[e].m_Base[k].Id() != 0 && at != placeOf.cend() && !m_Paired[*at]) {
                pairOf[e][k] = *at;
                m_Paired[*at] = true;
            }
        }
    }
    // A state kept before reminders had ids names them by content alone:
    // an unchanged reminder takes its entry over once, with its id.
    for (size_t e = 0; e < entries.size(); ++e)
        for (size_t k = 0; k < entries[e].m_Base.size(); ++k) {
            CReminder &base = entries[e].m_Base[k];
            if (base.Id() != 0)
                continue;
            for (size_t i = 0; i < local.size(); ++i)
                if (!m_Paired[i] && CReminder::SameContent(base, local[i])) {
                    pairOf[e][k] = i;
                    m_Paired[i] = true;
                    base.SetId(local[i].Id());
                    break;
                }
        }
    return pairOf;
}

CSyncPlan::Remote CSyncPlan::identify(const Remote &given, const std::vector<CSyncEntry> &entries)
{
    // Another program's event names no reminder of ours: the reminders of
    // a synced event are the ones its entry names, in the event's order.
    Remote remote = given;
    for (const CSyncEntry &e : entries) {
        const auto it = remote.m_Fetched.find(e.m_Href);
        if (it == remote.m_Fetched.end())
            continue;
        std::vector<CReminder> &fetched = it->m_Reminders;
        for (size_t k = 0; k < fetched.size(); ++k)
            if (k < e.m_Base.size() && e.m_Base[k].Id() != 0)
                fetched[k].SetId(e.m_Base[k].Id());
    }
    return remote;
}

void CSyncPlan::settleSynced(const CSyncEntry &entry, const std::vector<size_t> &pairs,
                             const std::vector<CReminder> &local, const Remote &remote, const QString &collection)
{
    // This side: the reminders still here, with the base they came from.
    Sides s;
    for (size_t k = 0; k < entry.m_Base.size(); ++k)
        if (pairs[k] != kNone) {
            s.m_Base.push_back(entry.m_Base[k]);
            s.m_Mine.push_back(local[pairs[k]]);
            s.m_Places.push_back(pairs[k]);
        }
    const bool localGone = s.m_Places.empty();
    s.m_PartlyGone = !localGone && s.m_Places.size() < entry.m_Base.size();
    s.m_LocalChanged = s.m_PartlyGone || !sameContent(s.m_Base, s.m_Mine);
    const bool remoteGone = !remote.m_ETags.contains(entry.m_Href);
    const bool remoteChanged = !remoteGone && remote.m_ETags.value(entry.m_Href) != entry.m_ETag;
    const auto found = remote.m_Fetched.constFind(entry.m_Href);

    if (remoteChanged && found == remote.m_Fetched.cend()) {
        // Changed there but unreadable or not fetched: leave both sides
        // alone and try again next time.
        m_Skipped << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(entry.m_Href,
                                                  remote.m_Unreadable.value(entry.m_Href, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "not fetched"))));
        m_Entries.push_back(entry);
        return;
    }
    s.m_Fetched = !remoteGone && found != remote.m_Fetched.cend() ? &found.value() : nullptr;
    s.m_ChangedThere = s.m_Fetched && !sameContent(entry.m_Base, s.m_Fetched->m_Reminders);
    s.m_Settled = entry;
    if (s.m_Fetched) {
        s.m_Settled.m_ETag = remote.m_ETags.value(entry.m_Href);
        s.m_Settled.m_Base = s.m_Fetched->m_Reminders;
        s.m_Settled.m_Text = s.m_Fetched->m_Text;
        s.m_Settled.m_Simplified = s.m_Fetched->m_Simplified;
    }

    if (localGone) {
        if (!remoteGone)
            settleGoneHere(entry, s, remote);
        return;
    }
    if (s.m_PartlyGone) {
        // A day of a daily rule deleted here: the rule there stays whole.
        m_Simplified << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: deleted here; the calendar's event still holds it"))
                            .arg(entry.m_Base.front().GetFlatMessage());
        s.m_Settled.m_Base = s.m_Base;
    }
    if (remoteGone) {
        // Deleted on the server: deleted here, even when changed here.
        for (size_t place : s.m_Places)
            removeLocal(place);
        ++m_Received.m_Deleted;
        return;
    }
    settleOnBothSides(entry, s, collection);
}

void CSyncPlan::settleGoneHere(const CSyncEntry &entry, const Sides &s, const Remote &remote)
{
    // Deleted here: deleted there too, whatever the server's copy became
    // meanwhile (a reminder deleted never comes back).
    if (s.m_ChangedThere)
        m_Simplified << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: deleted here; the calendar's later change to it was not taken"))
                            .arg(s.m_Fetched->m_Reminders.empty() ? entry.m_Uid
                                                                  : s.m_Fetched->m_Reminders.front().GetFlatMessage());
    Op op;
    op.m_Kind = Op::Delete;
    op.m_Uid = entry.m_Uid;
    op.m_Href = entry.m_Href;
    op.m_IfMatch = remote.m_ETags.value(entry.m_Href);
    op.m_NotOrganizer = CSyncIcs::OrganisedByOthers(entry.m_Text, m_OwnAddresses);
    m_Ops.push_back(op);
    m_Entries.push_back(entry); // dropped when the deletion succeeds
}

void CSyncPlan::settleOnBothSides(const CSyncEntry &entry, const Sides &s, const QString &collection)
{
    const std::vector<CReminder> &theirs = s.m_Fetched ? s.m_Fetched->m_Reminders : entry.m_Base;
    std::vector<CReminder> wanted = s.m_Mine;
    bool agreed = !s.m_LocalChanged || (s.m_ChangedThere && sameContent(s.m_Mine, theirs));
    if (!agreed && s.m_ChangedThere) {
        // Changed on both sides: field by field, as the file merge does.
        bool merged = !s.m_PartlyGone && theirs.size() == s.m_Base.size();
        for (size_t k = 0; merged && k < s.m_Base.size(); ++k)
            merged = CReminderMerge::MergeFields(s.m_Base[k], s.m_Mine[k], theirs[k], wanted[k]);
        ++m_Received.m_Changed;
        noteSimplified(*s.m_Fetched);
        if (!merged) {
            keepBothVersions(s, theirs, collection);
            return;
        }
        agreed = sameContent(wanted, theirs);
        for (size_t k = 0; k < s.m_Places.size(); ++k)
            replaceLocal(s.m_Places[k], wanted[k]);
    }
    if (!agreed) {
        for (size_t k = 0; k < wanted.size() && k < theirs.size(); ++k)
            wanted[k] = withLaterAnswer(wanted[k], theirs[k]);
        upload(s.m_Settled, s.m_ChangedThere ? theirs : s.m_Base, wanted, s.m_Places, false);
        return;
    }

    // Same content on both sides now; only the shown state may differ.
    if (s.m_ChangedThere) {
        ++m_Received.m_Changed;
        noteSimplified(*s.m_Fetched);
    }
    bool answeredHere = false;
    for (size_t k = 0; k < s.m_Places.size() && k < theirs.size(); ++k) {
        CReminder merged = withLaterAnswer(s.m_ChangedThere ? theirs[k] : s.m_Mine[k], s.m_Mine[k]);
        merged = withLaterAnswer(merged, theirs[k]);
        if (s.m_Fetched && !CReminder::SameRecord(withLaterAnswer(s.m_Mine[k], theirs[k]), s.m_Mine[k]))
            ++m_Received.m_Acknowledged;
        answeredHere = answeredHere || acknowledgedLater(merged, theirs[k]);
        wanted[k] = merged;
        replaceLocal(s.m_Places[k], merged);
    }
    if (answeredHere)
        upload(s.m_Settled, theirs, wanted, s.m_Places, true);
    else
        m_Entries.push_back(s.m_Settled);
}

void CSyncPlan::keepBothVersions(const Sides &s, const std::vector<CReminder> &theirs, const QString &collection)
{
    // The same field changed differently: both versions stay. The server's
    // keeps the UID; this one goes up as a new event.
    ++m_Conflicts;
    for (size_t k = 0; k < s.m_Places.size(); ++k) {
        if (!CReminder::SameContent(s.m_Mine[k], s.m_Base[k])) {
            // A copy with an id of its own, as long as the event it comes from.
            CReminder copy = s.m_Mine[k];
            copy.SetId(CReminderIds::DerivedFrom(copy.Id(), copy));
            addNew(addLocal(copy), collection, CSyncIcs::Length(s.m_Settled.m_Text));
        }
        if (k < theirs.size())
            replaceLocal(s.m_Places[k], withLaterAnswer(theirs[k], s.m_Mine[k]));
        else
            removeLocal(s.m_Places[k]);
    }
    for (size_t k = s.m_Places.size(); k < theirs.size(); ++k)
        addLocal(theirs[k]);
    m_Entries.push_back(s.m_Settled);
}

void CSyncPlan::takeNewEvents(const std::vector<CReminder> &local, const Remote &remote,
                              const QSet<QString> &knownHrefs)
{
    // Events new on the server. One that names reminders held here (by
    // the ids this program wrote into it) is theirs: an upload whose answer
    // was lost, or the first sync of a copy of the same file.
    QStringList newHrefs;
    for (auto it = remote.m_ETags.cbegin(); it != remote.m_ETags.cend(); ++it)
        if (!knownHrefs.contains(it.key()))
            newHrefs << it.key();
    newHrefs.sort();
    QHash<quint64, size_t> placeOf;
    for (size_t i = 0; i < local.size(); ++i)
        if (!m_Paired[i])
            placeOf.insert(local[i].Id(), i);
    for (const QString &href : newHrefs) {
        if (!remote.m_Fetched.contains(href)) {
            m_Skipped << CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "%1: %2")).arg(href, remote.m_Unreadable.value(href, CNotes::Note(QT_TRANSLATE_NOOP("CNotes", "not fetched"))));
            continue;
        }
        CSyncEvent event = remote.m_Fetched.value(href);
        std::vector<size_t> matches;
        for (const CReminder &r : event.m_Reminders) {
            const auto at = placeOf.constFind(r.Id());
            if (r.Id() != 0 && at != placeOf.cend() && !m_Paired[*at])
                matches.push_back(*at);
        }
        if (!event.m_Reminders.empty() && matches.size() == event.m_Reminders.size()) {
            for (size_t k = 0; k < matches.size(); ++k) {
                m_Paired[matches[k]] = true;
                replaceLocal(matches[k], withLaterAnswer(local[matches[k]], event.m_Reminders[k]));
            }
        } else {
            for (CReminder &r : event.m_Reminders)
                r = addLocal(r);
            ++m_Received.m_Added;
            noteSimplified(event);
        }
        m_Entries.push_back({ event.m_Uid, href, remote.m_ETags.value(href), event.m_Reminders, event.m_Text,
                              event.m_Simplified });
    }
}

void CSyncPlan::dropGone()
{
    std::vector<CReminder> kept;
    kept.reserve(m_Local.size());
    for (size_t i = 0; i < m_Local.size(); ++i)
        if (!m_Gone[i])
            kept.push_back(m_Local[i]);
    m_Local = std::move(kept);
}
