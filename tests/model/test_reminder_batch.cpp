// Adding many reminders at once, as imports do, against adding them one by one.
#include "model/CReminderBatch.h"
#include "model/CReminderList.h"
#include "support/ReminderMaker.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <random>

namespace {

QStringList messages(const CReminderList &list)
{
    QStringList out;
    for (const CReminder &r : list.Reminders())
        out << r.m_Message + QLatin1Char('@') + QString::number(r.m_DateTime.GetValue());
    return out;
}

// A mix where many share a time, some repeat earlier ones exactly, some
// differ only in a field the duplicate rule ignores or in letter case, and
// some have no valid date at all.
std::vector<CReminder> mixed(std::mt19937 &rng, int count)
{
    std::vector<CReminder> out;
    for (int i = 0; i < count; ++i) {
        const int pick = static_cast<int>(rng() % 6);
        CReminder r = MakeDatedReminder(COleDateTime(2026, 3, 1 + static_cast<int>(rng() % 3), 9, 0, 0),
                           static_cast<int>(rng() % 4), QStringLiteral("m%1").arg(rng() % 5),
                           rng() % 2 ? QStringLiteral("Birthday") : QStringLiteral("birthday"));
        if (pick == 0 && !out.empty())
            r = out[rng() % out.size()];
        if (pick == 1 && !out.empty()) {
            r = out[rng() % out.size()];
            r.m_SoundFileName = QStringLiteral("other.wav");
            r.m_Private = !r.m_Private;
        }
        if (pick == 2)
            r.m_DateTime = COleDateTime(0.0, COleDateTime::invalid);
        r.m_LastShown = COleDateTime(static_cast<double>(i)); // tells equal ones apart after the fact
        out.push_back(r);
    }
    return out;
}

TEST(ReminderBatch, GivesTheOrderAndRefusalsOfOneByOneInsertion)
{
    std::mt19937 rng(16);
    for (int round = 0; round < 20; ++round) {
        const std::vector<CReminder> existing = mixed(rng, 30);
        const std::vector<CReminder> incoming = mixed(rng, 60);

        CReminderList one;
        CReminderList batched;
        for (const CReminder &r : existing) {
            one.InsertSorted(r);
            batched.InsertSorted(r);
        }
        std::vector<bool> oneAdded;
        for (const CReminder &r : incoming) {
            oneAdded.push_back(!one.Contains(r));
            if (oneAdded.back())
                one.InsertSorted(r);
        }
        CReminderBatch batch(batched);
        std::vector<bool> batchAdded;
        for (const CReminder &r : incoming)
            batchAdded.push_back(batch.Add(r));
        batch.Commit();

        EXPECT_EQ(batchAdded, oneAdded) << "round " << round;
        ASSERT_EQ(batched.GetSize(), one.GetSize());
        for (int i = 0; i < one.GetSize(); ++i)
            EXPECT_EQ(batched[i].m_LastShown.GetValue(), one[i].m_LastShown.GetValue()) << "round " << round;
        EXPECT_EQ(messages(batched), messages(one));
    }
}

TEST(ReminderBatch, RefusesACopyOfAnEarlierOneInTheSameBatch)
{
    CReminderList list;
    list.InsertSorted(MakeDatedReminder(COleDateTime(2026, 3, 1, 9, 0, 0), RecurOneTime, QStringLiteral("held")));
    CReminderBatch batch(list);
    const CReminder fresh = MakeDatedReminder(COleDateTime(2026, 3, 2, 9, 0, 0), RecurAnnual, QStringLiteral("new"));
    EXPECT_TRUE(batch.Add(fresh));
    EXPECT_FALSE(batch.Add(fresh));
    EXPECT_FALSE(batch.Add(list[0]));
    EXPECT_EQ(list.GetSize(), 1); // nothing reaches the list before Commit
    batch.Commit();
    ASSERT_EQ(list.GetSize(), 2);
    EXPECT_EQ(list[1].m_Message, QStringLiteral("new"));
    // A committed batch starts afresh and still sees what it added.
    EXPECT_FALSE(batch.Add(fresh));
}

} // namespace
