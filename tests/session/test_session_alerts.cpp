// Alerts bound to the reminder's id while the checks never stop: passes run
// whatever is open, answers come later and find their reminder by id after
// other processes moved the list, and a session without a presenter marks
// nothing shown.
#include "../storage/StorageFixtures.h"
#include "SessionWait.h"
#include "support/CTraceRecorder.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "session/CListHold.h"
#include "session/CReminderSession.h"
#include "storage/CSaveScheduler.h"
#include "storage/CSettingsStore.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

class CStillClock : public CClock
{
public:
    COleDateTime Now() const override { return m_now; }
    qint64 MonotonicMs() const override { return m_mono; }
    void Pass(double seconds)
    {
        m_now = m_now + COleDateTimeSpan(seconds / 86400.0);
        m_mono += static_cast<qint64>(seconds * 1000.0);
    }
    COleDateTime m_now { 2024, 3, 10, 12, 5, 0 };
    qint64 m_mono = 1000000;
};

// Keeps every alert open until the test answers it.
class CWaitingPresenter : public CAlertPresenter
{
public:
    void Present(const CAlertRequest &alert) override { m_Alerts.push_back(alert); }
    quint64 IdOf(const QString &message) const
    {
        for (const CAlertRequest &a : m_Alerts)
            if (a.m_ReminderMessage == message)
                return a.m_ReminderId;
        return 0;
    }
    std::vector<CAlertRequest> m_Alerts;
};

class SessionAlerts : public ::testing::Test
{
protected:
    SessionAlerts()
    {
        CReminderList start;
        start.InsertSorted(MakeReminder(2024, 3, 10, 12, 3, QStringLiteral("tea")));
        start.InsertSorted(MakeReminder(2024, 3, 10, 12, 3, QStringLiteral("cake")));
        start.InsertSorted(MakeReminder(2024, 4, 1, 9, 0, QStringLiteral("later")));
        EXPECT_EQ(m_store.SaveReminders(start), CReminderStore::Saved);
        m_session.SetClock(&m_clock);
        m_session.Saver().SetDelay(10);
        m_session.SetTimerPeriod(60 * 60 * 1000); // ticked by hand unless a test says so
        m_session.SetAlertPresenter(&m_presenter);
    }
    void Start()
    {
        ASSERT_EQ(m_session.Load(), CReminderStore::Loaded);
        m_session.StartChecks();
    }
    // Another process adds two reminders before all the others and deletes one.
    void ChangeFromOutside(const QString &deleted)
    {
        CReminderStore other(m_data.Data());
        CReminderList theirs;
        ASSERT_EQ(other.LoadReminders(theirs), CReminderStore::Loaded);
        const int at = theirs.IndexOf(IdOnFile(theirs, deleted));
        ASSERT_GE(at, 0);
        theirs.Delete(at);
        theirs.InsertSorted(MakeReminder(2024, 3, 1, 8, 0, QStringLiteral("earlier")));
        theirs.InsertSorted(MakeReminder(2024, 2, 1, 8, 0, QStringLiteral("earliest")));
        ASSERT_EQ(other.SaveReminders(theirs), CReminderStore::Saved);
    }
    static quint64 IdOnFile(const CReminderList &list, const QString &message)
    {
        for (const CReminder &r : list.Reminders())
            if (r.m_Message == message)
                return r.Id();
        return 0;
    }
    const CReminder *Here(const QString &message) { return m_list.Find(IdOnFile(m_list, message)); }
    CReminderList OnDisk()
    {
        CReminderList list;
        EXPECT_EQ(CReminderStore(m_data.Data()).LoadReminders(list), CReminderStore::Loaded);
        return list;
    }
    static bool ShownOnDisk(const CReminderList &disk, const QString &message)
    {
        for (const CReminder &r : disk.Reminders())
            if (r.m_Message == message)
                return r.m_Shown;
        return false;
    }

    CTempDataFolder m_data;
    CSettingsStore m_settings { m_data.At(QStringLiteral("settings.ini")) };
    CReminderStore m_store { m_data.Data() };
    CStillClock m_clock;
    CReminderSession m_session { m_store, m_settings };
    CReminderList &m_list = m_session.Reminders();
    CWaitingPresenter m_presenter;
};

TEST_F(SessionAlerts, AnAnswerFindsItsReminderAfterAnotherProcessMovedTheList)
{
    CTraceRecorder trace;
    Start();
    m_session.OnTimer();
    ASSERT_EQ(m_presenter.m_Alerts.size(), 2u);
    const quint64 tea = m_presenter.IdOf(QStringLiteral("tea"));
    const quint64 cake = m_presenter.IdOf(QStringLiteral("cake"));
    const int teaWasAt = m_list.IndexOf(tea);

    // Merged while the alerts are open: nothing but an alert holds the list.
    ChangeFromOutside(QStringLiteral("cake"));
    ASSERT_TRUE(WaitFor([&] { return Here(QStringLiteral("earlier")) != nullptr; }));
    ASSERT_NE(m_list.IndexOf(tea), teaWasAt) << "the merge moved the alerted reminder";
    ASSERT_EQ(m_list.IndexOf(cake), -1);

    EXPECT_TRUE(m_session.Answer(tea, CAlertAnswer {}));
    EXPECT_FALSE(m_session.Answer(cake, CAlertAnswer {}));
    EXPECT_TRUE(trace.Lines().join(QString()).contains(QStringLiteral("was deleted while its alert was open: the answer is dropped")))
        << trace.Lines().join(QString()).toStdString();
    EXPECT_TRUE(Here(QStringLiteral("tea"))->m_Shown);
    EXPECT_FALSE(Here(QStringLiteral("earlier"))->m_Shown);

    ASSERT_TRUE(WaitFor([&] { return ShownOnDisk(OnDisk(), QStringLiteral("tea")); })) << "saved soon";
    const CReminderList disk = OnDisk();
    EXPECT_EQ(disk.GetSize(), 4); // earliest, earlier, tea, later
    EXPECT_EQ(IdOnFile(disk, QStringLiteral("cake")), 0u);
    EXPECT_FALSE(ShownOnDisk(disk, QStringLiteral("earlier")));
    EXPECT_FALSE(ShownOnDisk(disk, QStringLiteral("later")));
}

// A dialog that holds positions in the list (the editor, the day list) stops
// no pass: the alert comes on time. Only outside changes and the save that
// would merge them wait for the dialog to close.
TEST_F(SessionAlerts, PassesRunOnTimeWhileADialogHoldsTheList)
{
    m_session.SetTimerPeriod(20);
    Start();
    {
        CListHold dialogOpen(m_session);
        ASSERT_TRUE(WaitFor([&] { return m_presenter.m_Alerts.size() == 2; })) << "the pass waited for the dialog";
        ASSERT_TRUE(m_session.Answer(m_presenter.IdOf(QStringLiteral("tea")), CAlertAnswer {}));
        ChangeFromOutside(QStringLiteral("later"));
        WaitFor([] { return false; }, 1500);
        EXPECT_EQ(Here(QStringLiteral("earlier")), nullptr) << "merged under the open dialog";
        EXPECT_NE(Here(QStringLiteral("later")), nullptr);
        EXPECT_FALSE(ShownOnDisk(OnDisk(), QStringLiteral("tea"))) << "saved under the open dialog";
    }
    ASSERT_TRUE(WaitFor([&] { return Here(QStringLiteral("earlier")) != nullptr; }));
    EXPECT_EQ(Here(QStringLiteral("later")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return ShownOnDisk(OnDisk(), QStringLiteral("tea")); }));
    EXPECT_TRUE(Here(QStringLiteral("tea"))->m_Shown);
}

// A reminder another process adds, due already, is announced at the next
// tick, not at the next 30-second pass.
TEST_F(SessionAlerts, AReminderAddedFromOutsideIsSeenAtTheNextTick)
{
    m_session.SetTimerPeriod(20);
    Start();
    ASSERT_TRUE(WaitFor([&] { return m_presenter.m_Alerts.size() == 2; }));
    {
        CReminderStore other(m_data.Data());
        CReminderList theirs;
        ASSERT_EQ(other.LoadReminders(theirs), CReminderStore::Loaded);
        theirs.InsertSorted(MakeReminder(2024, 3, 10, 12, 4, QStringLiteral("just added")));
        ASSERT_EQ(other.SaveReminders(theirs), CReminderStore::Saved);
    }
    // The hand clock stands still: no 30 seconds pass.
    ASSERT_TRUE(WaitFor([&] { return m_presenter.m_Alerts.size() == 3; }));
    EXPECT_EQ(m_presenter.m_Alerts[2].m_ReminderMessage, QStringLiteral("just added"));
}

TEST_F(SessionAlerts, WithoutAPresenterNothingIsMarkedShown)
{
    m_session.SetAlertPresenter(nullptr);
    Start();
    m_session.OnTimer();
    EXPECT_FALSE(Here(QStringLiteral("tea"))->m_Shown);
    EXPECT_FALSE(Here(QStringLiteral("cake"))->m_Shown);
    EXPECT_FALSE(m_session.Saver().IsPending());
    // A presenter later: the next pass presents them.
    m_session.SetAlertPresenter(&m_presenter);
    m_clock.Pass(31);
    m_session.OnTimer();
    EXPECT_EQ(m_presenter.m_Alerts.size(), 2u);
}

// The computer wakes while a change made here waits to be saved; the pass
// the resume starts presents the due reminder, another process changes the
// file, and the answer still lands on its reminder by id.
TEST_F(SessionAlerts, APassStartedByAResumeWhileASaveIsPending)
{
    Start();
    m_session.OnTimer(); // the first pass: both alerted
    ASSERT_TRUE(m_session.Answer(m_presenter.IdOf(QStringLiteral("cake")), CAlertAnswer {}));
    ASSERT_TRUE(m_session.Answer(m_presenter.IdOf(QStringLiteral("tea")), CAlertAnswer {}));
    m_presenter.m_Alerts.clear();
    m_session.Save();
    m_list.InsertSorted(MakeReminder(2024, 3, 10, 12, 30, QStringLiteral("made here")));
    m_session.Saver().SetDelay(60 * 60 * 1000);
    m_session.NotifyListChanged();
    ASSERT_TRUE(m_session.Saver().IsPending());

    m_clock.Pass(30 * 60); // asleep until 12:35
    m_session.OnResume();
    ASSERT_TRUE(WaitFor([&] { return !m_presenter.m_Alerts.empty(); }, CReminderSession::kResumeDelayMs + 3000));
    ASSERT_EQ(m_presenter.m_Alerts.size(), 1u);
    const quint64 madeHere = m_presenter.m_Alerts[0].m_ReminderId;
    EXPECT_EQ(m_presenter.m_Alerts[0].m_ReminderMessage, QStringLiteral("made here"));

    ChangeFromOutside(QStringLiteral("later"));
    ASSERT_TRUE(WaitFor([&] { return Here(QStringLiteral("earlier")) != nullptr; }));
    ASSERT_TRUE(m_session.Answer(madeHere, CAlertAnswer {}));
    ASSERT_TRUE(m_session.Save());
    const CReminderList disk = OnDisk();
    EXPECT_TRUE(ShownOnDisk(disk, QStringLiteral("made here")));
    EXPECT_FALSE(ShownOnDisk(disk, QStringLiteral("earlier")));
    EXPECT_EQ(IdOnFile(disk, QStringLiteral("later")), 0u);
    EXPECT_EQ(disk.GetSize(), 5); // earliest, earlier, cake, tea, made here
}

} // namespace
