#pragma once

#include "model/CReminder.h"

#include <vector>

class CReminderTombstones;

// What a three-way merge of reminder lists produced, and how it differs
// from our side.
struct CReminderMergeResult
{
    std::vector<CReminder> m_Merged; // in date order
    int m_TakenFromTheirs = 0;       // reminders theirs added, or changed where ours did not
    int m_RemovedByTheirs = 0;       // reminders of ours that m_Merged no longer holds
    int m_Conflicts = 0;             // reminders edited differently on both sides (both kept)
    bool m_TheirsDamaged = false;    // theirs was read only in part; none of its removals were taken
};

// Merges two lists that both started from a common base, reminder by
// reminder, pairing them by id:
// - a reminder one side added is kept;
// - a reminder one side deleted is deleted, whatever the other side did
//   with it, and so is one whose id is among the deleted ones (tombstones):
//   a merge never brings a deleted reminder back;
// - a reminder both sides kept merges field by field (MergeFields): a field
//   changed on one side takes that change, and only a field changed to
//   different values on both sides keeps both versions (theirs as a copy
//   with an id derived from the original, so every process makes the same
//   copy).
// The shown state follows MergeShownState.
class CReminderMerge
{
public:
    enum TheirsState { TheirsComplete, TheirsDamaged };

    // With TheirsDamaged, theirs holds only the records read intact before
    // the damage: what it lacks was lost, not deleted, so only its
    // additions and changes are taken (and no record-default placeholders).
    static CReminderMergeResult Merge(const std::vector<CReminder> &base, const std::vector<CReminder> &ours,
                                      const std::vector<CReminder> &theirs, TheirsState state = TheirsComplete,
                                      const CReminderTombstones *deleted = nullptr);

    // The three-way merge of one reminder: each content field from the
    // side that changed it, the shown state by MergeShownState, the id
    // ours. False when both changed one field differently (merged then
    // holds ours).
    static bool MergeFields(const CReminder &base, const CReminder &ours, const CReminder &theirs, CReminder &merged);

    // The one rule for the shown state (m_Shown, m_LastShown and a snooze's
    // m_ReshowInterval) of a reminder both sides hold: an answer belongs to
    // the occurrence it answered, so a side that moved the reminder (its
    // date and time, repeat or notice) keeps its own state and the other
    // side's answer to the old time goes; otherwise the side that changed
    // the state wins, and when both did, the later answer.
    static void MergeShownState(const CReminder &base, const CReminder &ours, const CReminder &theirs,
                                CReminder &merged);
    // The fields that say when a reminder occurs are equal.
    static bool SameWhen(const CReminder &a, const CReminder &b);
};
