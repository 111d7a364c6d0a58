#pragma once

#include "model/CReminder.h"

#include <vector>

// What a three-way merge of reminder lists produced, and how it differs
// from our side.
struct CReminderMergeResult
{
    std::vector<CReminder> m_Merged; // in date order
    int m_TakenFromTheirs = 0;       // records in m_Merged that ours did not hold
    int m_RemovedByTheirs = 0;       // records of ours that m_Merged no longer holds
    int m_Conflicts = 0;             // records edited differently on both sides (both kept)
    bool m_TheirsDamaged = false;    // theirs was read only in part; none of its removals were taken
};

// Merges two lists that both started from a common base, over whole
// records: a record counts as the same only when CReminder::SameRecord
// says so, and an edit on one side shows as its old record removed and a
// new one added on that side.
//
// Per distinct record the copies are counted in base, ours and theirs: a
// side that left the count as in base takes the other side's count; both
// adding gives the larger count (the same new record typed on both sides
// is kept once), both removing the smaller, one adding and the other
// removing applies both. So an edit on one side wins over the unchanged
// record on the other, and an edit wins over a delete (nothing typed is
// lost). Two different edits of one record merge field by field
// (MergeFields, the calendar sync's rule too): only a field edited to
// different values on the two sides keeps both versions.
//
// The alert's shown state (m_Shown, m_LastShown and the snooze's
// m_ReshowInterval) is not content: a copy that differs from a base record
// only in it does not bring back a record the other side deleted or
// edited (an edit resets the shown state, and a reminder whose content
// changed is presented again). Both sides marking
// the same record shown at different times keep the later one.
class CReminderMerge
{
public:
    enum TheirsState { TheirsComplete, TheirsDamaged };

    // With TheirsDamaged, theirs holds only the records read intact before
    // the damage: what it lacks was lost, not deleted, so only its
    // additions are taken (and no record-default placeholders).
    static CReminderMergeResult Merge(const std::vector<CReminder> &base, const std::vector<CReminder> &ours,
                                      const std::vector<CReminder> &theirs, TheirsState state = TheirsComplete);

    // The three-way merge of one record: each content field from the side
    // that changed it, the shown state from ours unless only theirs
    // changed it. False when both changed one field differently (merged
    // then holds ours).
    static bool MergeFields(const CReminder &base, const CReminder &ours, const CReminder &theirs, CReminder &merged);
};
