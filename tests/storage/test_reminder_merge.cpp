// Three-way merge of reminder lists by id: a table of named cases, each
// giving base, ours and theirs by letter and the merged list expected.
#include "StorageFixtures.h"

#include "model/CArchive.h"
#include "storage/CReminderMerge.h"
#include "storage/CReminderTombstones.h"

#include <QBuffer>

#include <gtest/gtest.h>
#include <functional>
#include <map>
#include <string>

namespace {

// The records the cases are written with.
std::map<char, CReminder> Records()
{
    std::map<char, CReminder> r;
    r['A'] = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("dentist"));
    r['B'] = MakeReminder(2024, 3, 2, 9, 0, QStringLiteral("pay rent"));
    r['C'] = MakeReminder(2024, 3, 3, 9, 0, QStringLiteral("call mum"));
    r['D'] = MakeReminder(2024, 3, 4, 9, 0, QStringLiteral("bins out"));
    for (char c : { 'A', 'B', 'C', 'D' })
        r[c].SetId(quint64(c));
    // 'a', 'a2': A edited two ways; 's', 't': A shown at two moments.
    r['a'] = r['A'];
    r['a'].m_Message = QStringLiteral("dentist, bring the card");
    r['2'] = r['A'];
    r['2'].m_DateTime = COleDateTime(2024, 3, 1, 14, 0, 0);
    // 'm': both edits in one; 'b': A's message edited another way.
    r['m'] = r['a'];
    r['m'].m_DateTime = r['2'].m_DateTime;
    r['b'] = r['A'];
    r['b'].m_Message = QStringLiteral("dentist at noon");
    r['s'] = r['A'];
    r['s'].m_Shown = true;
    r['s'].m_LastShown = COleDateTime(2024, 3, 1, 9, 0, 5);
    r['t'] = r['A'];
    r['t'].m_Shown = true;
    r['t'].m_LastShown = COleDateTime(2024, 3, 1, 9, 10, 0);
    // 'S': A's message edited, its alert answered as in 's'.
    r['S'] = r['a'];
    r['S'].m_Shown = true;
    r['S'].m_LastShown = r['s'].m_LastShown;
    return r;
}

std::vector<CReminder> List(const std::string &letters)
{
    static const std::map<char, CReminder> records = Records();
    std::vector<CReminder> list;
    for (char c : letters)
        list.push_back(records.at(c));
    return list;
}

// The merged list as letters, in its order (a copy kept for a conflict
// has an id of its own, and shows by its content).
std::string Letters(const std::vector<CReminder> &merged)
{
    static const std::map<char, CReminder> records = Records();
    std::string out;
    for (const CReminder &r : merged) {
        char found = '?';
        for (const auto &[letter, record] : records)
            if (CReminder::SameRecord(r, record) && (found == '?' || r.Id() == record.Id()))
                found = letter;
        out += found;
    }
    return out;
}

struct MergeCase
{
    const char *m_Name;
    const char *m_Base;
    const char *m_Ours;
    const char *m_Theirs;
    const char *m_Expected; // in date order
    int m_TakenFromTheirs;
    int m_RemovedByTheirs;
    int m_Conflicts;
    CReminderMerge::TheirsState m_State = CReminderMerge::TheirsComplete;
    const char *m_Deleted = ""; // known to be deleted (tombstones)
};

void PrintTo(const MergeCase &c, std::ostream *os) { *os << c.m_Name; }

class ReminderMerge : public ::testing::TestWithParam<MergeCase>
{
};

TEST_P(ReminderMerge, GivesTheExpectedList)
{
    const MergeCase &c = GetParam();
    CReminderTombstones deleted;
    for (const CReminder &r : List(c.m_Deleted))
        deleted.Add(r.Id(), QDateTime::currentDateTimeUtc());
    const CReminderMergeResult r =
        CReminderMerge::Merge(List(c.m_Base), List(c.m_Ours), List(c.m_Theirs), c.m_State, &deleted);
    EXPECT_EQ(Letters(r.m_Merged), c.m_Expected);
    EXPECT_EQ(r.m_TakenFromTheirs, c.m_TakenFromTheirs);
    EXPECT_EQ(r.m_RemovedByTheirs, c.m_RemovedByTheirs);
    EXPECT_EQ(r.m_Conflicts, c.m_Conflicts);
    EXPECT_EQ(r.m_TheirsDamaged, c.m_State == CReminderMerge::TheirsDamaged);
}

// Letters: base, ours, theirs, expected; then taken, removed, conflicts.
const MergeCase kCases[] = {
    { "NothingChanged", "ABC", "ABC", "ABC", "ABC", 0, 0, 0 },
    { "AddedOnBothSides", "A", "AB", "AC", "ABC", 1, 0, 0 },
    { "DeletedOnBothSides", "ABC", "AC", "AC", "AC", 0, 0, 0 },
    { "DeletedOnEachSideADifferentOne", "ABC", "AC", "AB", "A", 0, 1, 0 },
    { "AddedHereDeletedAnotherThere", "AB", "ABC", "A", "AC", 0, 1, 0 },
    { "AddedThereDeletedAnotherHere", "AB", "A", "ABC", "AC", 1, 0, 0 },
    { "EditedHereUnchangedThere", "AB", "aB", "AB", "aB", 0, 0, 0 },
    { "EditedThereUnchangedHere", "AB", "AB", "aB", "aB", 1, 0, 0 },
    // A deletion wins over an edit on the other side.
    { "EditedHereDeletedThere", "AB", "aB", "B", "B", 0, 1, 0 },
    { "DeletedHereEditedThere", "AB", "B", "aB", "B", 0, 0, 0 },
    { "SameEditOnBothSidesKeptOnce", "AB", "aB", "aB", "aB", 0, 0, 0 },
    { "SameIdAddedOnBothSidesKeptOnce", "A", "AB", "AB", "AB", 0, 0, 0 },
    { "EditsOfDifferentFieldsOnBothSidesMerge", "AB", "aB", "2B", "mB", 1, 0, 0 },
    { "DifferentEditsOfOneFieldBothKept", "AB", "aB", "bB", "abB", 1, 0, 1 },
    // An answer stays with a reminder whose time did not move...
    { "ShownHereWhileRetitledThereKeepsBoth", "AB", "sB", "aB", "SB", 1, 0, 0 },
    { "ShownThereWhileRetitledHereKeepsBoth", "AB", "aB", "sB", "SB", 1, 0, 0 },
    // ...and goes with the old time when one side moved it.
    { "ShownHereWhileMovedThereTakesTheMove", "AB", "sB", "2B", "2B", 1, 0, 0 },
    { "ShownThereWhileMovedHereKeepsTheMove", "AB", "2B", "sB", "2B", 0, 0, 0 },
    { "ShownHereWhileDeletedThereStaysDeleted", "AB", "sB", "B", "B", 0, 1, 0 },
    { "ShownHereUnchangedThereStaysShown", "AB", "sB", "AB", "sB", 0, 0, 0 },
    { "ShownOnBothSidesKeepsTheLaterOnce", "AB", "sB", "tB", "tB", 1, 0, 0 },
    { "EmptyBaseFirstStartKeepsBoth", "", "AB", "BC", "ABC", 1, 0, 0 },
    { "EmptyBaseNothingOnDisk", "", "AB", "", "AB", 0, 0, 0 },
    { "DamagedTheirsLosesNothing", "ABCD", "ABCD", "AB", "ABCD", 0, 0, 0, CReminderMerge::TheirsDamaged },
    { "DamagedTheirsStillGivesItsAdditions", "AB", "AB", "C", "ABC", 1, 0, 0, CReminderMerge::TheirsDamaged },
    // A deleted reminder never comes back, whoever still holds it.
    { "DeletedEarlierNeverComesBackFromTheirs", "B", "B", "AB", "B", 0, 0, 0, CReminderMerge::TheirsComplete, "A" },
    { "DeletedElsewhereLeavesOurs", "AB", "aB", "AB", "B", 0, 1, 0, CReminderMerge::TheirsComplete, "A" },
};

INSTANTIATE_TEST_SUITE_P(Cases, ReminderMerge, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MergeCase> &info) { return std::string(info.param.m_Name); });

// Every stored field: each is edited on one side alone, and the merge must
// take it. A field added to the reminder fails the size check until it is
// added here and to the merge.
static_assert(sizeof(CReminder) == 168, "a new field: add it to MergeFields and to this list");

TEST(ReminderMergeRecords, MergeFieldsTakesEveryStoredField)
{
    CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("x"));
    a.SetId(7);
    const auto bytes = [](const CReminder &r) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        CArchive ar(&buffer, CArchive::store);
        const_cast<CReminder &>(r).Serialize(ar);
        ar.Flush();
        return buffer.data();
    };
    const std::vector<std::function<void(CReminder &)>> edits = {
        [](CReminder &r) { r.m_DateTime = COleDateTime(2024, 3, 2, 9, 0, 0); },
        [](CReminder &r) { r.m_AdvanceNotice = COleDateTimeSpan(1.0); },
        [](CReminder &r) { r.m_IconNumber = 3; },
        [](CReminder &r) { r.m_Message += QLatin1Char(' '); },
        [](CReminder &r) { r.m_Recurrence = RecurWeekly; },
        [](CReminder &r) { r.m_Private = true; },
        [](CReminder &r) { r.m_ReservedFlag = true; },
        [](CReminder &r) { r.m_SoundFileName = QStringLiteral("bell.wav"); },
        [](CReminder &r) { r.m_IconName = QStringLiteral("Phone"); },
        // The shown state.
        [](CReminder &r) { r.m_Shown = true; },
        [](CReminder &r) { r.m_LastShown = COleDateTime(2024, 1, 1, 0, 0, 0); },
        [](CReminder &r) { r.m_ReshowInterval = COleDateTimeSpan(2.0); },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        CReminder theirs = a;
        edits[i](theirs);
        ASSERT_NE(bytes(theirs), bytes(a)) << "field " << i << " is not stored";
        CReminder merged;
        ASSERT_TRUE(CReminderMerge::MergeFields(a, a, theirs, merged)) << "field " << i;
        EXPECT_EQ(bytes(merged), bytes(theirs)) << "field " << i << " was not taken";
        EXPECT_EQ(merged.Id(), 7u);
    }
    // The id (m_ReservedSpan with m_ReservedFlag2) pairs the two and is
    // never merged: ours stays.
    CReminder other = a;
    other.SetId(8);
    CReminder merged;
    ASSERT_TRUE(CReminderMerge::MergeFields(a, a, other, merged));
    EXPECT_EQ(merged.Id(), 7u);
}

TEST(ReminderMergeRecords, ANotANumberDateStillMatchesItsCopy)
{
    CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("x"));
    a.m_DateTime.SetValue(std::nan(""));
    a.SetId(1);
    CReminder b = MakeReminder(2024, 3, 2, 9, 0, QStringLiteral("y"));
    b.SetId(2);
    const std::vector<CReminder> list { a, b };
    const CReminderMergeResult r = CReminderMerge::Merge(list, list, list);
    ASSERT_EQ(r.m_Merged.size(), 2u);
    EXPECT_EQ(r.m_Merged[0].m_Message, QStringLiteral("y")); // not-a-number dates sort last
}

} // namespace
