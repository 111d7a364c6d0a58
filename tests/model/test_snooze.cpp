#include "model/CArchive.h"
#include "model/CReminderCheck.h"
#include "model/CReminderList.h"
#include "model/CSnooze.h"

#include <QBuffer>
#include <QLocale>
#include <deque>
#include <gtest/gtest.h>

namespace {

COleDateTime snoozeAt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) { return COleDateTime(y, mo, d, h, mi, s); }

// Answers each alert with the next scripted answer (OK when none is left),
// as a user would some seconds after the alert opened.
class AnsweringPresenter : public CAlertPresenter
{
public:
    void Present(const CAlertRequest &alert) override
    {
        m_texts.push_back(alert.m_Message);
        CAlertAnswer answer;
        if (!m_answers.empty()) {
            answer = m_answers.front();
            m_answers.pop_front();
        }
        m_check->Answer(alert.m_ReminderId, answer);
    }
    void SnoozeNext(int minutes, const COleDateTime &answeredAt)
    {
        CAlertAnswer a;
        a.m_SnoozeMinutes = minutes;
        a.m_AnsweredAt = answeredAt;
        m_answers.push_back(a);
    }
    CReminderCheck *m_check = nullptr;
    std::deque<CAlertAnswer> m_answers;
    QStringList m_texts;
};

class Snooze : public ::testing::Test
{
protected:
    Snooze() { m_host.m_check = &m_check; }
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    void Add(const COleDateTime &dt, int recurrence, double noticeDays = 0.0)
    {
        CReminder r;
        r.m_DateTime = dt;
        r.m_Recurrence = static_cast<quint16>(recurrence);
        r.m_AdvanceNotice = COleDateTimeSpan(noticeDays);
        r.m_Message = QStringLiteral("Call back");
        r.ResetShown();
        m_list.InsertSorted(r);
    }
    int Pass(const COleDateTime &now)
    {
        m_host.m_texts.clear();
        return m_check.CheckReminders(1, now);
    }
    // The file's round trip: the record stored and loaded again.
    void SaveAndLoad()
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        CArchive store(&out, CArchive::store);
        store.WriteObject(&m_list[0]);
        store.Close();
        QBuffer in;
        in.setData(out.data());
        in.open(QIODevice::ReadOnly);
        CArchive load(&in, CArchive::load);
        const auto loaded = load.ReadObject(&CReminder::classCReminder);
        m_list[0] = *static_cast<CReminder *>(loaded.get());
    }

    CReminderList m_list;
    AnsweringPresenter m_host;
    CReminderCheck m_check { m_list, &m_host };
};

class SnoozeEachKind : public Snooze, public ::testing::WithParamInterface<int>
{
};

// Each kind, on a Wednesday at 09:00: presented, snoozed for ten minutes a
// little later, quiet until then, presented once more with the same
// occurrence in its text, then done for that occurrence.
TEST_P(SnoozeEachKind, TenMinutesBringsTheSameOccurrenceBackOnce)
{
    Add(snoozeAt(2026, 12, 9, 9, 0), GetParam());
    m_host.SnoozeNext(10, snoozeAt(2026, 12, 9, 9, 2));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 0)), 1);
    const QString first = m_host.m_texts[0];
    EXPECT_FALSE(m_list[0].m_Shown);
    EXPECT_TRUE(CSnooze::IsSnoozed(m_list[0]));
    EXPECT_EQ(CSnooze::WakeTime(m_list[0]), snoozeAt(2026, 12, 9, 9, 12));

    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 5)), 0);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 11, 59)), 0);
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 12)), 1);
    EXPECT_EQ(m_host.m_texts[0], first);
    EXPECT_TRUE(m_list[0].m_Shown);
    EXPECT_FALSE(CSnooze::IsSnoozed(m_list[0]));
    EXPECT_EQ(m_list[0].m_ReshowInterval, COleDateTimeSpan(1.0));
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 30)), 0);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 23, 59)), 0);
}

// Snoozed past midnight, and kept across a save and load of the file.
TEST_P(SnoozeEachKind, PastMidnightAndAcrossTheFile)
{
    Add(snoozeAt(2026, 12, 9, 23, 50), GetParam());
    m_host.SnoozeNext(30, snoozeAt(2026, 12, 9, 23, 51));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 23, 50)), 1);
    SaveAndLoad();
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 10, 0, 20)), 0);
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 10, 0, 21)), 1);
    EXPECT_EQ(m_host.m_texts[0], QStringLiteral("Reminder for 12/9/2026 11:50:00 PM:\n\nCall back"));
    SaveAndLoad();
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 10, 0, 30)), 0);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 10, 23, 50)), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, SnoozeEachKind, ::testing::Values(RecurOneTime, RecurAnnual, RecurMonthly, RecurWeekly),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return CReminder::RecurrenceName(info.param).remove(QLatin1Char(' ')).toStdString();
                         });

TEST_F(Snooze, TomorrowIsTheSameTimeTheNextDay)
{
    Add(snoozeAt(2026, 12, 9, 9, 0), RecurWeekly);
    m_host.SnoozeNext(24 * 60, snoozeAt(2026, 12, 9, 9, 1));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 0)), 1);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 12, 0)), 0);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 10, 9, 0, 59)), 0);
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 10, 9, 1)), 1);
    EXPECT_EQ(m_host.m_texts[0], QStringLiteral("Reminder for 12/9/2026 9:00:00 AM:\n\nCall back"));
    // The snooze used up, the next week's occurrence comes as usual.
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 15, 9, 0)), 0);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 16, 9, 0)), 1);
}

TEST_F(Snooze, SnoozedAgainAndTheProgramOffUntilLongAfter)
{
    Add(snoozeAt(2026, 12, 9, 9, 0), RecurMonthly);
    m_host.SnoozeNext(5, snoozeAt(2026, 12, 9, 9, 0));
    m_host.SnoozeNext(120, snoozeAt(2026, 12, 9, 9, 6));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 0)), 1);
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 5)), 1);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 11, 5)), 0);
    // Nothing ran for two days: the snooze still comes back, once.
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 11, 8, 0)), 1);
    EXPECT_EQ(m_host.m_texts[0], QStringLiteral("Reminder for 12/9/2026 9:00:00 AM:\n\nCall back"));
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 11, 8, 1)), 0);
    EXPECT_EQ(Pass(snoozeAt(2027, 1, 9, 9, 0)), 1);
}

// With its notice running, an occurrence snoozed before its time comes back
// after the snooze, and its own time does not present it a third time.
TEST_F(Snooze, SnoozedDuringTheNoticeIsNotPresentedAgainAtItsTime)
{
    Add(snoozeAt(2026, 12, 9, 9, 0), RecurWeekly, 1.0);
    m_host.SnoozeNext(60, snoozeAt(2026, 12, 8, 9, 0));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 8, 9, 0)), 1);
    EXPECT_TRUE(m_host.m_texts[0].startsWith(QStringLiteral("One day to go:\n")));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 8, 10, 0)), 1);
    EXPECT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 0)), 0);
}

TEST_F(Snooze, WithoutAnAnswerTimeTheSnoozeCountsFromThePass)
{
    Add(snoozeAt(2026, 12, 9, 9, 0), RecurOneTime);
    m_host.SnoozeNext(15, COleDateTime(0.0, COleDateTime::invalid));
    ASSERT_EQ(Pass(snoozeAt(2026, 12, 9, 9, 0)), 1);
    EXPECT_EQ(CSnooze::WakeTime(m_list[0]), snoozeAt(2026, 12, 9, 9, 15));
}

// Never-shown and shown records, as older files and edits leave them, are
// not mistaken for snoozed ones.
TEST(SnoozeEncoding, OnlyAClearFlagWithARealShowingIsASnooze)
{
    CReminder r;
    EXPECT_FALSE(CSnooze::IsSnoozed(r));
    r.m_DateTime = snoozeAt(2026, 12, 9, 9, 0);
    r.ResetShown();
    EXPECT_FALSE(CSnooze::IsSnoozed(r));
    CSnooze::MarkShown(r, snoozeAt(2026, 12, 9, 9, 0));
    EXPECT_FALSE(CSnooze::IsSnoozed(r));
    CSnooze::Snooze(r, snoozeAt(2026, 12, 9, 9, 0), 10);
    EXPECT_TRUE(CSnooze::IsSnoozed(r));
    // An edit cancels the snooze; its short interval goes at the next showing.
    r.ResetShown();
    EXPECT_FALSE(CSnooze::IsSnoozed(r));
    CSnooze::MarkShown(r, snoozeAt(2026, 12, 10, 9, 0));
    EXPECT_EQ(r.m_ReshowInterval, COleDateTimeSpan(1.0));
}

TEST(SnoozeEncoding, ChoicesAndTheStoredSetting)
{
    QList<int> minutes;
    for (const CSnooze::Choice &c : CSnooze::Choices())
        minutes << c.m_Minutes;
    EXPECT_EQ(minutes, QList<int>({ 5, 10, 15, 30, 60, 120, 1440 }));
    EXPECT_EQ(CSnooze::Choices().last().m_Label, QStringLiteral("Tomorrow"));
    EXPECT_EQ(CSnooze::MinutesFromSetting(QStringLiteral("120")), 120);
    EXPECT_EQ(CSnooze::MinutesFromSetting(QStringLiteral(" 1440 ")), 1440);
    for (const char *bad : { "", "7", "-5", "ten", "99999999999" })
        EXPECT_EQ(CSnooze::MinutesFromSetting(QString::fromLatin1(bad)), 10) << bad;
}

} // namespace
