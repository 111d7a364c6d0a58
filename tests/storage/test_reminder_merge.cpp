// Three-way merge of reminder lists: a table of named cases, each giving
// base, ours and theirs by letter and the merged list expected.
#include "StorageFixtures.h"

#include "storage/CReminderMerge.h"

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

// The merged list as letters, in its order.
std::string Letters(const std::vector<CReminder> &merged)
{
    static const std::map<char, CReminder> records = Records();
    std::string out;
    for (const CReminder &r : merged) {
        char found = '?';
        for (const auto &[letter, record] : records)
            if (CReminder::SameRecord(r, record))
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
};

void PrintTo(const MergeCase &c, std::ostream *os) { *os << c.m_Name; }

class ReminderMerge : public ::testing::TestWithParam<MergeCase>
{
};

TEST_P(ReminderMerge, GivesTheExpectedList)
{
    const MergeCase &c = GetParam();
    const CReminderMergeResult r = CReminderMerge::Merge(List(c.m_Base), List(c.m_Ours), List(c.m_Theirs), c.m_State);
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
    { "EditedThereUnchangedHere", "AB", "AB", "aB", "aB", 1, 1, 0 },
    { "EditedHereDeletedThere", "AB", "aB", "B", "aB", 0, 0, 0 },
    { "DeletedHereEditedThere", "AB", "B", "aB", "aB", 1, 0, 0 },
    { "SameEditOnBothSidesKeptOnce", "AB", "aB", "aB", "aB", 0, 0, 0 },
    { "SameNewRecordOnBothSidesKeptOnce", "A", "AB", "AB", "AB", 0, 0, 0 },
    { "EditsOfDifferentFieldsOnBothSidesMerge", "AB", "aB", "2B", "mB", 1, 1, 0 },
    { "DifferentEditsOfOneFieldBothKept", "AB", "aB", "bB", "abB", 1, 0, 1 },
    { "ShownHereWhileEditedThereTakesTheEdit", "AB", "sB", "aB", "aB", 1, 1, 0 },
    { "ShownThereWhileEditedHereKeepsTheEdit", "AB", "aB", "sB", "aB", 0, 0, 0 },
    { "ShownHereWhileDeletedThereStaysDeleted", "AB", "sB", "B", "B", 0, 1, 0 },
    { "ShownHereUnchangedThereStaysShown", "AB", "sB", "AB", "sB", 0, 0, 0 },
    { "ShownOnBothSidesKeepsTheLaterOnce", "AB", "sB", "tB", "tB", 1, 1, 0 },
    { "EmptyBaseFirstStartKeepsBoth", "", "AB", "BC", "ABC", 1, 0, 0 },
    { "EmptyBaseNothingOnDisk", "", "AB", "", "AB", 0, 0, 0 },
    { "DuplicatesCountAsCopies", "AA", "AAA", "A", "AA", 0, 1, 0 },
    { "DamagedTheirsLosesNothing", "ABCD", "ABCD", "AB", "ABCD", 0, 0, 0, CReminderMerge::TheirsDamaged },
    { "DamagedTheirsStillGivesItsAdditions", "AB", "AB", "C", "ABC", 1, 0, 0, CReminderMerge::TheirsDamaged },
};

INSTANTIATE_TEST_SUITE_P(Cases, ReminderMerge, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<MergeCase> &info) { return std::string(info.param.m_Name); });

TEST(ReminderMergeRecords, EveryStoredFieldCounts)
{
    const CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("x"));
    CReminder b = a;
    EXPECT_TRUE(CReminder::SameRecord(a, b));

    const std::vector<std::function<void(CReminder &)>> edits = {
        [](CReminder &r) { r.m_DateTime.SetStatus(COleDateTime::invalid); },
        [](CReminder &r) { r.m_AdvanceNotice = COleDateTimeSpan(1.0); },
        [](CReminder &r) { r.m_IconNumber = 3; },
        [](CReminder &r) { r.m_Message += QLatin1Char(' '); },
        [](CReminder &r) { r.m_Recurrence = RecurWeekly; },
        [](CReminder &r) { r.m_Private = true; },
        [](CReminder &r) { r.m_Shown = true; },
        [](CReminder &r) { r.m_LastShown = COleDateTime(2024, 1, 1, 0, 0, 0); },
        [](CReminder &r) { r.m_ReshowInterval = COleDateTimeSpan(2.0); },
        [](CReminder &r) { r.m_ReservedFlag = true; },
        [](CReminder &r) { r.m_ReservedSpan = COleDateTimeSpan(0.5); },
        [](CReminder &r) { r.m_SoundFileName = QStringLiteral("bell.wav"); },
        [](CReminder &r) { r.m_IconName = QStringLiteral("Phone"); },
        [](CReminder &r) { r.m_ReservedFlag2 = true; },
    };
    for (size_t i = 0; i < edits.size(); ++i) {
        CReminder c = a;
        edits[i](c);
        EXPECT_FALSE(CReminder::SameRecord(a, c)) << "field " << i;
    }
}

TEST(ReminderMergeRecords, ANotANumberDateStillMatchesItsCopy)
{
    CReminder a = MakeReminder(2024, 3, 1, 9, 0, QStringLiteral("x"));
    a.m_DateTime.SetValue(std::nan(""));
    const std::vector<CReminder> list { a, MakeReminder(2024, 3, 2, 9, 0, QStringLiteral("y")) };
    const CReminderMergeResult r = CReminderMerge::Merge(list, list, list);
    ASSERT_EQ(r.m_Merged.size(), 2u);
    EXPECT_EQ(r.m_Merged[0].m_Message, QStringLiteral("y")); // not-a-number dates sort last
}

} // namespace
