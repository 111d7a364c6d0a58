// The whole due cycle of the running program, without a window: the file
// read, a change from another process merged, an alert due and answered,
// the answer saved, a sync with a real CalDAV server, and the wall clock
// jumping ahead over a reminder.
#include "../storage/StorageFixtures.h"
#include "SessionWait.h"
#include "../sync/CRadicaleServer.h"

#include "model/COleDateTimeSpan.h"
#include "model/CReminderList.h"
#include "session/CReminderSession.h"
#include "session/CSyncController.h"
#include "storage/CSaveScheduler.h"
#include "storage/CSettingsStore.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

// Time passing moves both clocks; a clock being set moves the wall alone.
class CHandClock : public CClock
{
public:
    COleDateTime Now() const override { return m_now; }
    qint64 MonotonicMs() const override { return m_mono; }
    void Pass(double seconds)
    {
        m_now = m_now + COleDateTimeSpan(seconds / 86400.0);
        m_mono += static_cast<qint64>(seconds * 1000.0);
    }
    void SetWall(double seconds) { m_now = m_now + COleDateTimeSpan(seconds / 86400.0); }
    COleDateTime m_now { 2024, 3, 10, 12, 0, 0 };
    qint64 m_mono = 1000000;
};

class CAnsweringPresenter : public CAlertPresenter
{
public:
    explicit CAnsweringPresenter(CReminderSession &session) : m_session(session) {}
    void Present(const CAlertRequest &alert) override
    {
        m_Messages.push_back(alert.m_Message);
        m_session.Answer(alert.m_ReminderId, CAlertAnswer {});
    }
    std::vector<QString> m_Messages;

private:
    CReminderSession &m_session;
};

const CReminder *FindMessage(const CReminderList &list, const QString &message)
{
    for (const CReminder &r : list.Reminders())
        if (r.m_Message == message)
            return &r;
    return nullptr;
}

TEST(SessionDueCycle, LoadMergeAlertSaveSyncAndClockJump)
{
    if (QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty())
        GTEST_SKIP() << "radicale is not installed (tools/deps.sh)";
    CTempDataFolder data;
    CReminderStore store(data.Data());
    {
        CReminderList start;
        start.InsertSorted(MakeReminder(2024, 3, 10, 12, 3, QStringLiteral("tea")));
        start.InsertSorted(MakeReminder(2024, 3, 12, 9, 0, QStringLiteral("dentist")));
        ASSERT_EQ(store.SaveReminders(start), CReminderStore::Saved);
    }
    CSettingsStore settings(data.At(QStringLiteral("settings.ini")));
    CReminderSession session(store, settings);
    CReminderList &list = session.Reminders();
    CHandClock clock;
    session.SetClock(&clock);
    session.Saver().SetDelay(10);
    // The test ticks by hand.
    session.SetTimerPeriod(60 * 60 * 1000);
    // Every alert answered with OK at once.
    CAnsweringPresenter presenter(session);
    session.SetAlertPresenter(&presenter);
    std::vector<QString> &alerts = presenter.m_Messages;
    QSignalSpy changed(&session, &CReminderSession::listChanged);
    QSignalSpy saved(&session, &CReminderSession::saved);

    ASSERT_EQ(session.Load(), CReminderStore::Loaded);
    session.StartChecks();
    ASSERT_EQ(list.GetSize(), 2);

    // Another process adds a reminder; the session merges it in.
    {
        CReminderStore other(data.Data());
        CReminderList theirs;
        ASSERT_EQ(other.LoadReminders(theirs), CReminderStore::Loaded);
        theirs.InsertSorted(MakeReminder(2024, 3, 10, 12, 4, QStringLiteral("call home")));
        ASSERT_EQ(other.SaveReminders(theirs), CReminderStore::Saved);
    }
    ASSERT_TRUE(WaitFor([&] { return FindMessage(list, QStringLiteral("call home")); }));
    EXPECT_GT(changed.count(), 0);

    // Five minutes on: both are due, alerted in order and answered.
    clock.Pass(5 * 60);
    session.OnTimer();
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_TRUE(alerts[0].endsWith(QStringLiteral("tea")));
    EXPECT_TRUE(alerts[1].endsWith(QStringLiteral("call home")));
    EXPECT_TRUE(session.TimerActive());

    // The answers reach the file soon, not at the hourly save.
    ASSERT_TRUE(WaitFor([&] { return saved.count() > 0; }));
    {
        CReminderList onDisk;
        ASSERT_EQ(CReminderStore(data.Data()).LoadReminders(onDisk), CReminderStore::Loaded);
        ASSERT_EQ(onDisk.GetSize(), 3);
        EXPECT_TRUE(FindMessage(onDisk, QStringLiteral("tea"))->m_Shown);
        EXPECT_TRUE(FindMessage(onDisk, QStringLiteral("call home"))->m_Shown);
        EXPECT_FALSE(FindMessage(onDisk, QStringLiteral("dentist"))->m_Shown);
    }

    // A sync puts the three on the server and leaves the answers as they were.
    CRadicaleServer server;
    ASSERT_TRUE(server.Running()) << server.Log().toStdString();
    CSyncController &sync = session.Sync();
    QString askedFor;
    sync.SetPasswordStore({ [&](const QString &key, std::function<void(const QString &, const QString &)> done) {
                               askedFor = key;
                               done(QString::fromLatin1(CRadicaleServer::kPassword), QString());
                           },
                            nullptr });
    QSignalSpy synced(&sync, &CSyncController::finished);
    settings.WriteProfileString(CSyncController::kSection, QStringLiteral("Url"), server.Root());
    settings.WriteProfileString(CSyncController::kSection, QStringLiteral("User"), QString::fromLatin1(CRadicaleServer::kUser));
    sync.syncNow();
    ASSERT_TRUE(WaitFor([&] { return synced.count() > 0; }, 20000));
    EXPECT_TRUE(synced[0][0].toBool()) << sync.statusText().toStdString();
    EXPECT_EQ(askedFor, QString::fromLatin1(CRadicaleServer::kUser) + QLatin1Char('@') + server.Root());
    EXPECT_EQ(server.EventFiles().size(), 3);
    EXPECT_TRUE(FindMessage(list, QStringLiteral("tea"))->m_Shown);

    // The wall clock is set three days on: the day turns, the reminder of
    // the skipped days is alerted at once, and the server is asked again.
    QSignalSpy jumped(&session, &CReminderSession::clockJumped);
    QSignalSpy dayChanged(&session, &CReminderSession::dayChanged);
    clock.SetWall(3 * 86400);
    session.OnTimer();
    EXPECT_EQ(jumped.count(), 1);
    EXPECT_EQ(dayChanged.count(), 1);
    ASSERT_EQ(alerts.size(), 3u);
    EXPECT_TRUE(alerts[2].endsWith(QStringLiteral("dentist")));
    ASSERT_TRUE(WaitFor([&] { return synced.count() > 1; }, 20000)) << "a jump syncs again";
    EXPECT_TRUE(synced.last()[0].toBool()) << sync.statusText().toStdString();
}

} // namespace
