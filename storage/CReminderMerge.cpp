#include "storage/CReminderMerge.h"

#include "model/CReminderIds.h"
#include "model/CReminderList.h"
#include "storage/CReminderTombstones.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// Equal values, and a not-a-number equal to itself, so that a record
// always matches its own copy.
bool sameDouble(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
bool sameDate(const COleDateTime &a, const COleDateTime &b)
{
    return a.GetStatus() == b.GetStatus() && sameDouble(a.GetValue(), b.GetValue());
}
bool sameSpan(const COleDateTimeSpan &a, const COleDateTimeSpan &b)
{
    return a.GetStatus() == b.GetStatus() && sameDouble(a.GetValue(), b.GetValue());
}

bool sameShown(const CReminder &a, const CReminder &b)
{
    return a.m_Shown == b.m_Shown && sameDate(a.m_LastShown, b.m_LastShown)
        && sameSpan(a.m_ReshowInterval, b.m_ReshowInterval);
}

void takeShown(CReminder &to, const CReminder &from)
{
    to.m_Shown = from.m_Shown;
    to.m_LastShown = from.m_LastShown;
    to.m_ReshowInterval = from.m_ReshowInterval;
}

// One field of the three-way merge: false when both sides changed it to
// different values.
template <typename T, typename Same>
bool mergeField(T CReminder::*field, const CReminder &base, const CReminder &ours, const CReminder &theirs,
                CReminder &merged, Same same)
{
    if (same(ours.*field, theirs.*field) || same(theirs.*field, base.*field))
        return true;
    if (same(ours.*field, base.*field)) {
        merged.*field = theirs.*field;
        return true;
    }
    return false;
}

bool isPlaceholder(const CReminder &r)
{
    static const CReminder defaults;
    return CReminder::SameRecord(r, defaults);
}

using Index = std::unordered_map<quint64, const CReminder *>;

Index indexById(const std::vector<CReminder> &list)
{
    Index index;
    index.reserve(list.size());
    for (const CReminder &r : list)
        index.try_emplace(r.Id(), &r);
    return index;
}

const CReminder *find(const Index &index, quint64 id)
{
    const auto it = index.find(id);
    return it == index.end() ? nullptr : it->second;
}

} // namespace

bool CReminderMerge::SameWhen(const CReminder &a, const CReminder &b)
{
    return sameDate(a.m_DateTime, b.m_DateTime) && a.m_Recurrence == b.m_Recurrence
        && sameSpan(a.m_AdvanceNotice, b.m_AdvanceNotice);
}

void CReminderMerge::MergeShownState(const CReminder &base, const CReminder &ours, const CReminder &theirs,
                                     CReminder &merged)
{
    const bool oursMoved = !SameWhen(base, ours);
    const bool theirsMoved = !SameWhen(base, theirs);
    if (oursMoved != theirsMoved) {
        takeShown(merged, oursMoved ? ours : theirs);
        return;
    }
    const bool oursAsBase = sameShown(ours, base);
    const bool theirsAsBase = sameShown(theirs, base);
    if (oursAsBase && !theirsAsBase)
        takeShown(merged, theirs);
    else if (!oursAsBase && !theirsAsBase && ours.m_LastShown < theirs.m_LastShown)
        takeShown(merged, theirs);
    else
        takeShown(merged, ours);
}

bool CReminderMerge::MergeFields(const CReminder &base, const CReminder &ours, const CReminder &theirs,
                                 CReminder &merged)
{
    // Every stored field but the id (m_ReservedSpan with m_ReservedFlag2,
    // the pairing key) and the shown state, which follows its own rule.
    merged = ours;
    const auto eq = [](const auto &a, const auto &b) { return a == b; };
    bool ok = mergeField(&CReminder::m_DateTime, base, ours, theirs, merged, sameDate);
    ok = mergeField(&CReminder::m_AdvanceNotice, base, ours, theirs, merged, sameSpan) && ok;
    ok = mergeField(&CReminder::m_IconNumber, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Message, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Recurrence, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Private, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_ReservedFlag, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_SoundFileName, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_IconName, base, ours, theirs, merged, eq) && ok;
    if (!ok) {
        merged = ours;
        return false;
    }
    MergeShownState(base, ours, theirs, merged);
    return true;
}

CReminderMergeResult CReminderMerge::Merge(const std::vector<CReminder> &base, const std::vector<CReminder> &ours,
                                           const std::vector<CReminder> &theirs, TheirsState state,
                                           const CReminderTombstones *deleted)
{
    CReminderMergeResult result;
    result.m_TheirsDamaged = state == TheirsDamaged;
    const Index baseIds = indexById(base);
    const Index oursIds = indexById(ours);
    const Index theirsIds = indexById(theirs);
    const auto gone = [&](quint64 id) { return deleted && deleted->Contains(id); };
    result.m_Merged.reserve(std::max(ours.size(), theirs.size()));

    for (const CReminder &o : ours) {
        const quint64 id = o.Id();
        if (find(oursIds, id) != &o)
            continue; // a second copy of an id: the list gives it its own
        const CReminder *b = find(baseIds, id);
        const CReminder *t = find(theirsIds, id);
        if (gone(id) || (b && !t && !result.m_TheirsDamaged)) {
            ++result.m_RemovedByTheirs; // deleted on the other side
            continue;
        }
        if (!t) {
            result.m_Merged.push_back(o); // ours added it (or theirs lost it)
            continue;
        }
        CReminder merged;
        // Added on both sides under one id (both derived it from the same
        // record): the two copies are each other's base.
        const CReminder &from = b ? *b : o;
        if (CReminderMerge::MergeFields(from, o, *t, merged)) {
            if (!CReminder::SameRecord(merged, o))
                ++result.m_TakenFromTheirs;
            result.m_Merged.push_back(std::move(merged));
        } else {
            ++result.m_Conflicts;
            result.m_Merged.push_back(o);
            CReminder copy = *t;
            copy.SetId(CReminderIds::DerivedFrom(id, *t));
            result.m_Merged.push_back(std::move(copy));
            ++result.m_TakenFromTheirs;
        }
    }
    for (const CReminder &t : theirs) {
        const quint64 id = t.Id();
        if (find(theirsIds, id) != &t || find(oursIds, id) || find(baseIds, id) || gone(id))
            continue; // paired above, or deleted here
        if (result.m_TheirsDamaged && isPlaceholder(t))
            continue;
        result.m_Merged.push_back(t);
        ++result.m_TakenFromTheirs;
    }
    std::stable_sort(result.m_Merged.begin(), result.m_Merged.end(), [](const CReminder &a, const CReminder &b) {
        return CReminderList::SortKey(a.m_DateTime) < CReminderList::SortKey(b.m_DateTime);
    });
    return result;
}
