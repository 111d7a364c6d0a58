#include "storage/CReminderMerge.h"

#include "model/CReminderList.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <unordered_map>

namespace {

// Equal values, and a not-a-number equal to itself, so that a record
// always matches its own copy.
bool sameDouble(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }
bool sameDate(const COleDateTime &a, const COleDateTime &b)
{
    return a.GetStatus() == b.GetStatus() && sameDouble(a.GetValue(), b.GetValue());
}

size_t hashDouble(double v)
{
    if (std::isnan(v))
        return 0x7ff8;
    if (v == 0.0)
        v = 0.0; // -0.0 compares equal to 0.0
    quint64 bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return qHash(bits);
}

// Hash over the content fields only, so that a record and its copy with
// another shown state land in the same bucket family.
size_t contentHash(const CReminder &r)
{
    size_t h = qHash(r.m_Message);
    h = h * 31 + hashDouble(r.m_DateTime.GetValue());
    h = h * 31 + r.m_Recurrence;
    h = h * 31 + qHash(r.m_IconName);
    return h;
}

struct RecordRef
{
    const CReminder *m_R = nullptr;
    bool operator==(const RecordRef &o) const { return CReminder::SameRecord(*m_R, *o.m_R); }
};
struct RecordHash
{
    size_t operator()(const RecordRef &k) const
    {
        return contentHash(*k.m_R) * 3 + (k.m_R->m_Shown ? 1 : 0) + hashDouble(k.m_R->m_LastShown.GetValue());
    }
};

struct Counts
{
    int m_Base = 0;
    int m_Ours = 0;
    int m_Theirs = 0;
    int m_Result = 0;
    bool m_Changed = false; // differs from base on some side
};

bool isPlaceholder(const CReminder &r)
{
    static const CReminder defaults;
    return CReminder::SameRecord(r, defaults);
}

bool looksLike(const CReminder &a, const CReminder &b)
{
    return a.m_Message == b.m_Message || sameDate(a.m_DateTime, b.m_DateTime);
}

} // namespace

namespace {

bool sameSpan(const COleDateTimeSpan &a, const COleDateTimeSpan &b)
{
    return a.GetStatus() == b.GetStatus() && (a.GetValue() == b.GetValue() || (std::isnan(a.GetValue()) && std::isnan(b.GetValue())));
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

} // namespace

bool CReminderMerge::MergeFields(const CReminder &base, const CReminder &ours, const CReminder &theirs,
                                 CReminder &merged)
{
    merged = ours;
    const auto eq = [](const auto &a, const auto &b) { return a == b; };
    bool ok = mergeField(&CReminder::m_DateTime, base, ours, theirs, merged, sameDate);
    ok = mergeField(&CReminder::m_AdvanceNotice, base, ours, theirs, merged, sameSpan) && ok;
    ok = mergeField(&CReminder::m_IconNumber, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Message, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Recurrence, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_Private, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_ReservedFlag, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_ReservedSpan, base, ours, theirs, merged, sameSpan) && ok;
    ok = mergeField(&CReminder::m_SoundFileName, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_IconName, base, ours, theirs, merged, eq) && ok;
    ok = mergeField(&CReminder::m_ReservedFlag2, base, ours, theirs, merged, eq) && ok;
    const bool oursShownAsBase = ours.m_Shown == base.m_Shown && sameDate(ours.m_LastShown, base.m_LastShown)
        && sameSpan(ours.m_ReshowInterval, base.m_ReshowInterval);
    if (oursShownAsBase) {
        merged.m_Shown = theirs.m_Shown;
        merged.m_LastShown = theirs.m_LastShown;
        merged.m_ReshowInterval = theirs.m_ReshowInterval;
    }
    if (!ok)
        merged = ours;
    return ok;
}

namespace {

// The distinct records of the three lists in first-seen order (base, then
// ours, then theirs), with how many copies of each every list holds.
struct Tally
{
    std::vector<const CReminder *> m_Distinct;
    std::vector<Counts> m_Counts;
};

// Pair: each record with its copies on the three sides.
Tally countCopies(const std::vector<CReminder> &base, const std::vector<CReminder> &ours,
                  const std::vector<CReminder> &theirs)
{
    Tally tally;
    std::unordered_map<RecordRef, size_t, RecordHash> index;
    auto count = [&](const std::vector<CReminder> &list, int Counts::*field) {
        for (const CReminder &r : list) {
            auto [it, inserted] = index.try_emplace(RecordRef { &r }, tally.m_Distinct.size());
            if (inserted) {
                tally.m_Distinct.push_back(&r);
                tally.m_Counts.emplace_back();
            }
            ++(tally.m_Counts[it->second].*field);
        }
    };
    count(base, &Counts::m_Base);
    count(ours, &Counts::m_Ours);
    count(theirs, &Counts::m_Theirs);
    return tally;
}

// Classify: how many copies of each record the merge keeps.
void decideCounts(Tally &tally, bool theirsDamaged)
{
    for (size_t i = 0; i < tally.m_Counts.size(); ++i) {
        Counts &c = tally.m_Counts[i];
        if (theirsDamaged) {
            if (c.m_Theirs < c.m_Base || (c.m_Theirs > c.m_Base && isPlaceholder(*tally.m_Distinct[i])))
                c.m_Theirs = c.m_Base;
        }
        const int b = c.m_Base, o = c.m_Ours, t = c.m_Theirs;
        if (o == b)
            c.m_Result = t;
        else if (t == b)
            c.m_Result = o;
        else if (o > b && t > b)
            c.m_Result = std::max(o, t);
        else if (o < b && t < b)
            c.m_Result = std::min(o, t);
        else
            c.m_Result = std::max(0, o + t - b);
        c.m_Changed = o != b || t != b;
    }
}

// A record whose copy on one side differs only in its shown state does not
// come back when the other side deleted or edited it; both sides marking
// it shown keep the later one.
void settleShownOnlyEdits(Tally &tally)
{
    const auto &distinct = tally.m_Distinct;
    auto &counts = tally.m_Counts;
    // The changed records grouped by content.
    std::unordered_map<size_t, std::vector<size_t>> byContent;
    for (size_t i = 0; i < counts.size(); ++i)
        if (counts[i].m_Changed)
            byContent[contentHash(*distinct[i])].push_back(i);
    for (auto &[hash, members] : byContent) {
        (void)hash;
        for (size_t x : members) {
            const Counts &cx = counts[x];
            // x: a base record both sides took away.
            if (cx.m_Base == 0 || cx.m_Ours >= cx.m_Base || cx.m_Theirs >= cx.m_Base)
                continue;
            size_t oursShown = SIZE_MAX, theirsShown = SIZE_MAX;
            for (size_t y : members) {
                if (y == x || !CReminder::SameContent(*distinct[x], *distinct[y]))
                    continue;
                const Counts &cy = counts[y];
                if (cy.m_Ours > cy.m_Base && cy.m_Theirs <= cy.m_Base && oursShown == SIZE_MAX)
                    oursShown = y;
                if (cy.m_Theirs > cy.m_Base && cy.m_Ours <= cy.m_Base && theirsShown == SIZE_MAX)
                    theirsShown = y;
            }
            if (oursShown != SIZE_MAX && theirsShown != SIZE_MAX) {
                // Both marked it shown, at different times: the later one.
                const bool theirsLater = distinct[oursShown]->m_LastShown < distinct[theirsShown]->m_LastShown;
                --counts[theirsLater ? oursShown : theirsShown].m_Result;
            } else if (oursShown != SIZE_MAX) {
                --counts[oursShown].m_Result; // theirs deleted or edited it
            } else if (theirsShown != SIZE_MAX) {
                --counts[theirsShown].m_Result;
            }
        }
    }
}

// Conflicts: a base record both sides took away, each adding its own
// version of it. Edits of different fields become one record holding
// both (returned); others stay as two and are counted.
std::vector<CReminder> mergeEditsOfBothSides(Tally &tally, CReminderMergeResult &result)
{
    const auto &distinct = tally.m_Distinct;
    auto &counts = tally.m_Counts;
    std::vector<size_t> oursOnly, theirsOnly, goneOnBoth;
    for (size_t i = 0; i < counts.size(); ++i) {
        const Counts &c = counts[i];
        if (c.m_Base > 0 && c.m_Ours < c.m_Base && c.m_Theirs < c.m_Base)
            goneOnBoth.push_back(i);
        if (c.m_Result > 0 && c.m_Ours > c.m_Base && c.m_Theirs <= c.m_Base)
            oursOnly.push_back(i);
        if (c.m_Result > 0 && c.m_Theirs > c.m_Base && c.m_Ours <= c.m_Base)
            theirsOnly.push_back(i);
    }
    std::vector<CReminder> fieldMerged;
    for (size_t x : goneOnBoth) {
        auto like = [&](size_t y) { return counts[y].m_Result > 0 && looksLike(*distinct[x], *distinct[y]); };
        const auto o = std::find_if(oursOnly.begin(), oursOnly.end(), like);
        const auto t = std::find_if(theirsOnly.begin(), theirsOnly.end(), like);
        if (o == oursOnly.end() || t == theirsOnly.end())
            continue;
        CReminder merged;
        if (CReminderMerge::MergeFields(*distinct[x], *distinct[*o], *distinct[*t], merged)) {
            --counts[*o].m_Result;
            --counts[*t].m_Result;
            fieldMerged.push_back(merged);
            result.m_TakenFromTheirs += 1;
        } else {
            ++result.m_Conflicts;
        }
    }
    return fieldMerged;
}

// Emit: the kept copies and the field-merged records, in date order.
void emitMerged(const Tally &tally, const std::vector<CReminder> &fieldMerged, CReminderMergeResult &result)
{
    for (size_t i = 0; i < tally.m_Counts.size(); ++i) {
        const Counts &c = tally.m_Counts[i];
        result.m_TakenFromTheirs += std::max(0, c.m_Result - c.m_Ours);
        result.m_RemovedByTheirs += std::max(0, c.m_Ours - c.m_Result);
        for (int k = 0; k < c.m_Result; ++k)
            result.m_Merged.push_back(*tally.m_Distinct[i]);
    }
    result.m_Merged.insert(result.m_Merged.end(), fieldMerged.begin(), fieldMerged.end());
    std::stable_sort(result.m_Merged.begin(), result.m_Merged.end(), [](const CReminder &a, const CReminder &b) {
        return CReminderList::SortKey(a.m_DateTime) < CReminderList::SortKey(b.m_DateTime);
    });
}

} // namespace

CReminderMergeResult CReminderMerge::Merge(const std::vector<CReminder> &base, const std::vector<CReminder> &ours,
                                           const std::vector<CReminder> &theirs, TheirsState state)
{
    CReminderMergeResult result;
    result.m_TheirsDamaged = state == TheirsDamaged;
    Tally tally = countCopies(base, ours, theirs);
    decideCounts(tally, result.m_TheirsDamaged);
    settleShownOnlyEdits(tally);
    const std::vector<CReminder> fieldMerged = mergeEditsOfBothSides(tally, result);
    emitMerged(tally, fieldMerged, result);
    return result;
}
